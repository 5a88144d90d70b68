#include <chrono>
#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include "framework/ExceptionHelper.h"
#include "framework/Runtime.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "parabola/Arcsketcher.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"

namespace {

// Whether the screen shows the parabola window's drawn graph: the frame's top
// row, the white background and the grid line x = -4.
bool GraphShown()
{
    auto window = std::dynamic_pointer_cast<Arcsketcher::Arcsketcher>(GetImplicitWindow(Arcsketcher::Arcsketcher::ClassNameText));
    if (!window)
        return false;
    auto& graph = window->Graph();
    return Testing::ShownPixel(graph, 100, 0) == 0x000000 && Testing::ShownPixel(graph, 30, 100) == 0xFFFFFF
        && Testing::ShownPixel(graph, 56, 100) == 0xE0E0E0;
}

// The program's own start-up, from the start-up routine to the first frame that
// shows the graph, in a process whose toolkit is already running: what the real
// program's start-up costs beyond loading itself and connecting to the display.
void StartupToFirstPaint(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    constexpr int max_rounds = 1000;
    RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
    for (auto _ : state) {
        auto const start = Clock::now();
        RunFrameworkInitialization(Startup);
        int rounds = 0;
        for (; rounds < max_rounds && !GraphShown(); ++rounds)
            Testing::ProcessEvents();
        auto const end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        Testing::ResetFramework();
        MenuBar1::MenuBar1::ReleaseInstance();
        if (rounds == max_rounds) {
            state.SkipWithError("the graph was never shown");
            break;
        }
    }
    RuntimeSetExceptionHelper(nullptr);
}

}

BENCHMARK(StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);
