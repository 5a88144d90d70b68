#include "framework/Canvas.h"

#include <array>

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "framework/Window.h"
#include "framework/private/ControlEvents.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"

using Framework::KeyIssuer;

namespace {

// Shows the canvas's surface. Paint is raised from here only when the surface's
// content is new or lost; drawing at other times asks for one repaint per frame.
class CanvasWidget final : public QWidget {
public:
    CanvasWidget(QWidget* parent, std::weak_ptr<Canvas> canvas)
        : QWidget(parent)
        , m_canvas(std::move(canvas))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void ContentLost()
    {
        m_needs_paint = true;
        update();
    }

    void SurfaceChanged()
    {
        // Drawing inside Paint reaches the screen with this very paint event.
        if (m_painting || m_update_pending)
            return;
        m_update_pending = true;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        m_update_pending = false;
        auto canvas = m_canvas.lock();
        if (!canvas)
            return;
        auto graphics = canvas->Graphics();
        double const ratio = devicePixelRatioF();
        auto const moved_screens = [&] { return graphics->DevicePixelRatio(KeyIssuer::Key()) != ::Graphics::SurfaceRatio(ratio); };
        if (m_needs_paint || moved_screens()) {
            m_painting = true;
            // The new surface is made inside the boundary too: one too large to
            // allocate fails there, never in the toolkit's dispatch.
            Framework::RunAtBoundary([&] {
                if (moved_screens()) {
                    // On a screen of another density the surface is made anew, and
                    // its content is lost.
                    graphics->Resize(KeyIssuer::Key(), canvas->Width(), canvas->Height(), ratio);
                    m_needs_paint = true;
                }
                if (m_needs_paint) {
                    m_needs_paint = false;
                    canvas->RaisePaint(KeyIssuer::Key());
                }
            });
            m_painting = false;
        }
        std::int32_t const device_width = graphics->DeviceWidth(KeyIssuer::Key());
        std::int32_t const device_height = graphics->DeviceHeight(KeyIssuer::Key());
        if (device_width <= 0 || device_height <= 0)
            return;
        QImage const image(reinterpret_cast<uchar const*>(graphics->DevicePixels(KeyIssuer::Key())), device_width, device_height,
            static_cast<qsizetype>(device_width) * 4, QImage::Format_RGB32);
        QImage scaled = image;
        scaled.setDevicePixelRatio(graphics->DevicePixelRatio(KeyIssuer::Key()));
        QPainter painter(this);
        painter.drawImage(0, 0, scaled);
    }

private:
    std::weak_ptr<Canvas> m_canvas;
    bool m_needs_paint { true };
    bool m_painting { false };
    bool m_update_pending { false };
};

}

Canvas::Canvas()
    : m_graphics(std::make_shared<::Graphics>())
{
}

Canvas::~Canvas() = default;

void Canvas::AddPaintHandler(PaintHandler handler)
{
    m_paint = std::move(handler);
}

PropertyTable const& Canvas::Properties() const
{
    static constexpr std::array rows {
        PropertyRowOf<"AcceptFocus", [](Canvas& canvas, bool accept) {
            canvas.SetAcceptFocus(accept);
            if (auto* widget = NativeWidget<QWidget>(canvas))
                widget->setFocusPolicy(accept ? Qt::StrongFocus : Qt::NoFocus);
        }>(),
    };
    static PropertyTable const table { rows, RectControl::Properties() };
    return table;
}

void Canvas::RaisePaint(FrameworkKey)
{
    RaiseControlEvent(*this, m_paint, *m_graphics);
}

std::unique_ptr<NativeControl> Canvas::MakeNative()
{
    auto* widget = new CanvasWidget(ContentOf(*this), std::static_pointer_cast<Canvas>(shared_from_this()));
    m_graphics->SetChangeListener(KeyIssuer::Key(), [view = QPointer<CanvasWidget>(widget)] {
        if (view)
            view->SurfaceChanged();
    });
    return std::make_unique<NativeControl>(widget);
}

void Canvas::GeometryChanged()
{
    RectControl::GeometryChanged();
    if (m_graphics->Width() == Width() && m_graphics->Height() == Height())
        return;
    auto* widget = NativeWidget<CanvasWidget>(*this);
    m_graphics->Resize(KeyIssuer::Key(), Width(), Height(), widget ? widget->devicePixelRatioF() : 1.0);
    if (widget)
        widget->ContentLost();
}
