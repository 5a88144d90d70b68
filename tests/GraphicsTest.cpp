#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <map>
#include <ostream>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/testing/GraphicsRecorder.h"
#include "framework/testing/SurfaceSupport.h"
#include "parabola/GraphView.h"

namespace {

__extension__ typedef __int128 i128;

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Black = 0x000000;

using Point = std::pair<std::int64_t, std::int64_t>;
using PixelSet = std::set<Point>;

std::shared_ptr<Graphics> Surface(std::int32_t width, std::int32_t height, double ratio = 1.0)
{
    auto g = std::make_shared<Graphics>();
    Testing::ResizeSurface(*g, width, height, ratio);
    g->SetForeColor(Black);
    return g;
}

PixelSet DrawnPixels(Graphics const& g)
{
    PixelSet pixels;
    for (std::int32_t y = 0; y < g.Height(); ++y) {
        for (std::int32_t x = 0; x < g.Width(); ++x) {
            if (g.Pixel(x, y) != White)
                pixels.insert({ x, y });
        }
    }
    return pixels;
}

PixelSet LineDrawnOn(std::int32_t width, std::int32_t height, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    auto g = Surface(width, height);
    g->DrawLine(x1, y1, x2, y2);
    return DrawnPixels(*g);
}

PixelSet RectPixels(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
    std::int64_t surface_width, std::int64_t surface_height, bool outline)
{
    PixelSet pixels;
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y < std::min(top + height, surface_height); ++y) {
        for (std::int64_t x = std::max<std::int64_t>(left, 0); x < std::min(left + width, surface_width); ++x) {
            bool border = x == left || x == left + width - 1 || y == top || y == top + height - 1;
            if (!outline || border)
                pixels.insert({ x, y });
        }
    }
    return pixels;
}

std::int64_t FloorDiv(i128 numerator, i128 denominator)
{
    i128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && (numerator < 0) != (denominator < 0))
        --quotient;
    return static_cast<std::int64_t>(quotient);
}

// The line's pixels on a surface, evaluated directly at every visible step of its
// major axis: the pixel nearest the true line, a half going to the smaller minor
// coordinate.
PixelSet ReferenceLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
    std::int64_t width, std::int64_t height)
{
    bool along_x = std::llabs(x2 - x1) >= std::llabs(y2 - y1);
    if (!along_x) {
        std::swap(x1, y1);
        std::swap(x2, y2);
        std::swap(width, height);
    }
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    PixelSet pixels;
    for (std::int64_t a = std::max<std::int64_t>(x1, 0); a <= std::min(x2, width - 1); ++a) {
        std::int64_t b = y1;
        if (x2 != x1)
            b += FloorDiv(i128 { 2 } * (a - x1) * (y2 - y1) + (x2 - x1) - 1, i128 { 2 } * (x2 - x1));
        if (b >= 0 && b < height)
            pixels.insert(along_x ? Point { a, b } : Point { b, a });
    }
    return pixels;
}

// A device image as text, one character a pixel: '.' background, 'g' grid, 'a' axis,
// '#' black, '?' any other colour.
std::vector<std::string> Sketch(Testing::DeviceImage const& image)
{
    std::vector<std::string> rows;
    for (std::int32_t y = 0; y < image.height; ++y) {
        std::string& row = rows.emplace_back();
        for (std::int32_t x = 0; x < image.width; ++x) {
            switch (image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0xFFFFFF) {
            case 0xFFFFFF: row += '.'; break;
            case 0xE0E0E0: row += 'g'; break;
            case 0xA0A0A0: row += 'a'; break;
            case 0x000000: row += '#'; break;
            default: row += '?'; break;
            }
        }
    }
    return rows;
}

