#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "ParabolaWindowFixture.h"

namespace {

class ParabolaFormsTest : public ParabolaWindowTest { };

enum class Command { PolynomialForm, VertexForm };

struct FormCase {
    char const* what;
    bool vertex_form;
    std::int32_t a, h, k;
    Command command;
    std::int32_t new_h, new_k;
};

FormCase const form_cases[] = {
    { "vertex to polynomial", true, 40, 20, -20, Command::PolynomialForm, -80, 20 },
    { "polynomial to vertex", false, 40, -80, 20, Command::VertexForm, 20, -20 },
    { "positions beyond the slider range", true, 20, 60, 0, Command::PolynomialForm, -120, 180 },
    { "vertex form taken as b and c", true, 20, 40, 20, Command::VertexForm, -20, 0 },
    { "polynomial form again", false, 40, -80, 20, Command::PolynomialForm, -80, 20 },
    // 25.999999999999996 and -96.99999999999999 go to the nearest position.
    { "c a hair below 26", false, -100, -100, 26, Command::PolynomialForm, -100, 26 },
    { "h a hair above -97", false, -10, -97, 0, Command::VertexForm, -97, 235 },
    // Doubles on a tie or a hair from one: the same arithmetic in another order, or
    // a rounding of its own before the conversion, lands one position away.
    { "H a hair past a tie, polynomial form", true, -45, -13, 0, Command::PolynomialForm, -59, -19 },
    { "H on a tie, polynomial form", true, -31, -15, 0, Command::PolynomialForm, -46, -17 },
    { "K a hair past a tie, polynomial form", true, 24, -35, -15, Command::PolynomialForm, 84, 59 },
    { "K on a tie, polynomial form", true, 18, 30, 6, Command::PolynomialForm, -54, 46 },
    { "H a hair past a tie, vertex form", false, -20, -93, 0, Command::VertexForm, -47, 108 },
    { "H and K on ties, vertex form", false, 32, -8, 11, Command::VertexForm, 2, 10 },
    { "H a hair short of a tie, K a hair past one, vertex form", false, -32, -24, 20, Command::VertexForm, -7, 25 },
    { "K on a tie, vertex form", false, -98, -98, -86, Command::VertexForm, -10, -62 },
    // With a = 0 only the doubles that are finite move a slider.
    { "a = 0 in vertex form to polynomial", true, 0, 40, 20, Command::PolynomialForm, 0, 20 },
    { "a = 0 in vertex form to vertex", true, 0, 20, 20, Command::VertexForm, 20, 20 },
    { "a = 0 everywhere to vertex", true, 0, 0, 0, Command::VertexForm, 0, 0 },
    { "a = 0 in polynomial form to polynomial", false, 0, 20, 20, Command::PolynomialForm, 20, 20 },
    { "a = 0, b = 0 in polynomial form to polynomial", false, 0, 0, 20, Command::PolynomialForm, 0, 20 },
    { "a = 0 in polynomial form to vertex", false, 0, 20, 20, Command::VertexForm, 20, 20 },
};

// Every switch writes the two sliders under the guard, so that it ends in exactly
// one drawing, its own final update, and reports the command as handled.
TEST_F(ParabolaFormsTest, SwitchesRewriteTheHAndKSliders)
{
    auto window = OpenWindow();
    for (auto const& c : form_cases) {
        SCOPED_TRACE(c.what);
        Prepare(*window, c.vertex_form, c.a, c.h, c.k);
        bool handled = false;
        int const drawings = Drawings(*window, [&] {
            handled = c.command == Command::PolynomialForm ? window->QuadraticPolynomialForm_Action()
                                                           : window->QuadraticVertexForm_Action();
        });
        EXPECT_TRUE(handled);
        EXPECT_EQ(drawings, 1);
        EXPECT_EQ(PositionsOf(*window), (Positions { c.a, c.new_h, c.new_k }));
        bool const vertex_form_after = c.command == Command::VertexForm;
        EXPECT_EQ(window->vertexForm, vertex_form_after);
        EXPECT_FALSE(window->updating);
        EXPECT_EQ(window->HValue().Text().substr(0, 4), vertex_form_after ? "h = " : "b = ");
    }
}

TEST_F(ParabolaFormsTest, OutOfRangePositionsKeepTheSameCurve)
{
    auto window = OpenWindow();
    Prepare(*window, true, 20, 60, 0);
    auto const before = AllPixels(*window);
    window->QuadraticPolynomialForm_Action();
    EXPECT_EQ(window->HValue().Text(), "b = -6");
    EXPECT_EQ(window->KValue().Text(), "c = 9");
    EXPECT_EQ(window->h, 3.0);
    EXPECT_EQ(window->k, 0.0);
    EXPECT_TRUE(AllPixels(*window) == before) << "the curve changed";

    window->QuadraticVertexForm_Action();
    EXPECT_EQ(PositionsOf(*window), (Positions { 20, 60, 0 }));
}

// Repeated switches drive h far out and k to the saturated end; the labels still
// write each value in plain digits.
TEST_F(ParabolaFormsTest, LabelsWriteFarValuesWithoutAnExponent)
{
    auto window = OpenWindow();
    Prepare(*window, true, 1, 100, 0);
    for (int i = 0; i < 5; ++i)
        window->QuadraticVertexForm_Action();
    EXPECT_EQ(window->HValue().Text(), "h = -500000");
    EXPECT_EQ(window->Formula().Text(), "y = 0.05 * (x  + 500000) ^ 2  - 107374182.4");
}

// While a switch rewrites the sliders the H and K handlers must not update; the A
// handler and the Paint handler update whatever the flag holds.
TEST_F(ParabolaFormsTest, TheGuardStopsOnlyTheHAndKHandlers)
{
    auto window = OpenWindow();
    window->updating = true;
    EXPECT_EQ(Drawings(*window, [&] { window->HSlider().SetValue(7); }), 0);
    EXPECT_EQ(Drawings(*window, [&] { window->KSlider().SetValue(7); }), 0);
    EXPECT_EQ(Drawings(*window, [&] { window->ASlider().SetValue(7); }), 1);
    EXPECT_EQ(Drawings(*window, [&] { Testing::RaisePaint(window->Graph()); }), 1);
    window->updating = false;
    EXPECT_EQ(Drawings(*window, [&] { window->HSlider().SetValue(8); }), 1);
    EXPECT_EQ(Drawings(*window, [&] { window->KSlider().SetValue(8); }), 1);
}

}
