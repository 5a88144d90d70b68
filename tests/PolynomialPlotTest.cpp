#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/testing/GraphicsRecorder.h"
#include "framework/testing/SurfaceSupport.h"
#include "framework/testing/TestSupport.h"
#include "tests/PolynomialWindowFixture.h"

namespace {

constexpr std::uint32_t Black = 0x000000;

struct Point {
    double x, y;
};

using Curve = std::function<double(double)>;

// The curve through the view's samples in canvas coordinates, not rounded: what the
// drawn polyline stands for.
std::vector<Point> ExactPolyline(Curve const& f, std::int32_t width, std::int32_t height)
{
    std::vector<Point> points;
    for (double x = -5.0; !(x > 5.0); x += 0.01)
        points.push_back({ width * (x + 5.0) / 10.0, height - height * (f(x) + 5.0) / 10.0 });
    return points;
}

double DistanceToSegment(Point p, Point a, Point b)
{
    double const dx = b.x - a.x, dy = b.y - a.y;
    double const length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The part of a segment inside the box, by Liang and Barsky; false when none.
bool Clip(Point& a, Point& b, double left, double top, double right, double bottom)
{
    double t0 = 0.0, t1 = 1.0;
    double const dx = b.x - a.x, dy = b.y - a.y;
    auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        double const t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, a.x - left) || !edge(dx, right - a.x) || !edge(-dy, a.y - top) || !edge(dy, bottom - a.y))
        return false;
    Point const start { a.x + t0 * dx, a.y + t0 * dy };
    b = { a.x + t1 * dx, a.y + t1 * dy };
    a = start;
    return true;
}

bool BlackNear(Graphics const& g, std::int32_t x, std::int32_t y, std::int32_t reach)
{
    for (std::int32_t row = y - reach; row <= y + reach; ++row)
        for (std::int32_t column = x - reach; column <= x + reach; ++column)
            if (g.Pixel(column, row) == Black)
                return true;
    return false;
}

// Inside the frame, the only black is the curve: every black pixel lies on the exact
// polyline, up to the rounding of the segments' ends, and every part of a segment
// that crosses the canvas is drawn, however far away its ends lie.
void ExpectCurveDrawn(Graphics const& g, Curve const& f)
{
    std::int32_t const width = g.Width(), height = g.Height();
    auto const polyline = ExactPolyline(f, width, height);
    double const left = 1.0, top = 1.0, right = width - 2.0, bottom = height - 2.0;

    int stray = 0;
    for (std::int32_t row = 1; row < height - 1; ++row) {
        for (std::int32_t column = 1; column < width - 1; ++column) {
            if (g.Pixel(column, row) != Black)
                continue;
            Point const p { static_cast<double>(column), static_cast<double>(row) };
            bool on_curve = false;
            for (std::size_t i = 1; i < polyline.size() && !on_curve; ++i)
                on_curve = DistanceToSegment(p, polyline[i - 1], polyline[i]) <= 1.6;
            if (!on_curve && ++stray <= 5)
                ADD_FAILURE() << "black pixel off the curve at (" << column << ", " << row << ")";
        }
    }

    int missing = 0;
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        Point a = polyline[i - 1], b = polyline[i];
        if (!Clip(a, b, left, top, right, bottom))
            continue;
        double const length = std::hypot(b.x - a.x, b.y - a.y);
        int const steps = static_cast<int>(length * 2.0) + 1;
        for (int s = 0; s <= steps; ++s) {
            double const t = static_cast<double>(s) / steps;
            auto const x = static_cast<std::int32_t>(std::lround(a.x + t * (b.x - a.x)));
            auto const y = static_cast<std::int32_t>(std::lround(a.y + t * (b.y - a.y)));
            if (!BlackNear(g, x, y, 2) && ++missing <= 5)
                ADD_FAILURE() << "segment " << i << " not drawn at (" << x << ", " << y << ")";
        }
    }
}

class PolynomialPlotTest : public PolynomialWindowTest { };

std::vector<std::uint32_t> Pixels(Graphics const& g)
{
    auto const image = Testing::DeviceImageOf(g);
    return { image.pixels.begin(), image.pixels.end() };
}

TEST_F(PolynomialPlotTest, NewWindowDrawsTheHorizontalAxisInBlack)
{
    auto const window = OpenWindow();
    auto const& g = *window->Graph().Graphics();
    for (std::int32_t column = 1; column < 559; ++column)
        ASSERT_EQ(g.Pixel(column, 230), Black) << column;
    EXPECT_EQ(g.Pixel(100, 229), 0xFFFFFFu);
    EXPECT_EQ(g.Pixel(280, 229), 0xA0A0A0u);
    ExpectCurveDrawn(g, [](double) { return 0.0; });
}

// a = 1, b = 0 draws the diagonal; the same sliders by roots draw y = x - 1.
TEST_F(PolynomialPlotTest, DiagonalAndTheLineOneUnitToTheRight)
{
    auto const window = OpenWindow();
    window->ValueSlider(0).SetValue(20);
    auto const& g = *window->Graph().Graphics();
    EXPECT_EQ(g.Pixel(28, 437), Black);
    EXPECT_EQ(g.Pixel(280, 230), Black);
    EXPECT_EQ(g.Pixel(420, 115), Black);
    EXPECT_TRUE(BlackNear(g, 2, 458, 1));
    EXPECT_TRUE(BlackNear(g, 557, 3, 1));
    ExpectCurveDrawn(g, [](double x) { return x; });

    Testing::ChoosePopupRow(window->ModeMenu(), 1);
    EXPECT_EQ(g.Pixel(336, 230), Black);
    EXPECT_EQ(g.Pixel(280, 276), Black);
    EXPECT_EQ(g.Pixel(280, 230), 0xA0A0A0u);
    ExpectCurveDrawn(g, [](double x) { return x - 1.0; });
}

