#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// The contrast of two colours (0xRRGGBB) as the accessibility guidelines measure
// legibility: 1 for equal colours up to 21 for black on white; body text needs 4.5.
inline double ContrastRatio(std::uint32_t first, std::uint32_t second)
{
    auto const luminance = [](std::uint32_t rgb) {
        auto const linear = [](std::uint32_t channel) {
            double const c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
    };
    double const a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

inline constexpr double LegibleContrast = 4.5;
