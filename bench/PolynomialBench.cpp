#include <array>
#include <chrono>
#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "framework/Object.h"
#include "framework/testing/ReferenceDrawing.h"
#include "framework/testing/TestSupport.h"
#include "parabola/SliderValue.h"
#include "polynomial/Curvesketcher.h"
#include "polynomial/PolynomialEvaluation.h"
#include "polynomial/PolynomialValues.h"
#include "shell/MenuBar1.h"

namespace {

constexpr std::int32_t Quintic = 4;

struct QuinticCase {
    char const* label;
    std::int32_t mode;
    std::array<std::int32_t, 6> positions;
};

// 0.2 x^5 - 0.5 x^4 - x^3 + 1.5 x^2 + 2 x - 3, and the roots -4, -2, 0, 2 and 4.
constexpr std::array<QuinticCase, 2> quintic_cases { {
    { "Quintic by coefficients", 0, { 4, -10, -20, 30, 40, -60 } },
    { "Quintic by roots", 1, { -80, -40, 0, 40, 80, 0 } },
} };

// The window around a canvas of the given size: the canvas keeps 40 pixels of the
// width and 260 of the height for the other controls.
std::shared_ptr<Curvesketcher::Curvesketcher> OpenQuinticWindow(std::int32_t canvas_width, std::int32_t canvas_height, QuinticCase const& c)
{
    auto window = RuntimeNewObject<Curvesketcher::Curvesketcher>();
    window->Constructor();
    window->Resize(canvas_width + 40, canvas_height + 260);
    Testing::ProcessEvents();
    window->OrderMenu().SetListIndex(Quintic);
    window->ModeMenu().SetListIndex(c.mode);
    for (std::int32_t i = 0; i < Curvesketcher::MemberCount; ++i)
        window->ValueSlider(i).SetValue(c.positions[static_cast<std::size_t>(i)]);
    Testing::ProcessEvents();
    return window;
}

// The curve reads both pop-up menus afresh at each of its 1001 samples; this is what
// those 2002 look-ups and reads cost on their own, and their share of one update.
void MeasureMenuReads(benchmark::State& state, Curvesketcher::Curvesketcher& window)
{
    using Clock = std::chrono::steady_clock;
    constexpr int rounds = 200;
    std::int64_t sum = 0;
    auto const start = Clock::now();
    for (int round = 0; round < rounds; ++round) {
        for (double x = -5.0; !(x > 5.0); x += 0.01)
            sum += window.ModeMenu().ListIndex() + window.OrderMenu().ListIndex();
    }
    auto const end = Clock::now();
    benchmark::DoNotOptimize(sum);
    double const menu_reads_us = std::chrono::duration<double, std::micro>(end - start).count() / rounds;
    state.counters["menu_reads_us"] = menu_reads_us;
    state.counters["menu_reads_share"] = menu_reads_us / state.counters["window_us"].value;
}

void PolynomialUpdateGraph(benchmark::State& state)
{
    auto const width = static_cast<std::int32_t>(state.range(0));
    auto const height = static_cast<std::int32_t>(state.range(1));
    auto const& c = quintic_cases.at(static_cast<std::size_t>(state.range(2)));
    state.SetLabel(c.label);
    auto window = OpenQuinticWindow(width, height, c);
    if (window->Graph().Width() != width || window->Graph().Height() != height) {
        state.SkipWithError("the canvas did not take the size");
        Testing::ResetFramework();
        MenuBar1::MenuBar1::ReleaseInstance();
        return;
    }

    Curvesketcher::PolynomialValues values {};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = SliderValue(c.positions[i]);
    Testing::ReferenceImage image(width, height);
    auto const curve = [&](double x) { return Curvesketcher::EvaluatePolynomial(Quintic, c.mode, values, x); };
    CompareWithReference(state, [&] { window->UpdateGraph(); }, [&] { image.Draw(curve); });
    state.counters["pixels_differing"] = static_cast<double>(PixelsDiffering(*window->Graph().Graphics(), image));
    MeasureMenuReads(state, *window);

    Testing::ResetFramework();
    MenuBar1::MenuBar1::ReleaseInstance();
}

}

BENCHMARK(PolynomialUpdateGraph)
    ->Args({ 560, 460, 0 })
    ->Args({ 560, 460, 1 })
    ->Args({ 3840, 2160, 0 })
    ->Args({ 3840, 2160, 1 })
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
