#pragma once

#include <cstdint>

namespace Testing {

// One drawing call that a surface received, as its caller gave it.
struct GraphicsCall {
    enum class Kind { ForeColor, DrawLine, FillRect, DrawRect };
    Kind kind;
    // ForeColor: a = 0xRRGGBB. DrawLine: a, b, c, d = x1, y1, x2, y2.
    // FillRect and DrawRect: a, b, c, d = left, top, width, height.
    std::int64_t a { 0 }, b { 0 }, c { 0 }, d { 0 };
    bool operator==(GraphicsCall const&) const = default;
};

}
