#pragma once

#include <memory>
#include <string_view>

#include "framework/MenuBar.h"

namespace MenuBar1 {

// The one menu bar of the program, shared by the application object and every
// window: File, Edit and Equations. After it is built only the items' enabled state
// ever changes.
class MenuBar1 : public MenuBar {
public:
    static constexpr std::string_view ClassNameText = "MenuBar1.MenuBar1";

    // Builds the whole tree, menu by menu.
    void Constructor() override;
    // The File, the Edit and the Equations menu.
    void Untitled0();
    void Untitled1();
    void Untitled2();

    // The shared instance, built on first use.
    static std::shared_ptr<MenuBar1> Instance();
    // Drops the shared instance at shut-down; the next use would build a new one.
    static void ReleaseInstance();
};

}