// Roots 2 and -3: the curve crosses the axis at columns 392 and 112 and opens upwards,
// its vertex at (-0.5, -6.25) below the canvas.
TEST_F(PolynomialPlotTest, QuadraticRootsCrossTheAxis)
{
    auto const window = OpenWindow();
    Choose(*window, 1, 1);
    window->ValueSlider(0).SetValue(40);
    window->ValueSlider(1).SetValue(-60);
    auto const& g = *window->Graph().Graphics();
    EXPECT_EQ(g.Pixel(392, 230), Black);
    EXPECT_EQ(g.Pixel(112, 230), Black);
    EXPECT_EQ(g.Pixel(336, 414), Black);
    EXPECT_EQ(g.Pixel(168, 414), Black);
    for (std::int32_t row = 1; row < 459; ++row)
        EXPECT_NE(g.Pixel(252, row), Black) << row;
    ExpectCurveDrawn(g, [](double x) { return (x - 2.0) * (x + 3.0); });
}

// Choosing "Linear" hides members 2 to 5 with their positions; "Quintic" again draws
// the former curve pixel for pixel.
TEST_F(PolynomialPlotTest, ChangingTheOrderKeepsTheCurve)
{
    auto const window = OpenWindow();
    Testing::ChoosePopupRow(window->OrderMenu(), 4);
    SetPositions(*window, { 4, -10, -20, 30, 40, -60 });
    auto const& g = *window->Graph().Graphics();
    auto const quintic = Pixels(g);
    ExpectCurveDrawn(g, [](double x) { return 0.2 * std::pow(x, 5) - 0.5 * std::pow(x, 4) - std::pow(x, 3) + 1.5 * x * x + 2 * x - 3; });

    Testing::ChoosePopupRow(window->OrderMenu(), 0);
    ExpectCurveDrawn(g, [](double x) { return 0.2 * x - 0.5; });
    Testing::ChoosePopupRow(window->OrderMenu(), 4);
    EXPECT_EQ(Pixels(g), quintic);
}

// The largest values the sliders give, 19530 by coefficients and 100000 by roots,
// map far beyond the canvas; only the parts of those segments that cross it show,
// at their own pixels, on the first canvas and on a large one.
TEST_F(PolynomialPlotTest, FarValuesDrawOnlyTheirVisibleParts)
{
    struct Case {
        char const* what;
        std::int32_t mode;
        std::array<std::int32_t, 6> positions;
        Curve f;
    };
    Case const cases[] = {
        { "alternating coefficients", 0, { 100, -100, 100, -100, 100, -100 },
            [](double x) { return 5 * std::pow(x, 5) - 5 * std::pow(x, 4) + 5 * std::pow(x, 3) - 5 * x * x + 5 * x - 5; } },
        { "coefficients 5", 0, { 100, 100, 100, 100, 100, 100 },
            [](double x) { return 5 * std::pow(x, 5) + 5 * std::pow(x, 4) + 5 * std::pow(x, 3) + 5 * x * x + 5 * x + 5; } },
        { "roots 5", 1, { 100, 100, 100, 100, 100, 100 }, [](double x) { return std::pow(x - 5, 5); } },
        { "roots -5", 1, { -100, -100, -100, -100, -100, -100 }, [](double x) { return std::pow(x + 5, 5); } },
        { "roots -5 to 5", 1, { -100, -50, 0, 50, 100, 0 },
            [](double x) { return (x + 5) * (x + 2.5) * x * (x - 2.5) * (x - 5); } },
    };
    struct Size {
        std::int32_t window_width, window_height;
    };
    // Canvases of 560 x 460 and 3840 x 2160.
    Size const sizes[] = { { 600, 720 }, { 3880, 2420 } };

    for (auto const& size : sizes) {
        auto const window = OpenWindow();
        Testing::ResizeAsUser(*window, size.window_width, size.window_height);
        Testing::ProcessEvents();
        Testing::ChoosePopupRow(window->OrderMenu(), 4);
        for (auto const& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " on " + std::to_string(window->Graph().Width()));
            Testing::ChoosePopupRow(window->ModeMenu(), c.mode);
            SetPositions(*window, c.positions);
            Testing::RaisePaint(window->Graph());
            ExpectCurveDrawn(*window->Graph().Graphics(), c.f);
        }
    }
}

// The far ends reach DrawLine as they are: y = -19530 at x = -5 is row 898610.
TEST_F(PolynomialPlotTest, FarSampleReachesTheSurfaceUnclipped)
{
    auto const window = OpenWindow();
    Testing::ChoosePopupRow(window->OrderMenu(), 4);
    SetPositions(*window, { 100, -100, 100, -100, 100, -100 });
    auto const surface = window->Graph().Graphics();
    std::vector<Testing::GraphicsCall> lines;
    for (auto const& call : Testing::RecordGraphicsCalls(*surface, [&] { Testing::RaisePaint(window->Graph()); }))
        if (call.kind == Testing::GraphicsCall::Kind::DrawLine)
            lines.push_back(call);
    ASSERT_EQ(lines.size(), 1022u);
    // The first curve segment follows the 22 grid lines.
    EXPECT_EQ(lines[22].a, 0);
    EXPECT_EQ(lines[22].b, 898610);
}

}
