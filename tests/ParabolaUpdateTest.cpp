#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "ParabolaWindowFixture.h"

namespace {

class ParabolaUpdateTest : public ParabolaWindowTest { };

struct UpdateCase {
    bool vertex_form;
    std::int32_t a, h, k;
    char const* a_text;
    char const* h_text;
    char const* k_text;
    char const* formula;
    double stored_h, stored_k;
    // A pixel that the curve passes through, or none (-1) when the vertex is off the
    // canvas.
    std::int32_t curve_column { -1 }, curve_row { -1 };
};

// The curve pixels are the vertex's but for the polynomial whose vertex (-50, -125)
// lies far off the canvas: that curve passes through the origin.
UpdateCase const update_cases[] = {
    { true, 0, 0, 0, "a = 0", "h = 0", "k = 0", "y = 0 * (x  + 0) ^ 2  + 0", 0.0, 0.0, 100, 230 },
    { true, 30, -40, 0, "a = 1.5", "h = -2", "k = 0", "y = 1.5 * (x  + 2) ^ 2  + 0", -2.0, 0.0, 168, 230 },
    { true, 20, 40, -20, "a = 1", "h = 2", "k = -1", "y = 1 * (x  - 2) ^ 2  - 1", 2.0, -1.0, 392, 276 },
    { false, 20, -40, 20, "a = 1", "b = -2", "c = 1", "y = 1 * x^2  - 2 * x + 1", 1.0, 0.0, 336, 230 },
    { false, 10, 20, 0, "a = 0.5", "b = 1", "c = 0", "y = 0.5 * x^2  + 1 * x + 0", -1.0, -0.5, 224, 253 },
    { false, 1, 100, 0, "a = 0.05", "b = 5", "c = 0", "y = 0.05 * x^2  + 5 * x + 0", -50.0, -125.0, 280, 230 },
    { false, 40, -80, 20, "a = 2", "b = -4", "c = 1", "y = 2 * x^2  - 4 * x + 1", 1.0, -1.0, 336, 276 },
    { false, -100, -100, 26, "a = -5", "b = -5", "c = 1.3", "y = -5 * x^2  - 5 * x + 1.3", -0.5, 2.55, 252, 113 },
    // Positions beyond the range, as a form switch may write them, read the same way.
    { true, 20, -120, 180, "a = 1", "h = -6", "k = 9", "y = 1 * (x  + 6) ^ 2  + 9", -6.0, 9.0 },
};

TEST_F(ParabolaUpdateTest, LabelsEquationAndVertexInBothForms)
{
    auto window = OpenWindow();
    for (auto const& c : update_cases) {
        SCOPED_TRACE(c.formula);
        Prepare(*window, c.vertex_form, c.a, c.h, c.k);
        EXPECT_EQ(window->AValue().Text(), c.a_text);
        EXPECT_EQ(window->HValue().Text(), c.h_text);
        EXPECT_EQ(window->KValue().Text(), c.k_text);
        EXPECT_EQ(window->Formula().Text(), c.formula);
        EXPECT_EQ(window->a, c.a * 5 / 100.0);
        EXPECT_EQ(window->h, c.stored_h);
        EXPECT_EQ(window->k, c.stored_k);
        if (c.curve_column >= 0) {
            EXPECT_EQ(PixelAt(*window, c.curve_column, c.curve_row), 0x000000u) << "the curve at " << c.curve_column << ", " << c.curve_row;
        }
    }
}

TEST_F(ParabolaUpdateTest, KnownParabolaOverGridAxesAndFrame)
{
    auto window = OpenWindow();
    Prepare(*window, true, 20, 40, 20);

    EXPECT_EQ(PixelAt(*window, 392, 184), 0x000000u) << "the vertex";
    EXPECT_EQ(PixelAt(*window, 392, 183), 0xE0E0E0u) << "grid line x = 2 above the vertex";
    EXPECT_EQ(PixelAt(*window, 392, 185), 0xE0E0E0u) << "grid line x = 2 below the vertex";
    EXPECT_EQ(PixelAt(*window, 30, 100), 0xFFFFFFu) << "background";
    EXPECT_EQ(PixelAt(*window, 56, 100), 0xE0E0E0u) << "vertical grid line";
    EXPECT_EQ(PixelAt(*window, 30, 46), 0xE0E0E0u) << "horizontal grid line";
    EXPECT_EQ(PixelAt(*window, 280, 300), 0xA0A0A0u) << "vertical axis";
    EXPECT_EQ(PixelAt(*window, 30, 230), 0xA0A0A0u) << "horizontal axis";
    // Horizontal lines come after the vertical ones: the grid crosses the vertical
    // axis in its own colour, the horizontal axis crosses every vertical line.
    EXPECT_EQ(PixelAt(*window, 280, 92), 0xE0E0E0u);
    EXPECT_EQ(PixelAt(*window, 56, 230), 0xA0A0A0u);
    EXPECT_EQ(PixelAt(*window, 0, 100), 0x000000u) << "frame, left";
    EXPECT_EQ(PixelAt(*window, 559, 100), 0x000000u) << "frame, right";
    EXPECT_EQ(PixelAt(*window, 100, 0), 0x000000u) << "frame, top";
    EXPECT_EQ(PixelAt(*window, 100, 459), 0x000000u) << "frame, bottom";
    // x = 1 and x = 3 give y = 2: columns 336 and 448, row 138.
    EXPECT_EQ(PixelAt(*window, 336, 138), 0x000000u);
    EXPECT_EQ(PixelAt(*window, 448, 138), 0x000000u);
}

// In polynomial form a = 0 leaves no vertex: the curve is the line y = b x + c that
// the labels and the equation show, and nothing without a pixel is converted.
TEST_F(ParabolaUpdateTest, PolynomialFormWithoutLeadingCoefficientDrawsTheLine)
{
    auto window = OpenWindow();
    struct LineCase {
        std::int32_t b, c;
        char const* formula;
        std::int32_t column, row;  // a pixel of the line
    } const cases[] = {
        { 20, 20, "y = 0 * x^2  + 1 * x + 1", 168, 276 },  // x = -2, y = -1
        { 0, 20, "y = 0 * x^2  + 0 * x + 1", 100, 184 },   // y = 1
        { 0, 0, "y = 0 * x^2  + 0 * x + 0", 100, 230 },    // the horizontal axis
        { -100, 0, "y = 0 * x^2  - 5 * x + 0", 280, 230 }, // through the origin
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.formula);
        Prepare(*window, false, 0, c.b, c.c);
        int drawings = 0;
        int lines = 0;
        for (auto const& call : Record(*window, [&] { window->UpdateGraph(); })) {
            drawings += call.kind == Testing::GraphicsCall::Kind::FillRect;
            lines += call.kind == Testing::GraphicsCall::Kind::DrawLine;
        }
        EXPECT_EQ(window->Formula().Text(), c.formula);
        EXPECT_EQ(window->AValue().Text(), "a = 0");
        EXPECT_FALSE(std::isfinite(window->h) && std::isfinite(window->k));
        // One drawing: 22 grid lines and the 1000 segments between the 1001 samples.
        EXPECT_EQ(drawings, 1);
        EXPECT_EQ(lines, 1022);
        EXPECT_EQ(PixelAt(*window, c.column, c.row), 0x000000u);
    }
}

}
