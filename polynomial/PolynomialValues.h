#pragma once

#include <array>
#include <cstdint>

namespace Curvesketcher {

// Both control arrays have six members, one per coefficient a to f or root x1 to x5.
inline constexpr std::int32_t MemberCount = 6;

// The values of the six sliders, member 0 first, read once per update.
using PolynomialValues = std::array<double, MemberCount>;

// The order menu's rows "Linear" to "Quintic" are the indexes 0 to 4; the polynomial
// of order index o has degree o + 1.
inline constexpr std::int32_t HighestOrderIndex = 4;

constexpr bool IsOrderIndex(std::int32_t order)
{
    return order >= 0 && order <= HighestOrderIndex;
}

// Row 0 of the mode menu, "Specify Coefficients"; every other row means roots.
constexpr bool IsCoefficientMode(std::int32_t mode)
{
    return mode == 0;
}

}
