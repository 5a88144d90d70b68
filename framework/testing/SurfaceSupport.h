#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "framework/Graphics.h"

// Does to a surface what its canvas does, for tests of a surface on its own.
namespace Testing {

// Gives the surface a size, as its canvas does on a screen of that device pixel
// ratio; its content is lost and cleared to white.
void ResizeSurface(Graphics& surface, std::int32_t width, std::int32_t height, double device_pixel_ratio);

// A surface's pixels as its canvas hands them to the screen: the ratio they are kept
// at, the device size, and the pixels row by row, each 0xFFRRGGBB. The view is good
// until the surface is resized.
struct DeviceImage {
    double ratio { 1.0 };
    std::int32_t width { 0 };
    std::int32_t height { 0 };
    std::span<std::uint32_t const> pixels;
};
DeviceImage DeviceImageOf(Graphics const& surface);

// Calls the listener after every DrawLine, FillRect and DrawRect, with their pixels
// in place, as the canvas hears of them.
void ListenForChanges(Graphics& surface, std::function<void()> listener);

}
