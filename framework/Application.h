#pragma once

#include <memory>
#include <string_view>

#include "framework/MenuBar.h"
#include "framework/MenuHandlers.h"
#include "framework/Object.h"

// The application object: one per process, registered with RuntimeRegisterAppObject
// and kept by the framework for the life of the process.
class Application : public Object {
public:
    Application();
    ~Application() override;

    std::shared_ptr<::MenuBar> MenuBar() const { return m_menu_bar; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar);

    // Application-level handlers, asked after the front window's.
    void AddMenuHandler(std::string_view name, MenuHandler handler);
    MenuHandlers const& Handlers() const { return m_handlers; }

    // Raised whenever the framework brings the menus' enabled state up to date.
    virtual void Event_EnableMenuItems() { }

private:
    std::shared_ptr<::MenuBar> m_menu_bar;
    MenuHandlers m_handlers;
};
