#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/testing/GraphicsRecorder.h"
#include "framework/testing/SurfaceSupport.h"
#include "parabola/GraphView.h"

namespace {

using Testing::GraphicsCall;
using Kind = GraphicsCall::Kind;

// Stands in for a canvas: its size, its surface, and what the view read of it.
struct FakeCanvas {
    std::int32_t width { 560 };
    std::int32_t height { 460 };
    std::shared_ptr<::Graphics> surface { std::make_shared<::Graphics>() };
    std::int32_t const* watched_column { nullptr };
    std::vector<std::int32_t> columns_seen_at_height_read;

    std::int32_t Width() const { return width; }
    std::int32_t Height()
    {
        if (watched_column)
            columns_seen_at_height_read.push_back(*watched_column);
        return height;
    }
    std::shared_ptr<::Graphics> Graphics() const { return surface; }
};

// A graph window as the view sees one, counting its mappings.
struct FakeGraphWindow {
    std::shared_ptr<FakeCanvas> canvas { std::make_shared<FakeCanvas>() };
    int mappings { 0 };

    explicit FakeGraphWindow(std::int32_t width = 560, std::int32_t height = 460)
    {
        canvas->width = width;
        canvas->height = height;
        Testing::ResizeSurface(*canvas->surface, width, height, 1.0);
    }
    FakeCanvas& Graph() const { return *canvas; }
    void XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py)
    {
        ++mappings;
        GraphViewMapping(*this, x, y, px, py);
    }
};

template<class Function>
std::vector<GraphicsCall> RecordDrawing(FakeGraphWindow& window, Function&& f)
{
    return Testing::RecordGraphicsCalls(*window.canvas->surface, [&] { DrawGraphView(window, f); });
}

std::vector<GraphicsCall> CallsOfKind(std::vector<GraphicsCall> const& calls, Kind kind)
{
    std::vector<GraphicsCall> selected;
    for (auto const& call : calls)
        if (call.kind == kind)
            selected.push_back(call);
    return selected;
}

GraphicsCall Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    return { Kind::DrawLine, x1, y1, x2, y2 };
}

struct MappingCase {
    std::int32_t width, height;
    double x, y;
    std::int32_t px, py;
};

MappingCase const mapping_cases[] = {
    { 560, 460, -5.0, -5.0, 0, 460 },
    { 560, 460, 5.0, 5.0, 560, 0 },
    { 560, 460, 0.0, 0.0, 280, 230 },
    { 560, 460, 2.0, 1.0, 392, 184 },
    { 560, 460, 4.999999999999876, 0.0, 560, 230 },
    // Far outside the square the pixel lies off the canvas.
    { 560, 460, 0.0, 100.0, 280, -4370 },
    // 282.5 and 227.5: halfway cases go away from zero.
    { 565, 455, 0.0, 0.0, 283, 227 },
    // 85 * 7 / 10 is 59.5, which rounds to 60; dividing first, 7 / 10 * 85 falls
    // just below and would give column 59 and row 26.
    { 85, 85, 2.0, 2.0, 60, 25 },
};

TEST(GraphViewTest, MappingStretchesTheSquareToTheCanvas)
{
    for (auto const& c : mapping_cases) {
        FakeGraphWindow window(c.width, c.height);
        std::int32_t px = -1, py = -1;
        window.XYtoCoordinates(c.x, c.y, px, py);
        EXPECT_EQ(px, c.px) << c.x << ", " << c.y << " on " << c.width << " x " << c.height;
        EXPECT_EQ(py, c.py) << c.x << ", " << c.y << " on " << c.width << " x " << c.height;
    }
}

TEST(GraphViewTest, MappingStoresTheColumnBeforeReadingTheHeight)
{
    FakeGraphWindow window;
    std::int32_t px = -1, py = -1;
    window.canvas->watched_column = &px;
    window.XYtoCoordinates(2.0, 1.0, px, py);
    EXPECT_EQ(window.canvas->columns_seen_at_height_read, std::vector<std::int32_t> { 392 });
}

struct NoPixelCase {
    char const* what;
    double y;
};

NoPixelCase const no_pixel_cases[] = {
    { "NaN", std::numeric_limits<double>::quiet_NaN() },
    { "infinity", std::numeric_limits<double>::infinity() },
    { "minus infinity", -std::numeric_limits<double>::infinity() },
    { "far above", 1e300 },
    { "far below", -1e12 },
    // The rounded offset fits 32 bits, but the row 460 minus it does not.
    { "row beyond the range", -46684426.7 },
};

TEST(GraphViewTest, PointsWithoutAPixelAreNotConverted)
{
    for (auto const& c : no_pixel_cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(GraphViewHasPixel(560, 460, 0.0, c.y));
        FakeGraphWindow window;
        std::int32_t px = -1, py = -1;
        window.XYtoCoordinates(0.0, c.y, px, py);
        EXPECT_EQ(px, 280);
        EXPECT_EQ(py, -1);
    }
    // Just inside the range a pixel far off the canvas still exists.
    EXPECT_TRUE(GraphViewHasPixel(560, 460, 0.0, 46000000.0));
    EXPECT_TRUE(GraphViewHasPixel(560, 460, 0.0, -46000000.0));
    EXPECT_FALSE(GraphViewHasPixel(560, 460, std::numeric_limits<double>::quiet_NaN(), 0.0));
}

