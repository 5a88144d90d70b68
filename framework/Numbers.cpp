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

    // The shortest digits that read back as the same double, as d.ddde±x; the
    // longest, "-2.2250738585072014e-308", has 24 characters.
    char buffer[32];
    auto const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    std::string_view const text(buffer, static_cast<std::size_t>(end - buffer));

    // Positional digits for every magnitude a person reads as a plain number, the
    // exponent only where they would run on: from 10^21 up and below 10^-6.
    double const magnitude = std::fabs(value);
    if (magnitude != 0.0 && (magnitude < 1e-6 || magnitude >= 1e21))
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);

    // std::to_chars's own fixed form would write the double's exact value, such as
    // 123456789012345683968 for 1.2345678901234568e+20; these are the shortest
    // digits laid out with zeros where they end.
    auto const e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    bool const negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))) {
        if (c != '.')
            digits += c;
    }

    std::string result = negative ? "-" : "";
    if (exponent < 0) {
        result += "0.";
        result.append(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
        return result;
    }
    auto const whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        result += digits;
        result.append(whole - digits.size(), '0');
        return result;
    }
    result.append(digits, 0, whole);
    result += '.';
    result.append(digits, whole);
    return result;
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
