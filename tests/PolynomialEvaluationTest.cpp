#include <functional>

#include <gtest/gtest.h>

#include "polynomial/PolynomialEvaluation.h"

namespace {

using Curvesketcher::EvaluatePolynomial;
using Curvesketcher::PolynomialValues;

// The values and sample points are chosen so that another grouping or a power
// function would change the last bits; the results must be the very doubles of this
// operation order: powers multiplied out from the left, terms added from the highest
// power down, root factors multiplied from the first root.
TEST(PolynomialEvaluation, ExactOperationOrder)
{
    PolynomialValues const v { 1.85, -0.35, 4.95, -2.05, 0.15, -3.3 };
    double const a = v[0], b = v[1], c = v[2], d = v[3], e = v[4], f = v[5];
    struct {
        std::int32_t order;
        std::function<double(double)> by_coefficients;
        std::function<double(double)> by_roots;
    } const cases[] = {
        { 0, [&](double x) { return a * x + b; }, [&](double x) { return x - a; } },
        { 1, [&](double x) { return ((a * x) * x + b * x) + c; }, [&](double x) { return (x - a) * (x - b); } },
        { 2, [&](double x) { return ((((a * x) * x) * x + (b * x) * x) + c * x) + d; },
            [&](double x) { return ((x - a) * (x - b)) * (x - c); } },
        { 3, [&](double x) { return ((((((a * x) * x) * x) * x + ((b * x) * x) * x) + (c * x) * x) + d * x) + e; },
            [&](double x) { return (((x - a) * (x - b)) * (x - c)) * (x - d); } },
        { 4, [&](double x) { return ((((((((a * x) * x) * x) * x) * x + (((b * x) * x) * x) * x) + ((c * x) * x) * x) + (d * x) * x) + e * x) + f; },
            [&](double x) { return ((((x - a) * (x - b)) * (x - c)) * (x - d)) * (x - e); } },
    };
    for (auto const& row : cases) {
        for (double x = -5.0; !(x > 5.0); x += 0.37) {
            EXPECT_EQ(EvaluatePolynomial(row.order, 0, v, x), row.by_coefficients(x)) << "order " << row.order << " at " << x;
            EXPECT_EQ(EvaluatePolynomial(row.order, 1, v, x), row.by_roots(x)) << "order " << row.order << " at " << x;
            EXPECT_EQ(EvaluatePolynomial(row.order, 7, v, x), row.by_roots(x)) << "order " << row.order << " at " << x;
        }
    }
}

TEST(PolynomialEvaluation, ExtremesOfTheSliderRange)
{
    // Alternating coefficients 5 and -5 at x = -5, and five roots at 5 there.
    EXPECT_EQ(EvaluatePolynomial(4, 0, { 5, -5, 5, -5, 5, -5 }, -5.0), -19530.0);
    EXPECT_EQ(EvaluatePolynomial(4, 1, { 5, 5, 5, 5, 5, 5 }, -5.0), -100000.0);
    EXPECT_EQ(EvaluatePolynomial(4, 1, { -5, -5, -5, -5, -5, -5 }, 5.0), 100000.0);
}

TEST(PolynomialEvaluation, OrderOutsideTheMenuGivesZero)
{
    PolynomialValues const v { 1, 2, 3, 4, 5, 5 };
    EXPECT_EQ(EvaluatePolynomial(-1, 0, v, 2.0), 0.0);
    EXPECT_EQ(EvaluatePolynomial(5, 1, v, 2.0), 0.0);
}

}
