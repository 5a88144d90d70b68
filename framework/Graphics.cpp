#include "framework/Graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// The exact start of a clipped line takes products of a coordinate (up to 32 bits)
// and twice a length (up to 34 bits), which 64 bits cannot hold.
__extension__ typedef __int128 i128;

constexpr std::uint32_t White = 0xFFFFFFFF;
constexpr std::uint32_t OpaqueBlack = 0xFF000000;

// memset is the fastest fill the C library has (wide and non-temporal stores on
// large areas); it serves every colour whose four bytes are equal, white among them.
void FillPixels(std::uint32_t* first, std::size_t count, std::uint32_t color)
{
    std::uint32_t const low_byte = color & 0xFF;
    if (color == low_byte * 0x01010101u)
        std::memset(first, static_cast<int>(low_byte), count * sizeof color);
    else
        std::fill_n(first, count, color);
}

i128 FloorDiv(i128 numerator, i128 denominator)
{
    i128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

i128 CeilDiv(i128 numerator, i128 denominator)
{
    return -FloorDiv(-numerator, denominator);
}

// Puts the pixels of a line along its major axis a, from (a1, b1) to (a2, b2) with
// a1 <= a2 and |b2 - b1| <= a2 - a1, on the area 0 <= a < a_limit, 0 <= b < b_limit.
// The pixel at each a is the one nearest the true line, a half going to the smaller
// b as in Qt's raster engine: b = b1 + floor((2 (a - a1) (b2 - b1) + da - 1) / 2 da).
// That rule depends on the segment only, not on its direction, so both directions
// draw the same pixels, and it gives both ends. Only the visible run of a is visited:
// its ends and the state at its start are computed exactly, the rest is Bresenham's
// increment.
template<class Plot>
void RasterizeAlongMajorAxis(std::int64_t a1, std::int64_t b1, std::int64_t a2, std::int64_t b2,
    std::int64_t a_limit, std::int64_t b_limit, Plot plot)
{
    std::int64_t const da = a2 - a1;
    std::int64_t const db = b2 - b1;
    if (da == 0) {
        if (a1 >= 0 && a1 < a_limit && b1 >= 0 && b1 < b_limit)
            plot(a1, b1);
        return;
    }

    // Steps n = a - a1 that lie inside the area along a.
    i128 first = std::max<std::int64_t>(0, -a1);
    i128 last = std::min<std::int64_t>(da, a_limit - 1 - a1);

    // And those whose b lies inside it: b(n) is monotonic, so they form one run too.
    i128 const denominator = i128 { 2 } * da;
    i128 const step = i128 { 2 } * db;
    // Just under half the denominator, so that exact halves round down.
    i128 const rounding = da - 1;
    i128 const below_top = i128 { -b1 } * denominator - rounding;               // b(n) >= 0 <=> n * step >= this
    i128 const above_bottom = i128 { b_limit - b1 } * denominator - rounding - 1; // b(n) < b_limit <=> n * step <= this
    if (db > 0) {
        first = std::max(first, CeilDiv(below_top, step));
        last = std::min(last, FloorDiv(above_bottom, step));
    } else if (db < 0) {
        first = std::max(first, CeilDiv(above_bottom, step));
        last = std::min(last, FloorDiv(below_top, step));
    } else if (b1 < 0 || b1 >= b_limit) {
        return;
    }
    if (first > last)
        return;

    i128 const numerator = first * step + rounding;
    i128 const quotient = FloorDiv(numerator, denominator);
    // From here every value is bounded by the area and by 2 da, so 64 bits hold it.
    auto remainder = static_cast<std::int64_t>(numerator - quotient * denominator);
    auto const den = static_cast<std::int64_t>(denominator);
    auto const inc = static_cast<std::int64_t>(step);
    auto a = static_cast<std::int64_t>(a1 + first);
    auto b = static_cast<std::int64_t>(b1 + quotient);
    for (auto count = static_cast<std::int64_t>(last - first); count >= 0; --count) {
        plot(a, b);
        ++a;
        remainder += inc;
        if (remainder >= den) {
            remainder -= den;
            ++b;
        } else if (remainder < 0) {
            remainder += den;
            --b;
        }
    }
}

}

