#pragma once

#include <functional>
#include <string_view>

// A sink for the framework's life-cycle steps (start-up, construction hooks,
// registration, finalisation, menu-bar release). Tests set one to check the order of
// those steps, and only steps that a test reads are traced; with none set, tracing
// costs one branch.
void SetTraceSink(std::function<void(std::string_view)> sink);
void Trace(std::string_view step);
// A step with its subject, e.g. "RuntimeAddEventHandler" and the control's name,
// joined by one blank. The text is put together only when a sink is set, so that a
// step traced at every registration allocates nothing in the program.
void Trace(std::string_view step, std::string_view subject);
