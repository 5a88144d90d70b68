#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Numbers.h"
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

// A label shows a slider's value by its number text: every value, out to the
// saturated positions, reads in plain digits and back as the same double.
TEST(ParabolaMathTest, EverySliderValueReadsInPlainDigits)
{
    std::vector<std::int32_t> positions { int32_min, int32_min + 1, int32_max - 1, int32_max };
    for (std::int32_t p = -100; p <= 100; ++p)
        positions.push_back(p);
    for (std::int64_t p = 1; p <= int32_max; p *= 10) {
        for (std::int64_t q : { p - 1, p, p + 1, p * 3 + 7 }) {
            if (q <= int32_max) {
                positions.push_back(static_cast<std::int32_t>(q));
                positions.push_back(static_cast<std::int32_t>(-q));
            }
        }
    }
    for (std::int32_t p : positions) {
        double const value = SliderValue(p);
        std::string const text = Str(value);
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << p << ": " << text;
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << p << ": " << text;
    }
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