TEST(GraphViewTest, OneDrawingMakesItsCallsInOrder)
{
    FakeGraphWindow window;
    auto const calls = RecordDrawing(window, [](double) { return 0.0; });
    EXPECT_EQ(window.mappings, 1045);

    std::vector<std::int64_t> colors;
    for (auto const& call : CallsOfKind(calls, Kind::ForeColor))
        colors.push_back(call.a);
    std::vector<std::int64_t> const grid_colors { 0xE0E0E0, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0, 0xA0A0A0,
        0xE0E0E0, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0 };
    std::vector<std::int64_t> expected_colors { 0xFFFFFF };
    expected_colors.insert(expected_colors.end(), grid_colors.begin(), grid_colors.end());
    expected_colors.push_back(0xE0E0E0);
    expected_colors.insert(expected_colors.end(), grid_colors.begin(), grid_colors.end());
    expected_colors.push_back(0x000000);
    expected_colors.push_back(0x000000);
    EXPECT_EQ(colors, expected_colors);

    // Background first, frame last, each over the whole surface.
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[1], (GraphicsCall { Kind::FillRect, 0, 0, 560, 460 }));
    EXPECT_EQ(calls.back(), (GraphicsCall { Kind::DrawRect, 0, 0, 560, 460 }));
    EXPECT_EQ(CallsOfKind(calls, Kind::FillRect).size(), 1u);
    EXPECT_EQ(CallsOfKind(calls, Kind::DrawRect).size(), 1u);

    auto const lines = CallsOfKind(calls, Kind::DrawLine);
    ASSERT_EQ(lines.size(), 1022u);
    for (int i = 0; i <= 10; ++i) {
        // Vertical lines from the bottom up, then horizontal ones from the left.
        EXPECT_EQ(lines[i], Line(56 * i, 460, 56 * i, 0)) << "vertical line " << i;
        EXPECT_EQ(lines[11 + i], Line(0, 460 - 46 * i, 560, 460 - 46 * i)) << "horizontal line " << i;
    }
    // f = 0 runs along the horizontal axis, from column 0 to column 560.
    EXPECT_EQ(lines[22].a, 0);
    EXPECT_EQ(lines.back().c, 560);
    for (std::size_t i = 22; i < lines.size(); ++i)
        ASSERT_TRUE(lines[i].b == 230 && lines[i].d == 230) << "segment " << i - 22;
}

TEST(GraphViewTest, CurveSamplesComeFromTheRunningSum)
{
    FakeGraphWindow window;
    std::vector<double> samples;
    RecordDrawing(window, [&samples](double x) {
        samples.push_back(x);
        return 0.0;
    });
    ASSERT_EQ(samples.size(), 1001u);
    EXPECT_EQ(samples.front(), -5.0);
    double running = -5.0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        running += 0.01;
        ASSERT_EQ(samples[i], running);
    }
    EXPECT_NEAR(samples.back(), 4.999999999999876, 1e-15);
}

// Samples 400 to 599 have no pixel: the polyline stops at sample 399 and starts
// again at sample 600, and the missing samples are neither mapped nor drawn.
TEST(GraphViewTest, CurveBreaksAtSamplesWithoutAPixel)
{
    for (auto const& c : no_pixel_cases) {
        SCOPED_TRACE(c.what);
        FakeGraphWindow window;
        int sample = 0;
        auto const calls = RecordDrawing(window, [&sample, &c](double x) {
            int const index = sample++;
            return index >= 400 && index < 600 ? c.y : x;
        });
        EXPECT_EQ(window.mappings, 44 + 801);
        auto const lines = CallsOfKind(calls, Kind::DrawLine);
        ASSERT_EQ(lines.size(), 22u + 399u + 400u);
        for (std::size_t i = 22; i < lines.size(); ++i)
            ASSERT_LE(std::abs(lines[i].c - lines[i].a), 1) << "segment " << i - 22 << " bridges the gap";
        // The last segment before the gap ends at x = -1.01, the first after it
        // starts at x = 1.
        EXPECT_EQ(lines[22 + 398].c, 223);
        EXPECT_EQ(lines[22 + 399].a, 336);
    }
}

TEST(GraphViewTest, CurveResumesAfterAnUnmappableFirstSample)
{
    FakeGraphWindow window;
    bool first = true;
    auto const calls = RecordDrawing(window, [&first](double) {
        bool const was_first = std::exchange(first, false);
        return was_first ? std::numeric_limits<double>::quiet_NaN() : 0.0;
    });
    EXPECT_EQ(CallsOfKind(calls, Kind::DrawLine).size(), 22u + 999u);
}

}
