#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "framework/Canvas.h"
#include "framework/Graphics.h"
#include "framework/Numbers.h"
#include "framework/Object.h"

// The graph view shows the square -5 <= x <= 5, -5 <= y <= 5 of the plane stretched
// to a window's canvas. Both graph windows draw with it. A window type fits when it
// has `Graph()`, returning its canvas as Canvas&, and
// `XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py)`, which is
// nothing but a call of GraphViewMapping.

namespace GraphViewColor {
inline constexpr std::uint32_t Background = 0xFFFFFF;
inline constexpr std::uint32_t Grid = 0xE0E0E0;
inline constexpr std::uint32_t Axis = 0xA0A0A0;
inline constexpr std::uint32_t Curve = 0x000000;
inline constexpr std::uint32_t Frame = 0x000000;
}

// Where a plane coordinate falls along an axis of `size` pixels, as a whole double:
// the product first, then the division, then Round. The column is this value; the
// row is the axis size minus it.
inline double GraphViewAxisOffset(double size, double coordinate)
{
    double const shifted = coordinate + 5.0;
    double const scaled = size * shifted;
    double const tenth = scaled / 10.0;
    return Round(tenth);
}

// Whether a whole double has a 32-bit value; false for infinities and NaN.
inline bool GraphViewFitsInt32(double whole)
{
    return whole >= -2147483648.0 && whole <= 2147483647.0;
}

// Whether the row `height - offset` exists as a 32-bit integer. Both terms are whole
// and far below 2^53, so the double difference is exact.
inline bool GraphViewRowFits(std::int32_t height, double offset)
{
    return GraphViewFitsInt32(offset) && GraphViewFitsInt32(static_cast<double>(height) - offset);
}

// Whether the point has a pixel on a canvas of that size. A y that is not finite
// (the parabola in polynomial form with a = 0) or that lands beyond the 32-bit range
// has none; such a point must never reach the conversion to an integer.
inline bool GraphViewHasPixel(std::int32_t width, std::int32_t height, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    return GraphViewFitsInt32(GraphViewAxisOffset(RuntimeCvtSInt32ToReal64(width), x))
        && GraphViewRowFits(height, GraphViewAxisOffset(RuntimeCvtSInt32ToReal64(height), y));
}

// A bound on |y| within which every sample of the curve has a pixel on a canvas of
// that size, so that ordinary samples need not be rounded twice, once for the test
// and once by the mapping. Within it the row offset stays below 2^29 in magnitude,
// far inside the 32-bit range; a canvas too large for that gets -1: every sample
// takes the exact test.
inline double GraphViewSureY(std::int32_t width, std::int32_t height)
{
    constexpr double limit = 536870912.0; // 2^29
    if (width > limit || height > limit)
        return -1.0;
    return limit * 10.0 / std::max(1.0, RuntimeCvtSInt32ToReal64(height)) - 6.0;
}

// The mapping of a point to a pixel of the window's canvas. It reads the canvas
// control's width, stores the column, then reads its height and stores the row, so
// a window's XYtoCoordinates does exactly this. The drawing hands it only points
// that have a pixel; for any other point the coordinate without one is not
// converted and its out-parameter keeps what it held.
template<class GraphWindow>
void GraphViewMapping(GraphWindow& window, double x, double y, std::int32_t& px, std::int32_t& py)
{
    double const width = RuntimeCvtSInt32ToReal64(window.Graph().Width());
    double const column = GraphViewAxisOffset(width, x);
    if (!GraphViewFitsInt32(column))
        return;
    px = RuntimeCvtReal64ToSInt32(column);

    std::int32_t const height = window.Graph().Height();
    double const offset = GraphViewAxisOffset(RuntimeCvtSInt32ToReal64(height), y);
    if (!GraphViewRowFits(height, offset))
        return;
    py = height - RuntimeCvtReal64ToSInt32(offset);
}

// One whole drawing on the canvas's own surface: background, vertical grid lines,
// horizontal grid lines, the curve of f and the frame, each colour set before use.
// That is 26 colour sets, one FillRect, 1022 DrawLine calls (when every sample has a
// pixel), one DrawRect and 1045 calls of the window's XYtoCoordinates.
//
// The curve is the polyline through the samples x = -5, -4.99, ... taken from a
// running sum of 0.01, which gives 1001 of them. A sample without a pixel (see
// GraphViewHasPixel) is neither mapped nor drawn: the polyline breaks there and
// starts again at the next sample that has one.
template<class GraphWindow, class Function>
void DrawGraphView(GraphWindow& window, Function&& f)
{
    // Held across the drawing: nothing during a drawing can close the window.
    auto& canvas = window.Graph();
    auto const surface = canvas.Graphics();
    Graphics& g = NilCheck(surface, "the graph canvas's surface");

    g.SetForeColor(GraphViewColor::Background);
    g.FillRect(0, 0, g.Width(), g.Height());

    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    for (double x = -5.0; !(x > 5.0); x += 1.0) {
        window.XYtoCoordinates(x, -5.0, x1, y1);
        window.XYtoCoordinates(x, 5.0, x2, y2);
        g.SetForeColor(x == 0.0 ? GraphViewColor::Axis : GraphViewColor::Grid);
        g.DrawLine(x1, y1, x2, y2);
    }

    g.SetForeColor(GraphViewColor::Grid);
    for (double y = -5.0; !(y > 5.0); y += 1.0) {
        g.SetForeColor(y == 0.0 ? GraphViewColor::Axis : GraphViewColor::Grid);
        window.XYtoCoordinates(-5.0, y, x1, y1);
        window.XYtoCoordinates(5.0, y, x2, y2);
        g.DrawLine(x1, y1, x2, y2);
    }

    g.SetForeColor(GraphViewColor::Curve);
    double const sure_y = GraphViewSureY(canvas.Width(), canvas.Height());
    bool first_sample = true;
    for (double x = -5.0; !(x > 5.0); x += 0.01) {
        double const y = f(x);
        if (!(std::fabs(y) <= sure_y) && !GraphViewHasPixel(canvas.Width(), canvas.Height(), x, y)) {
            first_sample = true;
            continue;
        }
        window.XYtoCoordinates(x, y, x2, y2);
        if (first_sample)
            first_sample = false;
        else
            g.DrawLine(x1, y1, x2, y2);
        x1 = x2;
        y1 = y2;
    }

    g.SetForeColor(GraphViewColor::Frame);
    g.DrawRect(0, 0, g.Width(), g.Height());
}
