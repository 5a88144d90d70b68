#pragma once

#include <cstdint>
#include <memory>

#include "framework/Control.h"
#include "framework/FrameworkKey.h"

class NativeControl;

// A control with a place in its window. Position and size are in the window's content
// pixels; the locks say which window edges the control follows when the window is
// resized: locked left and right it grows with the width, locked right only it moves
// with the right edge, otherwise it keeps its place (vertically the same with top and
// bottom). Sizes never go below 0.
class RectControl : public Control {
public:
    RectControl();
    ~RectControl() override;

    // The control's construction: makes its native widget inside the owning window.
    // Call once, after Window::New.
    virtual void Constructor();

    std::int32_t Left() const { return m_left; }
    std::int32_t Top() const { return m_top; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void SetLeft(std::int32_t);
    void SetTop(std::int32_t);
    void SetWidth(std::int32_t);
    void SetHeight(std::int32_t);

    bool LockLeft() const { return m_lock_left; }
    bool LockTop() const { return m_lock_top; }
    bool LockRight() const { return m_lock_right; }
    bool LockBottom() const { return m_lock_bottom; }
    void SetLockLeft(bool value) { m_lock_left = value; }
    void SetLockTop(bool value) { m_lock_top = value; }
    void SetLockRight(bool value) { m_lock_right = value; }
    void SetLockBottom(bool value) { m_lock_bottom = value; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool);

    // Keyboard focus order within the window, lowest first.
    std::int32_t TabIndex() const { return m_tab_index; }
    void SetTabIndex(std::int32_t value) { m_tab_index = value; }
    // Whether the control takes keyboard focus at all.
    virtual bool TakesKeyboardFocus() const { return false; }
    bool HasFocus() const;

    PropertyTable const& Properties() const override;

    // Framework side.
    NativeControl* Native(FrameworkKey) const { return m_native.get(); }
    // Called by the window when its content size changes, with the change against
    // the size at which the control's place was last set.
    void FollowWindowSize(FrameworkKey, std::int32_t window_width, std::int32_t window_height);

protected:
    virtual std::unique_ptr<NativeControl> MakeNative() = 0;
    // Geometry or visibility changed; pushes it to the native widget.
    virtual void GeometryChanged();

private:
    void Remember();

    std::int32_t m_left { 0 }, m_top { 0 }, m_width { 0 }, m_height { 0 };
    // The place as last set, and the window's content size at that moment: the
    // current place is always derived from these, so repeated resizes never drift.
    std::int32_t m_set_left { 0 }, m_set_top { 0 }, m_set_width { 0 }, m_set_height { 0 };
    std::int32_t m_set_window_width { 0 }, m_set_window_height { 0 };
    bool m_lock_left { false }, m_lock_top { false }, m_lock_right { false }, m_lock_bottom { false };
    bool m_visible { true };
    bool m_enabled { true };
    std::int32_t m_tab_index { 0 };
    std::unique_ptr<NativeControl> m_native;
};
