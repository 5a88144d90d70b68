#include "framework/RectControl.h"

#include <algorithm>
#include <array>
#include <limits>

#include <QWidget>

#include "framework/Window.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"

using Framework::KeyIssuer;

namespace {

std::int32_t Saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One axis of the lock rule: locked at both edges the control grows with the window,
// locked at the far edge only it moves with it, otherwise it keeps its place.
void FollowAxis(bool near_lock, bool far_lock, std::int32_t set_position, std::int32_t set_size, std::int64_t change,
    std::int32_t& position, std::int32_t& size)
{
    position = set_position;
    size = set_size;
    if (far_lock && near_lock)
        size = Saturated(std::max<std::int64_t>(0, set_size + change));
    else if (far_lock)
        position = Saturated(set_position + change);
}

}

RectControl::RectControl() = default;

RectControl::~RectControl() = default;

void RectControl::Constructor()
{
    if (m_native)
        return;
    auto window = OwnerWindow();
    if (!window || !window->Native(KeyIssuer::Key()))
        throw NilObjectException("the control has no open window to be made in");
    m_native = MakeNative();
    Remember();
    GeometryChanged();
    if (auto* widget = m_native ? m_native->Widget() : nullptr) {
        widget->setEnabled(m_enabled);
        widget->setFocusPolicy(TakesKeyboardFocus() ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void RectControl::SetLeft(std::int32_t left)
{
    m_left = left;
    Remember();
    GeometryChanged();
}

void RectControl::SetTop(std::int32_t top)
{
    m_top = top;
    Remember();
    GeometryChanged();
}

void RectControl::SetWidth(std::int32_t width)
{
    m_width = std::max(0, width);
    Remember();
    GeometryChanged();
}

void RectControl::SetHeight(std::int32_t height)
{
    m_height = std::max(0, height);
    Remember();
    GeometryChanged();
}

void RectControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    GeometryChanged();
}

void RectControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (auto* widget = NativeWidget<QWidget>(*this))
        widget->setEnabled(enabled);
}

bool RectControl::HasFocus() const
{
    auto* widget = NativeWidget<QWidget>(*this);
    return widget && widget->window()->focusWidget() == widget;
}

PropertyTable const& RectControl::Properties() const
{
    static constexpr std::array rows {
        PropertyRowOf<"Left", &RectControl::SetLeft>(),
        PropertyRowOf<"Top", &RectControl::SetTop>(),
        PropertyRowOf<"Width", &RectControl::SetWidth>(),
        PropertyRowOf<"Height", &RectControl::SetHeight>(),
        PropertyRowOf<"LockLeft", &RectControl::SetLockLeft>(),
        PropertyRowOf<"LockTop", &RectControl::SetLockTop>(),
        PropertyRowOf<"LockRight", &RectControl::SetLockRight>(),
        PropertyRowOf<"LockBottom", &RectControl::SetLockBottom>(),
        PropertyRowOf<"Visible", &RectControl::SetVisible>(),
        PropertyRowOf<"Enabled", &RectControl::SetEnabled>(),
        PropertyRowOf<"TabIndex", &RectControl::SetTabIndex>(),
    };
    static PropertyTable const table { rows, Control::Properties() };
    return table;
}

void RectControl::FollowWindowSize(FrameworkKey, std::int32_t window_width, std::int32_t window_height)
{
    std::int32_t left, top, width, height;
    FollowAxis(m_lock_left, m_lock_right, m_set_left, m_set_width, std::int64_t { window_width } - m_set_window_width, left, width);
    FollowAxis(m_lock_top, m_lock_bottom, m_set_top, m_set_height, std::int64_t { window_height } - m_set_window_height, top, height);
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    GeometryChanged();
}

void RectControl::GeometryChanged()
{
    auto* widget = NativeWidget<QWidget>(*this);
    if (!widget)
        return;
    widget->setGeometry(m_left, m_top, std::min(m_width, QWIDGETSIZE_MAX), std::min(m_height, QWIDGETSIZE_MAX));
    widget->setVisible(m_visible);
}

void RectControl::Remember()
{
    m_set_left = m_left;
    m_set_top = m_top;
    m_set_width = m_width;
    m_set_height = m_height;
    auto window = OwnerWindow();
    m_set_window_width = window ? window->Width() : 0;
    m_set_window_height = window ? window->Height() : 0;
}
