#include "parabola/ParabolaText.h"

#include <cmath>
#include <initializer_list>

#include "framework/Numbers.h"
#include "parabola/SignedTerm.h"

namespace {

// The bracket reads x minus h, so a positive h shows as " - h" and any other h as
// " + " with its magnitude, zero as " + 0".
std::string BracketTerm(double h)
{
    if (h > 0.0)
        return " - " + Str(h);
    return " + " + Str(std::fabs(h));
}

std::string Join(std::initializer_list<std::string> pieces)
{
    std::string text;
    for (auto const& piece : pieces)
        text += piece;
    return text;
}

}

std::string ParameterText(std::string_view name, double value)
{
    return Join({ std::string(name), " = ", Str(value) });
}

std::string VertexFormEquation(double a, double h, double k)
{
    return Join({ "y = ", Str(a), " * (x ", BracketTerm(h), ") ^ 2 ", SignedTerm(k) });
}

std::string PolynomialFormEquation(double a, double b, double c)
{
    return Join({ "y = ", Str(a), " * x^2 ", SignedTerm(b), " * x", SignedTerm(c) });
}
