#include "polynomial/ValueArea.h"

#include <array>

#include "polynomial/PolynomialValues.h"

namespace Curvesketcher {

bool MemberShown(std::int32_t member, std::int32_t order, std::int32_t mode)
{
    if (IsCoefficientMode(mode))
        return member - 1 <= order;
    return member - 1 < order;
}

std::optional<std::string_view> ValueLabelPrefix(std::int32_t member, std::int32_t mode)
{
    static constexpr std::array<std::string_view, MemberCount> coefficient_prefixes { "a = ", "b = ", "c = ", "d = ", "e = ", "f = " };
    static constexpr std::array<std::string_view, MemberCount - 1> root_prefixes { "x1 = ", "x2 = ", "x3 = ", "x4 = ", "x5 = " };
    if (member < 0)
        return std::nullopt;
    auto const index = static_cast<std::size_t>(member);
    if (IsCoefficientMode(mode))
        return index < coefficient_prefixes.size() ? std::optional(coefficient_prefixes[index]) : std::nullopt;
    return index < root_prefixes.size() ? std::optional(root_prefixes[index]) : std::nullopt;
}

}
