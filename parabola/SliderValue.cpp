#include "parabola/SliderValue.h"

#include <cmath>

#include "framework/Numbers.h"

double SliderValue(std::int32_t position)
{
    std::int64_t const product = static_cast<std::int64_t>(position) * 5;
    return static_cast<double>(product) / 100.0;
}

std::optional<std::int32_t> SliderPosition(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return RuntimeCvtReal64ToSInt32(value);
}
