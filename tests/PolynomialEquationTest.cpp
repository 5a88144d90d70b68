#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "framework/Numbers.h"
#include "framework/Object.h"
#include "parabola/SignedTerm.h"
#include "polynomial/Curvesketcher.h"
#include "polynomial/PolynomialEquation.h"

namespace {

using Curvesketcher::EquationText;
using Curvesketcher::PolynomialValues;
using Curvesketcher::RootTerm;

struct EquationCase {
    std::int32_t order;
    std::int32_t mode;
    PolynomialValues values;
    std::string expected;
};

// Every blank and star is the equation's own: the double blank after "Linear"'s x,
// the blank before the second power from "BiQuadratic" on, the star only between the
// two quadratic roots and the blank in ") ( x" only before the fourth root.
TEST(PolynomialEquation, RowsOfEveryOrderAndMode)
{
    PolynomialValues const coefficients { 1, -2, 0.5, 0, -4.95, 3 };
    PolynomialValues const roots { 2, -1, 0, 1.85, -5, 4 };
    EquationCase const cases[] = {
        { 0, 0, coefficients, "y = 1 x  - 2" },
        { 1, 0, coefficients, "y = 1 x^2 - 2x + 0.5" },
        { 2, 0, coefficients, "y = 1 x^3 - 2x^2 + 0.5x + 0" },
        { 3, 0, coefficients, "y = 1 x^4 - 2 x^3 + 0.5x^2 + 0x - 4.95" },
        { 4, 0, coefficients, "y = 1 x^5 - 2 x^4 + 0.5x^3 + 0x^2 - 4.95x + 3" },
        { 0, 1, roots, "y = (x - 2)" },
        { 1, 1, roots, "y = (x - 2) * (x + 1)" },
        { 2, 1, roots, "y = (x - 2) (x + 1) (x + 0)" },
        { 3, 1, roots, "y = (x - 2) (x + 1) (x + 0) ( x - 1.85)" },
        { 4, 1, roots, "y = (x - 2) (x + 1) (x + 0) ( x - 1.85) (x + 5)" },
        // The examples of the linear and quadratic rows.
        { 0, 0, { 1, 2, 7, 7, 7, 7 }, "y = 1 x  + 2" },
        { 1, 0, { 1, -2, 0.5, 7, 7, 7 }, "y = 1 x^2 - 2x + 0.5" },
        { 0, 0, { -2.5, 0, 7, 7, 7, 7 }, "y = -2.5 x  + 0" },
        { 0, 1, { -2, 7, 7, 7, 7, 7 }, "y = (x + 2)" },
        { 0, 1, { 0, 7, 7, 7, 7, 7 }, "y = (x + 0)" },
        { 1, 1, { -1, 0, 7, 7, 7, 7 }, "y = (x + 1) * (x + 0)" },
        // Every mode but row 0 is by roots.
        { 0, 2, roots, "y = (x - 2)" },
        { 0, -1, roots, "y = (x - 2)" },
        // An order index outside 0 to 4 has no equation.
        { -1, 0, coefficients, "" },
        { 5, 1, roots, "" },
        { std::numeric_limits<std::int32_t>::min(), 0, coefficients, "" },
    };
    for (auto const& c : cases)
        EXPECT_EQ(EquationText(c.order, c.mode, c.values, SignedTerm), c.expected) << "order " << c.order << ", mode " << c.mode;
}

// Every signed term and every root constant comes from the writer that the window
// hands over, and nothing else of the text does.
TEST(PolynomialEquation, SignedTermsComeFromTheGivenWriter)
{
    auto const marked = [](double value) { return "<" + Str(value) + ">"; };
    PolynomialValues const values { 1, -2, 0.5, 0, -4.95, 3 };
    EXPECT_EQ(EquationText(4, 0, values, marked), "y = 1 x^5<-2> x^4<0.5>x^3<0>x^2<-4.95>x<3>");
    EXPECT_EQ(EquationText(4, 1, values, marked), "y = (x<-1>) (x<2>) (x<-0.5>) ( x<0>) (x<4.95>)");
    EXPECT_EQ(EquationText(1, 1, values, marked), "y = (x<-1>) * (x<2>)");
}

// PlusOrMinus reads nothing of its window, so an unconstructed one serves.
TEST(PolynomialEquation, SignedAndRootTerms)
{
    auto const window = RuntimeNewObject<Curvesketcher::Curvesketcher>();
    double const nan = std::numeric_limits<double>::quiet_NaN();
    struct {
        double value;
        std::string signed_term;
        std::string root_term;
    } const cases[] = {
        { -0.5, " - 0.5", " + 0.5" },
        { 0.5, " + 0.5", " - 0.5" },
        { 0.0, " + 0", " + 0" },
        // Zero of either sign takes " + " with its own number text.
        { -0.0, " + -0", " + 0" },
        { -5, " - 5", " + 5" },
        { 1.85, " + 1.85", " - 1.85" },
        { nan, " + NaN", " + NaN" },
    };
    for (auto const& c : cases) {
        EXPECT_EQ(window->PlusOrMinus(c.value), c.signed_term) << c.value;
        EXPECT_EQ(RootTerm(c.value, [&](double v) { return window->PlusOrMinus(v); }), c.root_term) << c.value;
    }
}

}
