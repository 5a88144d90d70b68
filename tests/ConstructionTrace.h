#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Trace.h"

// The tables applied, the text units set and the handlers attached while `construct`
// runs, in order: "SetProperties Graph", "RuntimeAddEventHandler Graph",
// "SetTextUnit Formula", ... ("SetProperties " for a window's own table, which names
// no control).
inline std::vector<std::string> ConstructionSteps(std::function<void()> const& construct)
{
    std::vector<std::string> steps;
    SetTraceSink([&](std::string_view step) {
        if (step.starts_with("SetProperties ") || step.starts_with("SetTextUnit ") || step.starts_with("RuntimeAddEventHandler "))
            steps.emplace_back(step);
    });
    construct();
    SetTraceSink({});
    return steps;
}
