#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "parabola/ParabolaMath.h"
#include "parabola/SliderValue.h"

namespace {

constexpr std::int32_t int32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32_min = std::numeric_limits<std::int32_t>::min();

TEST(ParabolaMathTest, SliderValueOfAPosition)
{
    EXPECT_EQ(SliderValue(0), 0.0);
    EXPECT_EQ(SliderValue(37), 1.85);
    EXPECT_EQ(SliderValue(-99), -4.95);
    EXPECT_EQ(SliderValue(100), 5.0);
    // Where the 32-bit product fits it is the one used.
    EXPECT_EQ(SliderValue(int32_max / 5), static_cast<double>((int32_max / 5) * 5) / 100.0);
    // Far beyond it the product does not wrap.
    EXPECT_EQ(SliderValue(int32_max), 107374182.35);
    EXPECT_EQ(SliderValue(int32_min), -107374182.4);
}

TEST(ParabolaMathTest, SliderPositionConvertsWithoutRoundingFirst)
{
    EXPECT_EQ(SliderPosition(-120.0), -120);
    EXPECT_EQ(SliderPosition(25.999999999999996), 26);
    EXPECT_EQ(SliderPosition(-96.99999999999999), -97);
    EXPECT_EQ(SliderPosition(1e12), int32_max);
    EXPECT_FALSE(SliderPosition(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(SliderPosition(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(SliderPosition(-std::numeric_limits<double>::infinity()));
}

struct VertexCase {
    double a, b, c;
    double h, k;
};

VertexCase const vertex_cases[] = {
    { 1.0, -2.0, 1.0, 1.0, 0.0 },
    { 0.5, 1.0, 0.0, -1.0, -0.5 },
    { 0.05, 5.0, 0.0, -50.0, -125.0 },
    { 2.0, -4.0, 1.0, 1.0, -1.0 },
    { -5.0, -5.0, 1.3, -0.5, 2.55 },
};

TEST(ParabolaMathTest, VertexOfThePolynomialForm)
{
    for (auto const& c : vertex_cases) {
        auto const vertex = PolynomialVertex(c.a, c.b, c.c);
        EXPECT_EQ(vertex.h, c.h) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(vertex.k, c.k) << c.a << " " << c.b << " " << c.c;
    }
}

TEST(ParabolaMathTest, NoVertexWithoutALeadingCoefficient)
{
    auto const sloped = PolynomialVertex(0.0, 1.0, 1.0);
    EXPECT_TRUE(std::isinf(sloped.h));
    EXPECT_TRUE(std::isnan(sloped.k));
    auto const flat = PolynomialVertex(0.0, 0.0, 1.0);
    EXPECT_TRUE(std::isnan(flat.h));
    EXPECT_TRUE(std::isnan(flat.k));
}

TEST(ParabolaMathTest, CurveValues)
{
    EXPECT_EQ(ParabolaValue(1.0, 2.0, 1.0, 2.0), 1.0);
    EXPECT_EQ(ParabolaValue(1.0, 2.0, 1.0, -1.0), 10.0);
    EXPECT_EQ(ParabolaValue(-0.5, 0.0, 0.0, -2.0), -2.0);
    EXPECT_EQ(LineValue(1.0, 1.0, -2.0), -1.0);
}

}
