#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/FrameworkKey.h"
#include "framework/GraphicsObserver.h"
#include "framework/Object.h"

// A drawing surface: integer coordinates in logical pixels, a 1-pixel pen, no
// antialiasing. The pixels are kept at device resolution (logical size times the
// device pixel ratio) so that lines stay crisp on dense screens; each logical pixel
// covers its block of device pixels. At a fractional ratio those blocks differ in
// size (1, 2, 1, 2, ... at 1.5), so a line is not drawn as whole blocks: every line
// is the same whole number of device pixels thick, the ratio rounded (halves up), and
// is placed within the blocks it crosses. Anything outside the surface is clipped,
// also for coordinates anywhere in the 32-bit range.
class Graphics : public Object {
public:
    Graphics();
    ~Graphics() override;

    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }

    std::uint32_t ForeColor() const { return m_fore_color; }
    void SetForeColor(std::uint32_t rgb);

    // Covers both end pixels and every pixel of the line between them.
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // Fills columns left..left+width-1 and rows top..top+height-1.
    void FillRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Outlines exactly the border pixels of the area FillRect would fill, each side
    // drawn as a line is.
    void DrawRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    // The colour (0xRRGGBB) of a logical pixel; 0 outside the surface. It is read
    // where a line through that pixel is drawn and no line through a neighbour is.
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;

    // Framework side: the canvas that owns the surface gives it its size (its
    // content is then lost and cleared to white) and learns of every change.
    void Resize(FrameworkKey, std::int32_t width, std::int32_t height, double device_pixel_ratio);
    // The ratio that a surface made for a screen of that device pixel ratio keeps its
    // pixels at (DevicePixelRatio after Resize).
    static double SurfaceRatio(double device_pixel_ratio);
    double DevicePixelRatio(FrameworkKey) const { return m_device_pixel_ratio; }
    std::int32_t DeviceWidth(FrameworkKey) const { return m_device_width; }
    std::int32_t DeviceHeight(FrameworkKey) const { return m_device_height; }
    // Device pixels, row by row, each 0xFFRRGGBB.
    std::uint32_t const* DevicePixels(FrameworkKey) const { return m_pixels.data(); }
    void SetChangeListener(FrameworkKey, std::function<void()> listener);
    // Hears of each drawing call before it is carried out; nil for none, which costs
    // a drawing call one test of the pointer. The surface does not own it.
    GraphicsObserver* Observer(FrameworkKey) const { return m_observer; }
    void SetObserver(FrameworkKey, GraphicsObserver* observer) { m_observer = observer; }

private:
    static std::vector<std::int32_t> BlockStarts(std::int32_t size, double ratio);
    static std::vector<std::int32_t> LineStarts(std::vector<std::int32_t> const& block_starts, std::int32_t line_width);
    static std::int64_t ReadPosition(std::vector<std::int32_t> const& block_starts,
        std::vector<std::int32_t> const& line_starts, std::int32_t line_width, std::int32_t i);
    void FillLogical(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    void FillDeviceBlock(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    template<bool along_x>
    void PlotLineStep(std::int64_t x, std::int64_t y, std::int64_t& previous_minor);
    void Changed();

    std::int32_t m_width { 0 };
    std::int32_t m_height { 0 };
    double m_device_pixel_ratio { 1.0 };
    std::int32_t m_device_width { 0 };
    std::int32_t m_device_height { 0 };
    bool m_unit_ratio { true };
    // The first device column (row) of each logical column (row), and the device
    // width (height) after the last.
    std::vector<std::int32_t> m_column_starts;
    std::vector<std::int32_t> m_row_starts;
    // How many device pixels thick a line is, and the first device column (row) of a
    // vertical (horizontal) line through each logical column (row).
    std::int32_t m_line_width { 1 };
    std::vector<std::int32_t> m_column_line_starts;
    std::vector<std::int32_t> m_row_line_starts;
    std::uint32_t m_fore_color { 0 };
    std::vector<std::uint32_t> m_pixels;
    GraphicsObserver* m_observer { nullptr };
    std::function<void()> m_change_listener;
};
