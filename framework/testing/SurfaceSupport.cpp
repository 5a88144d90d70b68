#include "framework/testing/SurfaceSupport.h"

#include <cstddef>
#include <utility>

#include "framework/private/KeyIssuer.h"

using Framework::KeyIssuer;

namespace Testing {

void ResizeSurface(Graphics& surface, std::int32_t width, std::int32_t height, double device_pixel_ratio)
{
    surface.Resize(KeyIssuer::Key(), width, height, device_pixel_ratio);
}

DeviceImage DeviceImageOf(Graphics const& surface)
{
    DeviceImage image;
    image.ratio = surface.DevicePixelRatio(KeyIssuer::Key());
    image.width = surface.DeviceWidth(KeyIssuer::Key());
    image.height = surface.DeviceHeight(KeyIssuer::Key());
    image.pixels = { surface.DevicePixels(KeyIssuer::Key()), static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) };
    return image;
}

void ListenForChanges(Graphics& surface, std::function<void()> listener)
{
    surface.SetChangeListener(KeyIssuer::Key(), std::move(listener));
}

}
