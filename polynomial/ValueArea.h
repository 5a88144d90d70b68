#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Curvesketcher {

// Whether member `member` of both control arrays is shown for the order index and
// mode: members 0 to order + 1 by coefficients, 0 to order by roots. The tests are
// applied as they stand to any order index, also one outside 0 to 4.
bool MemberShown(std::int32_t member, std::int32_t order, std::int32_t mode);

// The text before the value in the label of a member: "a = " to "f = " by
// coefficients, "x1 = " to "x5 = " by roots. Nothing for member 5 by roots, whose
// label then keeps the text it has.
std::optional<std::string_view> ValueLabelPrefix(std::int32_t member, std::int32_t mode);

}
