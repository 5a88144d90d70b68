#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "framework/Numbers.h"

// What the two windows must show, written out again from their rules so that the
// session test never compares the program with its own text functions. Only the
// number text itself is the framework's (Str), as the windows are to use it.
namespace SessionReference {

// A position stands for position * 5 / 100, the product taken in 64 bits.
inline double ValueOf(std::int32_t position)
{
    return static_cast<double>(std::int64_t { position } * 5) / 100.0;
}

// " + v" for v not below zero (zero and NaN included), " - |v|" otherwise.
inline std::string Signed(double v)
{
    if (v < 0.0)
        return " - " + Str(-v);
    return " + " + Str(v);
}

// The constant after x in a factor that reads x minus r.
inline std::string XMinus(double r)
{
    if (r > 0.0)
        return " - " + Str(r);
    return " + " + Str(std::fabs(r));
}

// y = a * (x - h) ^ 2 + k, with its doubled blanks before each sign.
inline std::string VertexFormText(double a, double h, double k)
{
    return "y = " + Str(a) + " * (x " + XMinus(h) + ") ^ 2 " + Signed(k);
}

// y = a x^2 + b x + c.
inline std::string PolynomialFormText(double a, double b, double c)
{
    return "y = " + Str(a) + " * x^2 " + Signed(b) + " * x" + Signed(c);
}

// The derived vertex of y = a x^2 + b x + c, each step a double in this order.
struct Vertex {
    double h;
    double k;
};
inline Vertex VertexOf(double a, double b, double c)
{
    double const h = (-b) / (2.0 * a);
    double p = a * h;
    p = p * h;
    double const s = p + b * h;
    return { h, s + c };
}

// The slider position that a form switch writes for a double: rounded to nearest
// with ties to even and held at the 32-bit limits; nothing for a NaN or an infinity,
// where the slider keeps its position.
inline std::optional<std::int32_t> PositionFor(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    double const whole = std::nearbyint(v);
    if (whole >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    if (whole <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(whole);
}

// Whether member i of the polynomial window's arrays is shown for that order index
// and mode index, for any index the menus may hold.
inline bool MemberShown(std::int32_t i, std::int32_t order, std::int32_t mode)
{
    std::int64_t const above = std::int64_t { i } - 1;
    return mode == 0 ? above <= order : above < order;
}

// The polynomial window's equation, row by row; empty for an order without a row.
inline std::string PolynomialEquationText(std::int32_t order, std::int32_t mode, std::array<double, 6> const& v)
{
    auto N = [](double x) { return Str(x); };
    auto S = [](double x) { return Signed(x); };
    auto R = [](double x) { return XMinus(x); };
    bool const roots = mode != 0;
    switch (order) {
    case 0:
        if (!roots)
            return "y = " + N(v[0]) + " x " + S(v[1]);
        return "y = (x" + R(v[0]) + ")";
    case 1:
        if (!roots)
            return "y = " + N(v[0]) + " x^2" + S(v[1]) + "x" + S(v[2]);
        return "y = (x" + R(v[0]) + ") * (x" + R(v[1]) + ")";
    case 2:
        if (!roots)
            return "y = " + N(v[0]) + " x^3" + S(v[1]) + "x^2" + S(v[2]) + "x" + S(v[3]);
        return "y = (x" + R(v[0]) + ") (x" + R(v[1]) + ") (x" + R(v[2]) + ")";
    case 3:
        if (!roots)
            return "y = " + N(v[0]) + " x^4" + S(v[1]) + " x^3" + S(v[2]) + "x^2" + S(v[3]) + "x" + S(v[4]);
        return "y = (x" + R(v[0]) + ") (x" + R(v[1]) + ") (x" + R(v[2]) + ") ( x" + R(v[3]) + ")";
    case 4:
        if (!roots)
            return "y = " + N(v[0]) + " x^5" + S(v[1]) + " x^4" + S(v[2]) + "x^3" + S(v[3]) + "x^2" + S(v[4]) + "x" + S(v[5]);
        return "y = (x" + R(v[0]) + ") (x" + R(v[1]) + ") (x" + R(v[2]) + ") ( x" + R(v[3]) + ") (x" + R(v[4]) + ")";
    default:
        return "";
    }
}

// The text of value label i: by coefficients "a = " to "f = ", by roots "x1 = " to
// "x5 = "; label 5 has none by roots.
inline std::optional<std::string> PolynomialLabelText(std::int32_t i, std::int32_t mode, double value)
{
    static constexpr std::array<char const*, 6> coefficients { "a = ", "b = ", "c = ", "d = ", "e = ", "f = " };
    static constexpr std::array<char const*, 5> roots { "x1 = ", "x2 = ", "x3 = ", "x4 = ", "x5 = " };
    auto const index = static_cast<std::size_t>(i);
    if (mode == 0)
        return coefficients[index] + Str(value);
    if (index < roots.size())
        return roots[index] + Str(value);
    return std::nullopt;
}

}
