#pragma once

#include <string_view>

#include "framework/Label.h"
#include "polynomial/ArrayMember.h"

namespace Curvesketcher {

// A member of the polynomial window's value-label array. Only the window's control
// creation makes one; everything else reaches it as a Label.
class ValueDisplay final : public ArrayMember<Label> {
public:
    static constexpr std::string_view ClassNameText = "Curvesketcher.ValueDisplay";
};

}
