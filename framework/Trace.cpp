#include "framework/Trace.h"

#include <string>
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

void Trace(std::string_view step, std::string_view subject)
{
    auto& sink = TraceSink();
    if (!sink)
        return;
    std::string text;
    text.reserve(step.size() + 1 + subject.size());
    text.append(step).append(1, ' ').append(subject);
    sink(text);
}
