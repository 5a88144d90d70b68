#include "framework/Control.h"

#include <array>

#include "framework/Window.h"

Control::Control() = default;

Control::~Control() = default;

std::shared_ptr<::Window> Control::OwnerWindow() const
{
    auto window = m_window.lock();
    return window && window->IsOpen() ? window : nullptr;
}

PropertyTable const& Control::Properties() const
{
    static constexpr std::array rows {
        // The name a control is registered under is the window's; a stream only repeats it.
        PropertyRowOf<"Name", [](Control& control, std::string const& name) {
            if (control.m_name.empty())
                control.m_name = name;
        }>(),
        PropertyRowOf<"Index", &Control::SetIndex>(),
    };
    static PropertyTable const table { rows, Object::Properties() };
    return table;
}