TEST(GraphicsTest, FillRectAndDrawRectCoverExactlyTheirArea)
{
    struct Case {
        std::int32_t left, top, width, height;
    };
    Case const cases[] = {
        { 2, 3, 4, 2 },
        { 0, 0, 10, 8 },
        { -5, -5, 7, 7 },
        { 8, 6, 5, 5 },
        { 4, 4, 1, 1 },
        { 1, 2, 6, 1 },
        { 3, 1, 1, 5 },
        { 2, 2, 2, 2 },
        { 0, 0, 0, 5 },
        { 0, 0, 5, -1 },
        { -10, 2, Int32Max, 3 },
        { Int32Max - 1, 0, Int32Max, 1 },
        { Int32Min, Int32Min, Int32Max, Int32Max },
        { Int32Min, 0, Int32Max, Int32Max },
    };
    for (auto const& c : cases) {
        auto fill = Surface(10, 8);
        fill->FillRect(c.left, c.top, c.width, c.height);
        EXPECT_EQ(DrawnPixels(*fill), RectPixels(c.left, c.top, c.width, c.height, 10, 8, false))
            << "FillRect " << c.left << ", " << c.top << ", " << c.width << ", " << c.height;

        auto outline = Surface(10, 8);
        outline->DrawRect(c.left, c.top, c.width, c.height);
        EXPECT_EQ(DrawnPixels(*outline), RectPixels(c.left, c.top, c.width, c.height, 10, 8, true))
            << "DrawRect " << c.left << ", " << c.top << ", " << c.width << ", " << c.height;
    }
}

TEST(GraphicsTest, DrawRectOfTheWholeSurfaceShowsAllFourEdges)
{
    auto g = Surface(560, 460);
    g->DrawRect(0, 0, g->Width(), g->Height());
    for (std::int32_t x = 0; x < 560; ++x) {
        ASSERT_EQ(g->Pixel(x, 0), Black) << x;
        ASSERT_EQ(g->Pixel(x, 459), Black) << x;
    }
    for (std::int32_t y = 0; y < 460; ++y) {
        ASSERT_EQ(g->Pixel(0, y), Black) << y;
        ASSERT_EQ(g->Pixel(559, y), Black) << y;
    }
    EXPECT_EQ(g->Pixel(1, 1), White);
    EXPECT_EQ(g->Pixel(558, 458), White);
}

TEST(GraphicsTest, DrawLineCoversBothEndsInEveryOctantAndIsSymmetric)
{
    struct Case {
        std::int32_t x2, y2;
    };
    // From the centre of a 41 x 41 surface into each octant, along the axes and the
    // diagonals, and with steps that fall exactly halfway between two pixels.
    Case const cases[] = {
        { 30, 23 }, { 23, 30 }, { 17, 30 }, { 10, 23 }, { 10, 17 }, { 17, 10 }, { 23, 10 }, { 30, 17 },
        { 30, 20 }, { 20, 30 }, { 10, 20 }, { 20, 10 }, { 30, 30 }, { 10, 10 }, { 30, 10 }, { 10, 30 },
        { 24, 22 }, { 22, 16 }, { 36, 21 }, { 20, 20 },
    };
    std::int64_t const x1 = 20;
    std::int64_t const y1 = 20;
    for (auto const& c : cases) {
        auto pixels = LineDrawnOn(41, 41, 20, 20, c.x2, c.y2);
        EXPECT_EQ(LineDrawnOn(41, 41, c.x2, c.y2, 20, 20), pixels) << c.x2 << ", " << c.y2 << " reversed";
        EXPECT_EQ(pixels, ReferenceLine(x1, y1, c.x2, c.y2, 41, 41)) << c.x2 << ", " << c.y2;
        EXPECT_TRUE(pixels.contains({ x1, y1 })) << c.x2 << ", " << c.y2;
        EXPECT_TRUE(pixels.contains({ c.x2, c.y2 })) << c.x2 << ", " << c.y2;

        // One pixel per step of the major axis, each within half a pixel of the line.
        std::int64_t const dx = c.x2 - x1;
        std::int64_t const dy = c.y2 - y1;
        bool const along_x = std::llabs(dx) >= std::llabs(dy);
        std::int64_t const major = along_x ? dx : dy;
        std::int64_t const minor = along_x ? dy : dx;
        EXPECT_EQ(pixels.size(), static_cast<std::size_t>(std::llabs(major) + 1)) << c.x2 << ", " << c.y2;
        std::set<std::int64_t> steps;
        for (auto [x, y] : pixels) {
            std::int64_t const n = along_x ? x - x1 : y - y1;
            std::int64_t const off = along_x ? y - y1 : x - x1;
            steps.insert(n);
            if (major != 0) {
                EXPECT_LE(2 * std::llabs(off * major - n * minor), std::llabs(major)) << x << ", " << y;
            }
        }
        EXPECT_EQ(steps.size(), pixels.size()) << c.x2 << ", " << c.y2;
    }
}

