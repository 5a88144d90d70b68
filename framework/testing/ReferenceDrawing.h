#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// The graph view's picture drawn the bare way, for the benchmarks: the same mapping,
// grid, curve and frame, painted by the toolkit straight into an image with no
// framework in between. It is the yardstick for what a window's whole update costs.
// The curve must stay within 32-bit pixels, as every benchmarked one does.
//
// The picture is the same but not pixel for pixel, so the benchmarks' count of
// differing pixels is not 0: the toolkit's line rasteriser steps steep segments, and
// clips segments whose ends lie far off the image, to slightly different pixels than
// the framework's. That moves some curve pixels by one (none for the parabola at
// 560 x 460, about ten thousand of 8.3 million for the quintic by roots at
// 3840 x 2160) and nothing else. Both draw the same segments with the same pen, so
// the time ratio is still sound.
namespace Testing {

class ReferenceImage {
public:
    ReferenceImage(std::int32_t width, std::int32_t height);
    ~ReferenceImage();
    ReferenceImage(ReferenceImage const&) = delete;
    ReferenceImage& operator=(ReferenceImage const&) = delete;

    std::int32_t Width() const;
    std::int32_t Height() const;
    // The colour of a pixel as 0xRRGGBB.
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;

    // Draws the whole picture for the curve y = f(x): background, vertical and
    // horizontal grid lines with the axes darker, the polyline through the 1001
    // samples from x = -5 in steps of 0.01, and the frame.
    void Draw(std::function<double(double)> const& f);

private:
    struct Image;
    std::unique_ptr<Image> m_image;
};

}