Graphics::Graphics()
{
    m_column_starts.assign(1, 0);
    m_row_starts.assign(1, 0);
}

Graphics::~Graphics() = default;

void Graphics::SetForeColor(std::uint32_t rgb)
{
    if (m_observer) [[unlikely]]
        m_observer->OnSetForeColor(rgb);
    m_fore_color = rgb & 0xFFFFFF;
}

void Graphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (m_observer) [[unlikely]]
        m_observer->OnDrawLine(x1, y1, x2, y2);

    std::int64_t const dx = std::int64_t { x2 } - x1;
    std::int64_t const dy = std::int64_t { y2 } - y1;
    bool const along_x = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    std::uint32_t const color = OpaqueBlack | m_fore_color;
    std::int64_t const width = m_width;
    std::int64_t const height = m_height;

    // Rasterized from the end with the smaller major coordinate, which the pixel
    // rule makes no difference to.
    auto rasterize = [&](auto plot) {
        if (along_x) {
            auto plot_xy = [&](std::int64_t a, std::int64_t b) { plot(a, b); };
            if (x1 <= x2)
                RasterizeAlongMajorAxis(x1, y1, x2, y2, width, height, plot_xy);
            else
                RasterizeAlongMajorAxis(x2, y2, x1, y1, width, height, plot_xy);
        } else {
            auto plot_yx = [&](std::int64_t a, std::int64_t b) { plot(b, a); };
            if (y1 <= y2)
                RasterizeAlongMajorAxis(y1, x1, y2, x2, height, width, plot_yx);
            else
                RasterizeAlongMajorAxis(y2, x2, y1, x1, height, width, plot_yx);
        }
    };

    if (m_unit_ratio) {
        std::uint32_t* pixels = m_pixels.data();
        rasterize([pixels, width, color](std::int64_t x, std::int64_t y) { pixels[y * width + x] = color; });
    } else {
        // The rasteriser goes along the major axis in order, so each pixel after the
        // first knows where the one before it lay across the line.
        std::int64_t previous_minor = -1;
        if (along_x)
            rasterize([this, &previous_minor](std::int64_t x, std::int64_t y) { PlotLineStep<true>(x, y, previous_minor); });
        else
            rasterize([this, &previous_minor](std::int64_t x, std::int64_t y) { PlotLineStep<false>(x, y, previous_minor); });
    }
    Changed();
}

void Graphics::FillRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    if (m_observer) [[unlikely]]
        m_observer->OnFillRect(left, top, width, height);
    if (width > 0 && height > 0)
        FillLogical(left, top, std::int64_t { left } + width, std::int64_t { top } + height);
    Changed();
}

void Graphics::DrawRect(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    if (m_observer) [[unlikely]]
        m_observer->OnDrawRect(left, top, width, height);
    std::int64_t const right = std::int64_t { left } + width;
    std::int64_t const bottom = std::int64_t { top } + height;
    std::int64_t const first_column = std::max<std::int64_t>(left, 0);
    std::int64_t const last_column = std::min<std::int64_t>(right, m_width) - 1;
    std::int64_t const first_row = std::max<std::int64_t>(top, 0);
    std::int64_t const last_row = std::min<std::int64_t>(bottom, m_height) - 1;
    if (width > 0 && height > 0 && first_column <= last_column && first_row <= last_row) {
        // Each side is as thick as a line and lies where a line along it would; along
        // its length it reaches the far edge of the sides it meets, so the corners are
        // whole, or the surface's edge where those sides are clipped away.
        std::int64_t const thickness = m_line_width;
        std::int64_t const device_left = left >= 0 ? m_column_line_starts[static_cast<std::size_t>(first_column)] : 0;
        std::int64_t const device_right
            = right <= m_width ? m_column_line_starts[static_cast<std::size_t>(last_column)] + thickness : m_device_width;
        std::int64_t const device_top = top >= 0 ? m_row_line_starts[static_cast<std::size_t>(first_row)] : 0;
        std::int64_t const device_bottom
            = bottom <= m_height ? m_row_line_starts[static_cast<std::size_t>(last_row)] + thickness : m_device_height;
        if (top >= 0)
            FillDeviceBlock(device_left, device_top, device_right, device_top + thickness);
        if (bottom <= m_height)
            FillDeviceBlock(device_left, device_bottom - thickness, device_right, device_bottom);
        if (left >= 0)
            FillDeviceBlock(device_left, device_top, device_left + thickness, device_bottom);
        if (right <= m_width)
            FillDeviceBlock(device_right - thickness, device_top, device_right, device_bottom);
    }
    Changed();
}

