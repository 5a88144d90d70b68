#pragma once

#include <cstdint>

// Hears of every drawing call a surface receives, with its arguments exactly as the
// caller gave them and before any clipping, so that a test can check what a window
// asked for apart from what reached the pixels. The program itself sets none; the
// testing library's recorder is one.
class GraphicsObserver {
public:
    virtual ~GraphicsObserver() = default;

    virtual void OnSetForeColor(std::uint32_t rgb) = 0;
    virtual void OnDrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    virtual void OnFillRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) = 0;
    virtual void OnDrawRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) = 0;

protected:
    GraphicsObserver() = default;
    GraphicsObserver(GraphicsObserver const&) = default;
    GraphicsObserver& operator=(GraphicsObserver const&) = default;
};
