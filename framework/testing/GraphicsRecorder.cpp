#include "framework/testing/GraphicsRecorder.h"

#include <stdexcept>

#include "framework/private/KeyIssuer.h"

using Framework::KeyIssuer;

namespace Testing {

GraphicsRecorder::GraphicsRecorder(Graphics& surface)
    : m_surface(surface)
    , m_keep_alive(surface.weak_from_this().lock())
{
    if (surface.Observer(KeyIssuer::Key()))
        throw std::logic_error("the surface is already being recorded");
    surface.SetObserver(KeyIssuer::Key(), this);
}

GraphicsRecorder::~GraphicsRecorder()
{
    m_surface.SetObserver(KeyIssuer::Key(), nullptr);
}

void GraphicsRecorder::OnSetForeColor(std::uint32_t rgb)
{
    m_calls.push_back({ GraphicsCall::Kind::ForeColor, rgb, 0, 0, 0 });
}

void GraphicsRecorder::OnDrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    m_calls.push_back({ GraphicsCall::Kind::DrawLine, x1, y1, x2, y2 });
}

void GraphicsRecorder::OnFillRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    m_calls.push_back({ GraphicsCall::Kind::FillRect, left, top, width, height });
}

void GraphicsRecorder::OnDrawRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    m_calls.push_back({ GraphicsCall::Kind::DrawRect, left, top, width, height });
}

GraphicsObserver* ObserverOf(Graphics const& surface)
{
    return surface.Observer(KeyIssuer::Key());
}

std::vector<GraphicsCall> RecordGraphicsCalls(Graphics& surface, std::function<void()> const& action)
{
    GraphicsRecorder recorder(surface);
    action();
    return recorder.Calls();
}

}