TEST(GraphicsTest, FarAwayLinesDrawTheirVisiblePixelsExactly)
{
    struct Case {
        std::int32_t x1, y1, x2, y2;
    };
    Case const cases[] = {
        // Nearly horizontal or vertical, each with an exact half at column or row 0.
        { -2000000000, 40, 2000000000, 41 },
        { -2000000000, 41, 2000000000, 40 },
        { 40, -2000000000, 41, 2000000000 },
        { 41, -2000000000, 40, 2000000000 },
        { -2000000000, -1999999950, 2000000000, 2000000050 },
        { -2000000000, 2000000000, 2000000000, -1999999940 },
        // Falling lines that come in through the bottom and the right edge.
        { -2000000000, 2000000110, 2000000000, -1999999890 },
        { 2000000105, -2000000000, -1999999895, 2000000001 },
        { Int32Min, Int32Min, Int32Max, Int32Max },
        { Int32Max, Int32Min, Int32Min, Int32Max },
        { 50, Int32Min, 30, Int32Max },
        { Int32Min, 70, Int32Max, -20 },
        { -1999999999, 3, 77, 79 },
        { -100000, -37, 100123, 91 },
        { -2000000000, -5, 2000000000, -5 },
        { Int32Min, Int32Min, Int32Min, Int32Max },
    };
    for (auto const& c : cases) {
        auto const expected = ReferenceLine(c.x1, c.y1, c.x2, c.y2, 100, 80);
        EXPECT_EQ(LineDrawnOn(100, 80, c.x1, c.y1, c.x2, c.y2), expected)
            << c.x1 << ", " << c.y1 << ", " << c.x2 << ", " << c.y2;
        EXPECT_EQ(LineDrawnOn(100, 80, c.x2, c.y2, c.x1, c.y1), expected)
            << c.x2 << ", " << c.y2 << ", " << c.x1 << ", " << c.y1;
    }
    // The reference itself crosses the surface where these lines are expected to.
    EXPECT_TRUE(ReferenceLine(-2000000000, 40, 2000000000, 41, 100, 80).contains({ 0, 40 }));
    EXPECT_TRUE(ReferenceLine(-2000000000, 40, 2000000000, 41, 100, 80).contains({ 1, 41 }));
    EXPECT_TRUE(ReferenceLine(Int32Min, Int32Min, Int32Max, Int32Max, 100, 80).contains({ 79, 79 }));
    EXPECT_EQ(ReferenceLine(50, Int32Min, 30, Int32Max, 100, 80).size(), 80u);
}

TEST(GraphicsTest, DenseScreenKeepsTheRatioOnePictureWithEvenLines)
{
    // The ratio-1 surface is the reference: every logical pixel must read as it does
    // there, and at ratio 2 every device pixel must carry the colour of the logical
    // pixel whose block holds it.
    auto draw = [](Graphics& g) {
        g.SetForeColor(0xFFFFFF);
        g.FillRect(0, 0, g.Width(), g.Height());
        g.SetForeColor(0xE0E0E0);
        g.DrawLine(0, 6, 7, 6);
        g.SetForeColor(0xA0A0A0);
        g.DrawLine(3, 7, 3, 0);
        g.SetForeColor(0x000000);
        g.DrawLine(-20, -9, 40, 20);
        g.FillRect(5, 1, 2, 2);
        g.DrawRect(0, 0, g.Width(), g.Height());
    };
    auto reference = Surface(7, 7);
    draw(*reference);

    // At 1.25 the blocks are 1, 1, 1, 2, 1, 1, 2 device pixels and lines are 1 thick,
    // in the later pixel of a 2-pixel block; a step of the diagonal into such a block
    // takes the pixel between, so the line stays connected. At 1.5 the blocks are 1,
    // 2, 1, 2, 1, 2, 2 and lines are 2 thick, reaching from a 1-pixel block into the
    // next. The fill of (5, 1, 2, 2) covers its whole blocks.
    std::map<double, std::vector<std::string>> const fractional {
        { 1.25,
            {
                "#########",
                "##..a.###",
                "#.###.###",
                "#...a#..#",
                "#...a##.#",
                "#...a..##",
                "#...a...#",
                "#...a...#",
                "#########",
            } },
        { 1.5,
            {
                "###########",
                "###########",
                "###.aa.####",
                "##.###.####",
                "##.########",
                "##..aa#####",
                "##..aa...##",
                "##..aa...##",
                "##..aa...##",
                "###########",
                "###########",
            } },
    };

    for (double ratio : { 2.0, 1.5, 1.25 }) {
        auto g = Surface(7, 7, ratio);
        auto const device = Testing::DeviceImageOf(*g);
        EXPECT_EQ(device.ratio, ratio);
        EXPECT_EQ(device.width, std::lround(7 * ratio));
        EXPECT_EQ(device.height, std::lround(7 * ratio));
        draw(*g);
        for (std::int32_t y = 0; y < 7; ++y) {
            for (std::int32_t x = 0; x < 7; ++x)
                EXPECT_EQ(g->Pixel(x, y), reference->Pixel(x, y)) << ratio << ": " << x << ", " << y;
        }
        if (auto const picture = fractional.find(ratio); picture != fractional.end()) {
            EXPECT_EQ(Sketch(device), picture->second) << ratio;
            continue;
        }
        for (std::int32_t dy = 0; dy < device.height; ++dy) {
            for (std::int32_t dx = 0; dx < device.width; ++dx) {
                std::uint32_t const pixel = device.pixels[static_cast<std::size_t>(dy * device.width + dx)];
                EXPECT_EQ(pixel, 0xFF000000 | reference->Pixel(dx / 2, dy / 2)) << ratio << ": " << dx << ", " << dy;
            }
        }
    }
}