std::uint32_t Graphics::Pixel(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || x >= m_width || y < 0 || y >= m_height)
        return 0;
    auto const row = static_cast<std::size_t>(ReadPosition(m_row_starts, m_row_line_starts, m_line_width, y));
    auto const column = static_cast<std::size_t>(ReadPosition(m_column_starts, m_column_line_starts, m_line_width, x));
    return m_pixels[row * static_cast<std::size_t>(m_device_width) + column] & 0xFFFFFF;
}

void Graphics::Resize(FrameworkKey, std::int32_t width, std::int32_t height, double device_pixel_ratio)
{
    device_pixel_ratio = SurfaceRatio(device_pixel_ratio);
    width = std::max(width, 0);
    height = std::max(height, 0);

    // Everything is allocated before anything changes, so a surface too large to
    // allocate leaves the old one whole.
    auto column_starts = BlockStarts(width, device_pixel_ratio);
    auto row_starts = BlockStarts(height, device_pixel_ratio);
    // A whole ratio gives lines their blocks' size; halves round up, so that a line at
    // 1.5 or 2.5 is no thinner than the wider blocks around it.
    auto const line_width = static_cast<std::int32_t>(std::min(std::round(device_pixel_ratio), 2147483647.0));
    auto column_line_starts = LineStarts(column_starts, line_width);
    auto row_line_starts = LineStarts(row_starts, line_width);
    std::vector<std::uint32_t> pixels(
        static_cast<std::size_t>(column_starts.back()) * static_cast<std::size_t>(row_starts.back()), White);

    m_width = width;
    m_height = height;
    m_device_pixel_ratio = device_pixel_ratio;
    m_unit_ratio = device_pixel_ratio == 1.0;
    m_device_width = column_starts.back();
    m_device_height = row_starts.back();
    m_column_starts = std::move(column_starts);
    m_row_starts = std::move(row_starts);
    m_line_width = line_width;
    m_column_line_starts = std::move(column_line_starts);
    m_row_line_starts = std::move(row_line_starts);
    m_pixels = std::move(pixels);
}

double Graphics::SurfaceRatio(double device_pixel_ratio)
{
    // Below 1 a logical pixel would have no device pixel of its own; such screens are
    // served at logical resolution.
    return std::isfinite(device_pixel_ratio) && device_pixel_ratio >= 1.0 ? device_pixel_ratio : 1.0;
}

void Graphics::SetChangeListener(FrameworkKey, std::function<void()> listener)
{
    m_change_listener = std::move(listener);
}

std::vector<std::int32_t> Graphics::BlockStarts(std::int32_t size, double ratio)
{
    // Logical pixel i covers device pixels floor(i * ratio) up to floor((i + 1) * ratio);
    // the last one ends at the rounded device size. Every block keeps at least one
    // device pixel, also where the product's rounding would close one up.
    std::vector<std::int32_t> starts(static_cast<std::size_t>(size) + 1);
    std::int64_t previous = -1;
    for (std::int32_t i = 0; i <= size; ++i) {
        double edge = i < size ? std::floor(i * ratio) : std::round(i * ratio);
        auto start = std::max(static_cast<std::int64_t>(std::min(edge, 4294967296.0)), previous + 1);
        if (start > std::numeric_limits<std::int32_t>::max())
            throw RuntimeException("the drawing surface is too large");
        starts[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(start);
        previous = start;
    }
    return starts;
}

std::vector<std::int32_t> Graphics::LineStarts(std::vector<std::int32_t> const& block_starts, std::int32_t line_width)
{
    // A line lies in the middle of its pixel's block, half a device pixel later where
    // the block leaves an odd number beside it; in a block narrower than the line it
    // starts with the block and reaches into the next one. The last line is moved in
    // where it would end beyond the surface, so that it ends on the surface's edge.
    std::size_t const count = block_starts.size() - 1;
    std::int64_t const last_start = std::int64_t { block_starts.back() } - line_width;
    std::vector<std::int32_t> starts(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::int64_t const block = std::int64_t { block_starts[i + 1] } - block_starts[i];
        std::int64_t const start = block_starts[i] + std::max<std::int64_t>(0, (block - line_width + 1) / 2);
        starts[i] = static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min(start, last_start)));
    }
    return starts;
}

