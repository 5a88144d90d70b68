#pragma once

#include <functional>
#include <memory>

#include "framework/Graphics.h"
#include "framework/RectControl.h"

// A control with one persistent drawing surface, always the size of the canvas.
// Drawing into it at any time reaches the screen at the next frame. The Paint event
// is raised when the canvas is first shown and whenever the surface's content is
// lost (a resize); drawing inside Paint raises no further Paint.
class Canvas : public RectControl {
public:
    static constexpr int PaintEvent = FirstOwnEvent;
    using PaintHandler = std::function<void(Canvas&, ::Graphics&)>;

    Canvas();
    ~Canvas() override;

    std::shared_ptr<::Graphics> Graphics() const { return m_graphics; }

    bool AcceptFocus() const { return m_accept_focus; }
    void SetAcceptFocus(bool value) { m_accept_focus = value; }
    bool TakesKeyboardFocus() const override { return m_accept_focus; }

    void AddPaintHandler(PaintHandler handler);
    bool HasPaintHandler() const { return static_cast<bool>(m_paint); }
    PropertyTable const& Properties() const override;

    // Framework side: raised by the native widget when the surface needs drawing.
    void RaisePaint(FrameworkKey);

protected:
    std::unique_ptr<NativeControl> MakeNative() override;
    void GeometryChanged() override;

private:
    std::shared_ptr<::Graphics> m_graphics;
    PaintHandler m_paint;
    bool m_accept_focus { false };
};
