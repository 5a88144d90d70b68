#include "framework/Control.h"

#include "framework/Window.h"

Control::Control() = default;

Control::~Control() = default;

std::shared_ptr<::Window> Control::OwnerWindow() const
{
    auto window = m_window.lock();
    return window && window->IsOpen() ? window : nullptr;
}

void Control::SetProperty(std::string_view name, PropertyValue const& value)
{
    // The name a control is registered under is the window's; a stream only repeats it.
    if (name == "Name" && m_name.empty())
        m_name = value.AsText();
    else if (name == "Index")
        m_index = value.AsInt32();
}
