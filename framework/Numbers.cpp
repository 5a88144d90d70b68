#include "framework/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

std::string Str(double value)
{
    // std::to_chars would write "nan" and "inf"; the runtime's texts are spelt out.
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    // The longest shortest form of a double, "-2.2250738585072014e-308", has 24
    // characters.
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double Round(double value)
{
    return std::round(value);
}

double RuntimePow(double base, double exponent)
{
    return std::pow(base, exponent);
}

namespace {

// One thread runs all of the program, so a plain counter is enough.
std::uint64_t non_finite_conversions = 0;

}

std::int32_t RuntimeCvtReal64ToSInt32(double value)
{
    // Infinities go on to saturate like every other value beyond the range.
    if (!std::isfinite(value)) {
        ++non_finite_conversions;
        if (std::isnan(value))
            return 0;
    }
    // Rounded first and compared as a double, so that no value beyond the range is
    // ever converted (that conversion would be undefined).
    double rounded = std::nearbyint(value);
    if (rounded >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    if (rounded < -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

std::uint64_t NonFiniteConversions()
{
    return non_finite_conversions;
}

double RuntimeCvtSInt32ToReal64(std::int32_t value)
{
    return static_cast<double>(value);
}

std::string RuntimeAddString(std::string_view a, std::string_view b)
{
    std::string joined;
    joined.reserve(a.size() + b.size());
    joined.append(a);
    joined.append(b);
    return joined;
}
