#pragma once

#include <functional>
#include <string_view>

// A sink for the framework's life-cycle steps (start-up, construction hooks,
// registration, finalisation, menu-bar release). Tests set one to check the order of
// those steps; with none set, tracing costs one branch.
void SetTraceSink(std::function<void(std::string_view)> sink);
void Trace(std::string_view step);
