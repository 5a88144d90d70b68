#pragma once

#include <cstdint>
#include <string_view>

#include "framework/Label.h"

namespace Curvesketcher {

// A member of the polynomial window's value-label array: a label that knows its index
// in the array before the framework builds it.
class ValueDisplay final : public Label {
public:
    static constexpr std::string_view ClassNameText = "Curvesketcher.ValueDisplay";

    using Label::Constructor;
    // Sets the member's Index, then runs the framework's construction.
    void Constructor(std::int32_t index);
};

}
