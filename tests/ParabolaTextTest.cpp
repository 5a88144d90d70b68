#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "parabola/ParabolaText.h"
#include "parabola/SignedTerm.h"

namespace {

TEST(ParabolaTextTest, SignedTermWritesZeroAndNaNWithPlus)
{
    EXPECT_EQ(SignedTerm(1.85), " + 1.85");
    EXPECT_EQ(SignedTerm(-4.95), " - 4.95");
    EXPECT_EQ(SignedTerm(0.0), " + 0");
    EXPECT_EQ(SignedTerm(std::numeric_limits<double>::quiet_NaN()), " + NaN");
}

struct EquationCase {
    double a, second, third;
    char const* vertex_form;
    char const* polynomial_form;
};

// The vertex form reads x minus h, so the sign in the bracket is h's negated; the
// fixed pieces leave two blanks before each sign after a closing piece.
EquationCase const equation_cases[] = {
    { 1.5, -2.0, 0.0, "y = 1.5 * (x  + 2) ^ 2  + 0", "y = 1.5 * x^2  - 2 * x + 0" },
    { 1.0, 2.0, -1.0, "y = 1 * (x  - 2) ^ 2  - 1", "y = 1 * x^2  + 2 * x - 1" },
    { 0.0, 0.0, 0.0, "y = 0 * (x  + 0) ^ 2  + 0", "y = 0 * x^2  + 0 * x + 0" },
    { -0.05, 4.95, 5.0, "y = -0.05 * (x  - 4.95) ^ 2  + 5", "y = -0.05 * x^2  + 4.95 * x + 5" },
    { -5.0, -107374182.35, -0.5, "y = -5 * (x  + 107374182.35) ^ 2  - 0.5", "y = -5 * x^2  - 107374182.35 * x - 0.5" },
};

TEST(ParabolaTextTest, EquationsInBothForms)
{
    for (auto const& c : equation_cases) {
        EXPECT_EQ(VertexFormEquation(c.a, c.second, c.third), c.vertex_form);
        EXPECT_EQ(PolynomialFormEquation(c.a, c.second, c.third), c.polynomial_form);
    }
}

TEST(ParabolaTextTest, ParameterText)
{
    EXPECT_EQ(ParameterText("a", 0.0), "a = 0");
    EXPECT_EQ(ParameterText("c", -4.95), "c = -4.95");
}

}