// Stands in for a graph window, so that the graph view draws its whole picture on a
// bare surface.
struct SurfaceCanvas {
    std::shared_ptr<::Graphics> surface;
    std::int32_t Width() const { return surface->Width(); }
    std::int32_t Height() const { return surface->Height(); }
    std::shared_ptr<::Graphics> Graphics() const { return surface; }
};

struct SurfaceGraphWindow {
    SurfaceCanvas canvas;
    SurfaceCanvas& Graph() { return canvas; }
    void XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py) { GraphViewMapping(*this, x, y, px, py); }
};

struct ColorRun {
    std::uint32_t color;
    std::int32_t length;
    bool operator==(ColorRun const&) const = default;
    friend void PrintTo(ColorRun const& run, std::ostream* out) { *out << std::hex << run.color << std::dec << " x " << run.length; }
};

// The runs of equal colour along a device row (step 1) or column (step the width).
std::vector<ColorRun> RunsAlong(Testing::DeviceImage const& image, std::size_t first, std::size_t step, std::int32_t count)
{
    std::vector<ColorRun> runs;
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint32_t const color = image.pixels[first + static_cast<std::size_t>(i) * step] & 0xFFFFFF;
        if (runs.empty() || runs.back().color != color)
            runs.push_back({ color, 0 });
        ++runs.back().length;
    }
    return runs;
}

// How many device pixels of that colour are 8-connected to the one at (x, y), within
// the image less a margin all round.
std::size_t ConnectedPixels(Testing::DeviceImage const& image, std::int32_t margin, std::int64_t x, std::int64_t y)
{
    auto const index = [&](std::int64_t px, std::int64_t py) { return static_cast<std::size_t>(py * image.width + px); };
    std::uint32_t const color = image.pixels[index(x, y)];
    std::vector<bool> seen(image.pixels.size());
    std::vector<Point> open { { x, y } };
    seen[index(x, y)] = true;
    std::size_t count = 0;
    while (!open.empty()) {
        auto const [cx, cy] = open.back();
        open.pop_back();
        ++count;
        for (std::int64_t ny = std::max<std::int64_t>(cy - 1, margin); ny <= std::min<std::int64_t>(cy + 1, image.height - margin - 1); ++ny) {
            for (std::int64_t nx = std::max<std::int64_t>(cx - 1, margin); nx <= std::min<std::int64_t>(cx + 1, image.width - margin - 1); ++nx) {
                if (!seen[index(nx, ny)] && image.pixels[index(nx, ny)] == color) {
                    seen[index(nx, ny)] = true;
                    open.push_back({ nx, ny });
                }
            }
        }
    }
    return count;
}

