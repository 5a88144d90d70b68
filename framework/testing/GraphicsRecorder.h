#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Graphics.h"
#include "framework/GraphicsObserver.h"
#include "framework/testing/GraphicsCall.h"

namespace Testing {

// Records the drawing calls that a surface receives for as long as the recorder
// lives. A surface that is shared is kept alive by the recorder, so that a recorded
// action may close the surface's window; one that is not must outlive it. A surface
// takes one recorder at a time, since a second would silently take the calls from
// the first.
class GraphicsRecorder final : public GraphicsObserver {
public:
    explicit GraphicsRecorder(Graphics& surface);
    ~GraphicsRecorder() override;
    GraphicsRecorder(GraphicsRecorder const&) = delete;
    GraphicsRecorder& operator=(GraphicsRecorder const&) = delete;

    std::vector<GraphicsCall> const& Calls() const { return m_calls; }

    void OnSetForeColor(std::uint32_t rgb) override;
    void OnDrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void OnFillRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;
    void OnDrawRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;

private:
    Graphics& m_surface;
    std::shared_ptr<Object> m_keep_alive;
    std::vector<GraphicsCall> m_calls;
};

// The recorder of the surface's drawing calls while one lives, else nil.
GraphicsObserver* ObserverOf(Graphics const& surface);

// The drawing calls that the surface receives while the action runs.
std::vector<GraphicsCall> RecordGraphicsCalls(Graphics& surface, std::function<void()> const& action);

}
