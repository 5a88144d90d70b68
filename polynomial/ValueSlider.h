#pragma once

#include <string_view>

#include "framework/Slider.h"
#include "polynomial/ArrayMember.h"

namespace Curvesketcher {

// A member of the polynomial window's slider array. Only the window's control
// creation makes one; everything else reaches it as a Slider.
class ValueSlider final : public ArrayMember<Slider> {
public:
    static constexpr std::string_view ClassNameText = "Curvesketcher.ValueSlider";
};

}
