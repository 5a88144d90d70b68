#include "framework/Window.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <utility>

#include <QColor>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>

#include "framework/MenuDispatch.h"
#include "framework/Trace.h"
#include "framework/WindowOrder.h"
#include "framework/private/EventBoundary.h"
#include "framework/private/FrameworkState.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"
#include "framework/private/NativeWindow.h"
#include "framework/private/WindowOrder.h"

using Framework::KeyIssuer;

Window::Window() = default;

Window::~Window() = default;

void Window::Constructor()
{
    Trace("Window.Constructor", ClassName());
    if (m_native || m_open)
        throw RuntimeException("the window is already constructed");
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    m_native = std::make_unique<NativeWindow>(*this);
    m_open = true;
    m_constructing = true;
    // Kept alive by the framework from here on. It joins the order behind every open
    // window: only the window system's activation, or a command chosen in it, brings
    // it to the front.
    Framework::AddOpenWindow(self);
    if (m_menu_bar)
        m_native->ShowMenuBar(m_menu_bar.get());
    ApplyFrame();
    try {
        Trace("Window.Layout");
        Layout();
        Trace("Window.CreateControls");
        CreateControls();
        Trace("Window.AddMenuHandlers");
        AddMenuHandlers(*this);
    } catch (...) {
        // Nothing of a window whose construction failed stays open.
        NativeClosed(KeyIssuer::Key());
        m_constructing = false;
        throw;
    }
    m_constructing = false;
    ApplyFocusOrder();
    if (m_visible)
        ShowNative();
}

void Window::ShowNative()
{
    if (!m_native)
        return;
    m_native->Show(m_full_screen);
    if (m_full_screen)
        NativeResized(KeyIssuer::Key(), m_native->Content()->width(), m_native->Content()->height());
    else
        m_native->SetContentSize(m_width, m_height);
    // Showing a window does not make it the front one: the window system decides
    // that, and tells through the window's activation. Keys stay with the window that
    // has them, so its commands must stay enabled. Only a window that is in front
    // already (the first one) brings the menus up to date for itself.
    if (FrontWindow().get() == this)
        UpdateMenuItems();
}

void Window::ApplyFocusOrder()
{
    std::vector<RectControl*> order;
    for (auto const& control : m_controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (!rect)
            continue;
        auto* widget = NativeWidget<QWidget>(*rect);
        if (!widget)
            continue;
        widget->setFocusPolicy(rect->TakesKeyboardFocus() ? Qt::StrongFocus : Qt::NoFocus);
        if (rect->TakesKeyboardFocus())
            order.push_back(rect);
    }
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(NativeWidget<QWidget>(*order[i - 1]), NativeWidget<QWidget>(*order[i]));
    auto first = std::find_if(order.begin(), order.end(), [](auto* control) { return control->Visible(); });
    if (first != order.end())
        NativeWidget<QWidget>(**first)->setFocus(Qt::OtherFocusReason);
}

void Window::SetMenuBar(std::shared_ptr<::MenuBar> bar)
{
    m_menu_bar = std::move(bar);
    if (m_native)
        m_native->ShowMenuBar(m_menu_bar.get());
    ApplyFrame();
}

void Window::AddMenuHandler(std::string_view name, MenuHandler handler)
{
    m_handlers.Add(name, std::move(handler));
}

void Window::Adopt(Control& control)
{
    control.m_window = std::static_pointer_cast<Window>(shared_from_this());
    control.m_adopted = true;
}

void Window::AddControl(std::string_view name, std::shared_ptr<Control> control)
{
    if (!control)
        throw NilObjectException(std::string("control to register as ") + std::string(name) + " is nil");
    if (ControlByNameIndex(name, control->Index()))
        throw RuntimeException(std::string("a control named ") + std::string(name) + " with that index is already registered");
    control->m_name = std::string(name);
    if (control->m_window.expired())
        Adopt(*control);
    m_controls.push_back(std::move(control));
}

Control* Window::ScanForControl(std::string_view name) const
{
    for (std::size_t position = 0; position < m_controls.size(); ++position) {
        if (m_controls[position]->Name() == name) {
            m_lookup[LookupSlot(name)] = position + 1;
            return m_controls[position].get();
        }
    }
    return nullptr;
}

void Window::ThrowNoControl(std::string_view name)
{
    throw NilObjectException(std::string("no control named ") + std::string(name));
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const
{
    auto* control = LookUpControl(name);
    return control ? std::static_pointer_cast<Control>(control->shared_from_this()) : nullptr;
}

std::shared_ptr<Control> Window::ControlByNameIndex(std::string_view name, std::int32_t index) const
{
    for (auto const& control : m_controls)
        if (control->Index() == index && control->Name() == name)
            return control;
    return nullptr;
}

void Window::SetWidth(std::int32_t width)
{
    Resize(width, m_height);
}

void Window::SetHeight(std::int32_t height)
{
    Resize(m_width, height);
}

void Window::Resize(std::int32_t width, std::int32_t height)
{
    // A stream may give limits in any order, also below zero: the upper bound is never
    // below the lower one, and no size below zero.
    auto const limited = [](std::int32_t size, std::int32_t minimum, std::int32_t maximum) {
        std::int32_t const lower = std::max(0, minimum);
        return std::clamp(size, lower, std::max(lower, maximum));
    };
    width = limited(width, m_min_width, m_max_width);
    height = limited(height, m_min_height, m_max_height);
    bool const changed = width != m_width || height != m_height;
    m_width = width;
    m_height = height;
    if (m_native) {
        m_native->SetContentLimits(m_min_width, m_min_height, m_max_width, m_max_height, m_resizeable, m_width, m_height);
        m_native->SetContentSize(m_width, m_height);
    }
    if (changed)
        FollowControls();
}

void Window::FollowControls()
{
    for (auto const& control : m_controls)
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            rect->FollowWindowSize(KeyIssuer::Key(), m_width, m_height);
}

void Window::SetTitle(std::string title)
{
    m_title = std::move(title);
    if (m_native && m_native->Main())
        m_native->Main()->setWindowTitle(QString::fromStdString(m_title));
}

void Window::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    // While the window is constructed, it is shown at the end, never during a hook.
    if (!m_native || m_constructing)
        return;
    if (visible)
        ShowNative();
    else if (m_native->Main())
        m_native->Main()->hide();
}