// The graph view's whole picture on the canvas's first size, at the common scale
// factors: every grid line, both axes and the frame's four sides are the same whole
// number of device pixels, the ratio rounded (halves up), and the picture keeps the
// view's four colours. Ratios 1, 2 and 3 stay whole blocks of the ratio-1 picture.
TEST(GraphicsTest, GraphViewLinesAreEvenAtEveryRatio)
{
    auto const draw = [](double ratio, double (*f)(double)) {
        SurfaceGraphWindow window { { Surface(560, 460, ratio) } };
        DrawGraphView(window, f);
        return window.canvas.surface;
    };
    // A curve that keeps clear of the lines where they are measured: rows at
    // y = 4.5, 2.5, -2.5 and -4.5, columns at x = -3.5, -2.5, 2.5 and 3.5.
    auto const curve = [](double x) { return x * x / 10.0 - 2.0; };
    std::int32_t const measured_rows[] = { 23, 115, 345, 437 };
    std::int32_t const measured_columns[] = { 84, 140, 420, 476 };
    // Every curve meets the frame somewhere; the frame's sides are measured along
    // their whole length with the curve above the canvas.
    auto const curve_above = [](double) { return 100.0; };
    auto const logical = draw(1.0, curve);

    for (double ratio : { 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0 }) {
        SCOPED_TRACE(ratio);
        auto const g = draw(ratio, curve);
        auto const device = Testing::DeviceImageOf(*g);
        auto const stride = static_cast<std::size_t>(device.width);
        std::int32_t const thickness = std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(ratio)));
        ColorRun const grid { 0xE0E0E0, thickness };
        ColorRun const axis { 0xA0A0A0, thickness };
        std::vector<ColorRun> const lines { grid, grid, grid, grid, axis, grid, grid, grid, grid };
        auto const lines_of = [](std::vector<ColorRun> const& runs) {
            std::vector<ColorRun> selected;
            std::copy_if(runs.begin(), runs.end(), std::back_inserter(selected),
                [](ColorRun const& run) { return run.color == 0xE0E0E0 || run.color == 0xA0A0A0; });
            return selected;
        };
        // The middle device pixel of a logical pixel's block.
        auto const middle = [ratio](std::int32_t i) { return static_cast<std::size_t>(std::floor((i + 0.5) * ratio)); };

        std::set<std::uint32_t> const colors(device.pixels.begin(), device.pixels.end());
        EXPECT_EQ(colors, (std::set<std::uint32_t> { 0xFF000000, 0xFFA0A0A0, 0xFFE0E0E0, 0xFFFFFFFF }));
        for (std::int32_t row : measured_rows)
            EXPECT_EQ(lines_of(RunsAlong(device, middle(row) * stride, 1, device.width)), lines) << "row " << row;
        for (std::int32_t column : measured_columns)
            EXPECT_EQ(lines_of(RunsAlong(device, middle(column), stride, device.height)), lines) << "column " << column;

        // The curve is one piece, however its steps fall on the blocks.
        std::size_t curve_pixels = 0;
        Point curve_pixel;
        for (std::int32_t y = thickness; y < device.height - thickness; ++y) {
            for (std::int32_t x = thickness; x < device.width - thickness; ++x) {
                if (device.pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] == 0xFF000000) {
                    ++curve_pixels;
                    curve_pixel = { x, y };
                }
            }
        }
        EXPECT_EQ(ConnectedPixels(device, thickness, curve_pixel.first, curve_pixel.second), curve_pixels);

        if (ratio == std::floor(ratio)) {
            auto const block = static_cast<std::int32_t>(ratio);
            for (std::int32_t y = 0; y < device.height; ++y) {
                for (std::int32_t x = 0; x < device.width; ++x) {
                    ASSERT_EQ(device.pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)],
                        0xFF000000 | logical->Pixel(x / block, y / block))
                        << x << ", " << y;
                }
            }
        }

        // Each side along its whole length, between the other two: the widths it has.
        auto const framed = draw(ratio, curve_above);
        auto const frame_only = Testing::DeviceImageOf(*framed);
        auto const side = [](ColorRun const& run) { return run.color == Black ? run.length : 0; };
        std::set<std::int32_t> left, right, top, bottom;
        for (std::int32_t y = thickness; y < frame_only.height - thickness; ++y) {
            auto const runs = RunsAlong(frame_only, static_cast<std::size_t>(y) * stride, 1, frame_only.width);
            left.insert(side(runs.front()));
            right.insert(side(runs.back()));
        }
        for (std::int32_t x = thickness; x < frame_only.width - thickness; ++x) {
            auto const runs = RunsAlong(frame_only, static_cast<std::size_t>(x), stride, frame_only.height);
            top.insert(side(runs.front()));
            bottom.insert(side(runs.back()));
        }
        std::set<std::int32_t> const even { thickness };
        EXPECT_EQ(left, even);
        EXPECT_EQ(right, even);
        EXPECT_EQ(top, even);
        EXPECT_EQ(bottom, even);
    }
}

