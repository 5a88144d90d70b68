#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "framework/Numbers.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

TEST(NumbersTest, StrWritesTheShortestTextThatReadsBack)
{
    struct Case {
        double value;
        char const* text;
    };
    Case const cases[] = {
        { 0.0, "0" },
        { -0.0, "-0" },
        { 37 * 5 / 100.0, "1.85" },
        { -2.0, "-2" },
        { 1 * 5 / 100.0, "0.05" },
        { -99 * 5 / 100.0, "-4.95" },
        { 107374182.35, "107374182.35" },
        { -107374182.4, "-107374182.4" },
        // Large and small magnitudes that a label can show keep positional digits.
        { 500000.0, "500000" },
        { -5e5, "-500000" },
        { 1e20, "100000000000000000000" },
        { 123456789012345680000.0, "123456789012345680000" },
        { 0.000001, "0.000001" },
        { -0.0000012345, "-0.0000012345" },
        // Beyond them positional digits would be unreadable; the exponent stays.
        { 1e21, "1e+21" },
        { -2.5e300, "-2.5e+300" },
        { 1e-7, "1e-07" },
        { 5e-324, "5e-324" },
        // Seventeen digits where fewer would read back as another double.
        { 0.1 + 0.2, "0.30000000000000004" },
        { 4.999999999999876, "4.999999999999876" },
        { NaN, "NaN" },
        { Infinity, "Infinity" },
        { -Infinity, "-Infinity" },
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Str(c.value), c.text);
        if (std::isfinite(c.value)) {
            EXPECT_EQ(std::strtod(Str(c.value).c_str(), nullptr), c.value) << c.text;
        }
    }
}

TEST(NumbersTest, RoundTakesHalfwayCasesAwayFromZero)
{
    struct Case {
        double value;
        double rounded;
    };
    Case const cases[] = {
        { 0.5, 1.0 },
        { -0.5, -1.0 },
        { 2.5, 3.0 },
        { -2.5, -3.0 },
        { 56.5, 57.0 },
        { 2.4999999999999996, 2.0 },
        // The largest double below 0.5: adding 0.5 and flooring would give 1.
        { 0.49999999999999994, 0.0 },
        { -1.5000000000000002, -2.0 },
    };
    for (auto const& c : cases)
        EXPECT_EQ(Round(c.value), c.rounded) << c.value;
}

TEST(NumbersTest, ConversionToInt32RoundsTiesToEvenAndSaturates)
{
    struct Case {
        double value;
        std::int32_t converted;
    };
    Case const cases[] = {
        { 0.5, 0 },
        { 1.5, 2 },
        { 2.5, 2 },
        { -0.5, 0 },
        { -1.5, -2 },
        { -2.5, -2 },
        { 25.999999999999996, 26 },
        { -96.99999999999999, -97 },
        { 2147483647.0, Int32Max },
        { 2147483647.5, Int32Max },
        { 2147483648.0, Int32Max },
        { 1e300, Int32Max },
        { Infinity, Int32Max },
        { -2147483648.0, Int32Min },
        { -2147483648.5, Int32Min },
        { -2147483649.0, Int32Min },
        { -1e300, Int32Min },
        { -Infinity, Int32Min },
        { NaN, 0 },
    };
    for (auto const& c : cases)
        EXPECT_EQ(RuntimeCvtReal64ToSInt32(c.value), c.converted) << Str(c.value);
}

// The counter that the session test watches moves for NaN and the infinities only,
// also for finite values far beyond the range.
TEST(NumbersTest, OnlyNonFiniteConversionsAreCounted)
{
    auto const before = NonFiniteConversions();
    for (double value : { 0.0, -2.5, 1e300, -1e300, 2147483648.0 })
        (void)RuntimeCvtReal64ToSInt32(value);
    EXPECT_EQ(NonFiniteConversions(), before);
    for (double value : { NaN, Infinity, -Infinity })
        (void)RuntimeCvtReal64ToSInt32(value);
    EXPECT_EQ(NonFiniteConversions(), before + 3);
}

}
