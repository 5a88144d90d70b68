#include "polynomial/PolynomialEquation.h"

#include <array>
#include <string_view>

#include "framework/Numbers.h"

namespace Curvesketcher {

namespace {

// What follows each coefficient, from the highest power down, per order index. The
// blanks are the equation's own: the leading power always stands apart from its
// coefficient, and so does the second power from "BiQuadratic" on.
constexpr std::array<std::array<std::string_view, MemberCount>, HighestOrderIndex + 1> coefficient_powers { {
    { " x ", "" },
    { " x^2", "x", "" },
    { " x^3", "x^2", "x", "" },
    { " x^4", " x^3", "x^2", "x", "" },
    { " x^5", " x^4", "x^3", "x^2", "x", "" },
} };

// What joins each root factor after the first to the one before it, per order index.
// The fourth factor alone opens with a blank before its x.
constexpr std::array<std::array<std::string_view, MemberCount - 2>, HighestOrderIndex + 1> root_joints { {
    {},
    { ") * (x" },
    { ") (x", ") (x" },
    { ") (x", ") (x", ") ( x" },
    { ") (x", ") (x", ") ( x", ") (x" },
} };

std::string CoefficientEquation(std::int32_t order, PolynomialValues const& values, SignedTermWriter const& signed_term)
{
    auto const& powers = coefficient_powers[static_cast<std::size_t>(order)];
    std::string text = "y = ";
    text += Str(values[0]);
    text += powers[0];
    for (std::int32_t term = 1; term <= order + 1; ++term) {
        text += signed_term(values[static_cast<std::size_t>(term)]);
        text += powers[static_cast<std::size_t>(term)];
    }
    return text;
}

std::string RootEquation(std::int32_t order, PolynomialValues const& values, SignedTermWriter const& signed_term)
{
    auto const& joints = root_joints[static_cast<std::size_t>(order)];
    std::string text = "y = (x";
    text += RootTerm(values[0], signed_term);
    for (std::int32_t factor = 1; factor <= order; ++factor) {
        text += joints[static_cast<std::size_t>(factor - 1)];
        text += RootTerm(values[static_cast<std::size_t>(factor)], signed_term);
    }
    text += ")";
    return text;
}

}

std::string RootTerm(double root, SignedTermWriter const& signed_term)
{
    return signed_term(0.0 - root);
}

std::string EquationText(std::int32_t order, std::int32_t mode, PolynomialValues const& values, SignedTermWriter const& signed_term)
{
    if (!IsOrderIndex(order))
        return {};
    if (IsCoefficientMode(mode))
        return CoefficientEquation(order, values, signed_term);
    return RootEquation(order, values, signed_term);
}

}
