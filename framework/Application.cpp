#include "framework/Application.h"

#include "framework/Trace.h"

Application::Application() = default;

Application::~Application() = default;

void Application::SetMenuBar(std::shared_ptr<::MenuBar> bar)
{
    Trace("Application.SetMenuBar");
    m_menu_bar = std::move(bar);
}

void Application::AddMenuHandler(std::string_view name, MenuHandler handler)
{
    m_handlers.Add(name, std::move(handler));
}