TEST(GraphicsTest, ResizeClearsTheSurfaceToWhite)
{
    auto g = Surface(4, 3);
    g->FillRect(0, 0, 4, 3);
    Testing::ResizeSurface(*g, 5, 2, 2.0);
    EXPECT_EQ(g->Width(), 5);
    EXPECT_EQ(g->Height(), 2);
    EXPECT_TRUE(DrawnPixels(*g).empty());
    auto const device = Testing::DeviceImageOf(*g);
    for (std::int32_t i = 0; i < device.width * device.height; ++i)
        ASSERT_EQ(device.pixels[static_cast<std::size_t>(i)], 0xFFFFFFFFu) << i;
}

TEST(GraphicsTest, RecordsEveryCallAsGivenOnlyWhileRecording)
{
    auto const draw = [](Graphics& g) {
        g.SetForeColor(0xE0E0E0);
        g.DrawLine(-5, 2000000000, 560, 0);
        g.FillRect(0, 0, -3, 4);
        g.DrawRect(0, 0, 10, 10);
    };
    auto g = Surface(10, 10);
    g->DrawLine(0, 0, 1, 1);
    auto const calls = Testing::RecordGraphicsCalls(*g, [&] { draw(*g); });
    EXPECT_EQ(Testing::ObserverOf(*g), nullptr);
    g->FillRect(0, 0, 1, 1);

    using Testing::GraphicsCall;
    std::vector<GraphicsCall> const expected {
        { GraphicsCall::Kind::ForeColor, 0xE0E0E0, 0, 0, 0 },
        { GraphicsCall::Kind::DrawLine, -5, 2000000000, 560, 0 },
        { GraphicsCall::Kind::FillRect, 0, 0, -3, 4 },
        { GraphicsCall::Kind::DrawRect, 0, 0, 10, 10 },
    };
    EXPECT_EQ(calls, expected);

    // Recording leaves the drawing itself as it is.
    auto unrecorded = Surface(10, 10);
    unrecorded->DrawLine(0, 0, 1, 1);
    draw(*unrecorded);
    unrecorded->FillRect(0, 0, 1, 1);
    auto const device = Testing::DeviceImageOf(*g);
    auto const pixel_count = static_cast<std::size_t>(device.width * device.height);
    EXPECT_TRUE(std::equal(device.pixels.begin(), device.pixels.begin() + pixel_count, Testing::DeviceImageOf(*unrecorded).pixels.begin()));
}

// A second recorder would take the calls from the first without a word.
TEST(GraphicsTest, OneRecorderAtATime)
{
    auto g = Surface(10, 10);
    Testing::GraphicsRecorder recorder(*g);
    EXPECT_THROW(Testing::GraphicsRecorder { *g }, std::logic_error);
    g->FillRect(0, 0, 1, 1);
    EXPECT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(Testing::ObserverOf(*g), &recorder);
}

TEST(GraphicsTest, ListenerHearsOfEveryDrawingAfterItsPixelsChanged)
{
    auto g = Surface(4, 4);
    std::vector<std::uint32_t> seen;
    Testing::ListenForChanges(*g, [&] { seen.push_back(g->Pixel(1, 1)); });
    g->SetForeColor(0x123456);
    g->FillRect(1, 1, 1, 1);
    g->SetForeColor(0xA0A0A0);
    g->DrawLine(0, 0, 3, 3);
    g->SetForeColor(0x000000);
    g->DrawRect(1, 1, 1, 1);
    EXPECT_EQ(seen, (std::vector<std::uint32_t> { 0x123456, 0xA0A0A0, 0x000000 }));
}

TEST(GraphicsTest, ZeroSizeSurfaceDrawsNothingAndFailsNothing)
{
    for (auto [width, height] : { Point { 0, 0 }, Point { 0, 5 }, Point { 5, 0 }, Point { -3, -4 } }) {
        auto g = Surface(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 2.0);
        EXPECT_EQ(g->Width(), std::max<std::int64_t>(width, 0));
        EXPECT_EQ(g->Height(), std::max<std::int64_t>(height, 0));
        auto const device = Testing::DeviceImageOf(*g);
        EXPECT_EQ(std::int64_t { device.width } * device.height, 0);
        g->FillRect(0, 0, g->Width(), g->Height());
        g->FillRect(Int32Min, Int32Min, Int32Max, Int32Max);
        g->DrawRect(0, 0, 10, 10);
        g->DrawLine(0, 0, 0, 0);
        g->DrawLine(Int32Min, Int32Min, Int32Max, Int32Max);
        EXPECT_EQ(g->Pixel(0, 0), 0u);
    }
}

}
