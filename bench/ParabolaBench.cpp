#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "framework/testing/ReferenceDrawing.h"
#include "framework/testing/TestSupport.h"
#include "parabola/Arcsketcher.h"
#include "parabola/ParabolaMath.h"
#include "shell/MenuBar1.h"

namespace {

// The parabola with its vertex at (2, 1) and a = 1.
double ParabolaCurve(double x)
{
    return ParabolaValue(1.0, 2.0, 1.0, x);
}

// The window around a canvas of the given size: the canvas keeps 40 pixels of the
// width and 180 of the height for the other controls.
std::shared_ptr<Arcsketcher::Arcsketcher> OpenParabolaWindow(std::int32_t canvas_width, std::int32_t canvas_height)
{
    auto window = Arcsketcher::Arcsketcher::Instance();
    window->Resize(canvas_width + 40, canvas_height + 180);
    Testing::ProcessEvents();
    // ParabolaCurve's parabola.
    window->ASlider().SetValue(20);
    window->HSlider().SetValue(40);
    window->KSlider().SetValue(20);
    Testing::ProcessEvents();
    return window;
}

void ParabolaUpdateGraph(benchmark::State& state)
{
    auto const width = static_cast<std::int32_t>(state.range(0));
    auto const height = static_cast<std::int32_t>(state.range(1));
    auto window = OpenParabolaWindow(width, height);
    if (window->Graph().Width() != width || window->Graph().Height() != height) {
        state.SkipWithError("the canvas did not take the size");
        Testing::ResetFramework();
        return;
    }

    Testing::ReferenceImage image(width, height);
    CompareWithReference(state, [&] { window->UpdateGraph(); }, [&] { image.Draw(ParabolaCurve); });
    state.counters["pixels_differing"] = static_cast<double>(PixelsDiffering(*window->Graph().Graphics(), image));

    Testing::ResetFramework();
    MenuBar1::MenuBar1::ReleaseInstance();
}

void ReferenceQPainter(benchmark::State& state)
{
    Testing::ReferenceImage image(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state)
        image.Draw(ParabolaCurve);
}

}

BENCHMARK(ParabolaUpdateGraph)->Args({ 560, 460 })->Args({ 3840, 2160 })->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(ReferenceQPainter)->Args({ 560, 460 })->Args({ 3840, 2160 })->Unit(benchmark::kMicrosecond);
