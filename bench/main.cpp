#include <cstdlib>

#include <benchmark/benchmark.h>

#include "framework/Runtime.h"

// The windows are real, on the offscreen platform unless a display is asked for.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    RuntimeInit();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
