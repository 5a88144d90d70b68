#include "framework/Trace.h"

#include <utility>

namespace {
std::function<void(std::string_view)>& TraceSink()
{
    static std::function<void(std::string_view)> sink;
    return sink;
}
}

void SetTraceSink(std::function<void(std::string_view)> sink)
{
    TraceSink() = std::move(sink);
}

void Trace(std::string_view step)
{
    if (auto& sink = TraceSink())
        sink(step);
}
