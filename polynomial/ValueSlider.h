#pragma once

#include <cstdint>
#include <string_view>

#include "framework/Slider.h"

namespace Curvesketcher {

// A member of the polynomial window's slider array: a slider that knows its index in
// the array before the framework builds it.
class ValueSlider final : public Slider {
public:
    static constexpr std::string_view ClassNameText = "Curvesketcher.ValueSlider";

    using Slider::Constructor;
    // Sets the member's Index, then runs the framework's construction.
    void Constructor(std::int32_t index);
};

}