void Window::Close()
{
    NativeClosed(KeyIssuer::Key());
}

std::shared_ptr<RectControl> Window::FocusControl() const
{
    if (!m_native || !m_native->Main())
        return nullptr;
    QWidget* focus = m_native->Main()->focusWidget();
    if (!focus)
        return nullptr;
    for (auto const& control : m_controls) {
        auto rect = std::dynamic_pointer_cast<RectControl>(control);
        if (rect && NativeWidget<QWidget>(*rect) == focus)
            return rect;
    }
    return nullptr;
}

template<auto field>
void Window::SetFrameSetting(std::remove_reference_t<decltype(std::declval<Window&>().*field)> value)
{
    this->*field = value;
    ApplyFrame();
}

PropertyTable const& Window::Properties() const
{
    // Composite, LiveResize and MacProcID have no row: live resizing is the toolkit's
    // own, and the rest is of another platform.
    static constexpr std::array rows {
        PropertyRowOf<"Width", &Window::SetWidth>(),
        PropertyRowOf<"Height", &Window::SetHeight>(),
        PropertyRowOf<"MinWidth", &Window::SetFrameSetting<&Window::m_min_width>>(),
        PropertyRowOf<"MinHeight", &Window::SetFrameSetting<&Window::m_min_height>>(),
        PropertyRowOf<"MaxWidth", &Window::SetFrameSetting<&Window::m_max_width>>(),
        PropertyRowOf<"MaxHeight", &Window::SetFrameSetting<&Window::m_max_height>>(),
        PropertyRowOf<"Placement", [](Window& window, std::int32_t placement) { window.m_placement = placement; }>(),
        PropertyRowOf<"Frame", [](Window& window, std::int32_t frame) { window.m_frame = frame; }>(),
        PropertyRowOf<"Title", &Window::SetTitle>(),
        PropertyRowOf<"Visible", &Window::SetVisible>(),
        PropertyRowOf<"FullScreen", &Window::SetFrameSetting<&Window::m_full_screen>>(),
        PropertyRowOf<"MenuBarVisible", &Window::SetFrameSetting<&Window::m_menu_bar_visible>>(),
        PropertyRowOf<"CloseButton", &Window::SetFrameSetting<&Window::m_close_button>>(),
        PropertyRowOf<"MinimizeButton", &Window::SetFrameSetting<&Window::m_minimize_button>>(),
        PropertyRowOf<"MaximizeButton", &Window::SetFrameSetting<&Window::m_maximize_button>>(),
        PropertyRowOf<"Resizeable", &Window::SetFrameSetting<&Window::m_resizeable>>(),
        PropertyRowOf<"HasBackColor", &Window::SetFrameSetting<&Window::m_has_back_color>>(),
        PropertyRowOf<"BackColor", [](Window& window, Color color) {
            window.m_back_color = color.rgb;
            window.ApplyFrame();
        }>(),
    };
    static PropertyTable const table { rows, Object::Properties() };
    return table;
}

void Window::ApplyFrame()
{
    if (!m_native || !m_native->Main())
        return;
    QMainWindow& main = *m_native->Main();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_close_button)
        flags |= Qt::WindowCloseButtonHint;
    if (m_minimize_button)
        flags |= Qt::WindowMinimizeButtonHint;
    if (m_maximize_button)
        flags |= Qt::WindowMaximizeButtonHint;
    if (main.windowFlags() != flags) {
        bool const shown = main.isVisible();
        main.setWindowFlags(flags);
        if (shown)
            main.show();
    }
    m_native->SetMenuBarVisible(m_menu_bar_visible);

    QWidget& content = *m_native->Content();
    content.setAutoFillBackground(m_has_back_color);
    if (m_has_back_color) {
        QPalette palette = content.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(m_back_color & 0xFFFFFF));
        content.setPalette(palette);
    }

    if (!m_constructing && main.isVisible() && m_full_screen != main.isFullScreen()) {
        if (m_full_screen)
            main.showFullScreen();
        else
            main.showNormal();
    }
    // New limits may move the content size; the size, clamped, is applied with them.
    Resize(m_width, m_height);
}

void Window::NativeResized(FrameworkKey, std::int32_t width, std::int32_t height)
{
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    FollowControls();
}

void Window::NativeClosed(FrameworkKey)
{
    if (!m_open)
        return;
    // The framework's reference may be the last; the window lives until this returns.
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    m_open = false;
    Framework::RemoveOpenWindow(*this);
    m_handlers.Clear();
    // The controls go with their widgets and handlers once control is back in the
    // event loop: the handler that closes the window may run in one of them, or hold
    // another. Until then they raise no event, and no look-up finds them.
    Framework::ReleaseLater(std::exchange(m_controls, {}));
    m_lookup = {};
    m_native.reset();
    if (!m_constructing && !Framework::GetState().finalizing)
        UpdateMenuItems();
}
