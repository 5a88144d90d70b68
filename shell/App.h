#pragma once

#include <memory>
#include <string_view>

#include "framework/Application.h"

// The application object. It holds no state: the framework keeps the one instance
// for the life of the process, and everything reaches it through Instance().
class App : public Application {
public:
    static constexpr std::string_view ClassNameText = "App";

    // Keeps the item that opens polynomial windows enabled whatever window is in
    // front.
    void Event_EnableMenuItems() override;
    // Opens one more polynomial window on every call.
    bool EquationsCurvesketcher_Action();
    void Constructor();

    // The registered application object, or nil while none is registered.
    static std::shared_ptr<App> Instance();
};