std::int64_t Graphics::ReadPosition(std::vector<std::int32_t> const& block_starts,
    std::vector<std::int32_t> const& line_starts, std::int32_t line_width, std::int32_t i)
{
    // Where lines are thicker than the narrower blocks, the lines through two
    // neighbouring pixels share a device pixel; the last device pixel that a line
    // through this pixel has in the pixel's own block is not one of those.
    auto const index = static_cast<std::size_t>(i);
    return std::min<std::int64_t>(std::int64_t { line_starts[index] } + line_width, block_starts[index + 1]) - 1;
}

void Graphics::FillLogical(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, m_width);
    bottom = std::min<std::int64_t>(bottom, m_height);
    if (left >= right || top >= bottom)
        return;
    FillDeviceBlock(m_column_starts[static_cast<std::size_t>(left)], m_row_starts[static_cast<std::size_t>(top)],
        m_column_starts[static_cast<std::size_t>(right)], m_row_starts[static_cast<std::size_t>(bottom)]);
}

void Graphics::FillDeviceBlock(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    std::uint32_t const color = OpaqueBlack | m_fore_color;
    auto const stride = static_cast<std::size_t>(m_device_width);
    auto const columns = static_cast<std::size_t>(right - left);
    std::uint32_t* row = m_pixels.data() + static_cast<std::size_t>(top) * stride + static_cast<std::size_t>(left);
    // Whole rows lie next to one another, so the block is one run of pixels; a fill
    // of the whole surface is a single fill of the buffer.
    if (columns == stride) {
        FillPixels(row, static_cast<std::size_t>(bottom - top) * stride, color);
        return;
    }
    for (std::int64_t y = top; y < bottom; ++y, row += stride)
        FillPixels(row, columns, color);
}

template<bool along_x>
void Graphics::PlotLineStep(std::int64_t x, std::int64_t y, std::int64_t& previous_minor)
{
    // Along the line the pixel covers its whole block, so the line is continuous;
    // across it, the line's thickness. Where the line steps across and the two pixels'
    // runs do not touch (blocks wider than the line), the device pixels between them
    // are taken here too, so that a curve stays connected.
    auto const& line_starts = along_x ? m_row_line_starts : m_column_line_starts;
    std::int64_t const minor = along_x ? y : x;
    std::int64_t across_first = line_starts[static_cast<std::size_t>(minor)];
    std::int64_t across_end = across_first + m_line_width;
    if (previous_minor >= 0) {
        std::int64_t const previous_first = line_starts[static_cast<std::size_t>(previous_minor)];
        across_first = std::min(across_first, previous_first + m_line_width);
        across_end = std::max(across_end, previous_first);
    }
    previous_minor = minor;

    // A few device pixels each way: a plain loop beats a call to a fill.
    auto const column = static_cast<std::size_t>(x);
    auto const row = static_cast<std::size_t>(y);
    std::int64_t const left = along_x ? m_column_starts[column] : across_first;
    std::int64_t const right = along_x ? m_column_starts[column + 1] : across_end;
    std::int64_t const top = along_x ? across_first : m_row_starts[row];
    std::int64_t const bottom = along_x ? across_end : m_row_starts[row + 1];
    auto const stride = static_cast<std::size_t>(m_device_width);
    auto const columns = static_cast<std::size_t>(right - left);
    std::uint32_t const color = OpaqueBlack | m_fore_color;
    std::uint32_t* pixel = m_pixels.data() + static_cast<std::size_t>(top) * stride + static_cast<std::size_t>(left);
    for (std::int64_t r = top; r < bottom; ++r, pixel += stride) {
        for (std::size_t c = 0; c < columns; ++c)
            pixel[c] = color;
    }
}

void Graphics::Changed()
{
    if (m_change_listener)
        m_change_listener();
}
