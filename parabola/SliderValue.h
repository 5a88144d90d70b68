#pragma once

#include <cstdint>
#include <optional>

// The value a slider position stands for: position * 5 / 100, a multiple of 0.05.
// The product is taken in 64 bits, so that the huge positions a form switch can
// write never overflow; wherever the 32-bit product fits, it is the same number.
double SliderValue(std::int32_t position);

// The position for a double, by the runtime's conversion alone: no rounding before
// it and no limiting to the slider's range. A double that is not finite stands for
// no position and gives nothing.
std::optional<std::int32_t> SliderPosition(double value);
