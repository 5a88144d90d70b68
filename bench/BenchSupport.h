#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include <benchmark/benchmark.h>

#include "framework/Graphics.h"
#include "framework/testing/ReferenceDrawing.h"

// Times a window's update and the bare reference drawing of the same picture in
// turn, iteration by iteration, so that both see the same machine state. The
// benchmark's own time is the window's; the counters give both in microseconds and
// their ratio.
inline void CompareWithReference(benchmark::State& state, std::function<void()> const& update, std::function<void()> const& reference)
{
    using Clock = std::chrono::steady_clock;
    std::chrono::duration<double> window_total {};
    std::chrono::duration<double> reference_total {};
    for (auto _ : state) {
        auto const start = Clock::now();
        update();
        auto const middle = Clock::now();
        reference();
        auto const end = Clock::now();
        window_total += middle - start;
        reference_total += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    double const iterations = static_cast<double>(state.iterations());
    state.counters["window_us"] = window_total.count() * 1e6 / iterations;
    state.counters["reference_us"] = reference_total.count() * 1e6 / iterations;
    state.counters["ratio"] = window_total.count() / reference_total.count();
}

// How many pixels of the surface differ from the reference image: a check that the
// two draw the same picture, not a timing (see ReferenceDrawing.h for why it is not
// zero everywhere).
inline std::int64_t PixelsDiffering(Graphics const& surface, Testing::ReferenceImage const& image)
{
    std::int64_t differing = 0;
    for (std::int32_t y = 0; y < surface.Height(); ++y)
        for (std::int32_t x = 0; x < surface.Width(); ++x)
            differing += surface.Pixel(x, y) != image.Pixel(x, y);
    return differing;
}
