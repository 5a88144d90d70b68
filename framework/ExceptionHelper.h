#pragma once

#include <exception>
#include <functional>

// Every handler that the framework calls from the event loop runs through the helper,
// which returns the exception that escaped, or nil.
using ExceptionHelper = std::exception_ptr (*)(std::function<void()> const&);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
std::exception_ptr CallFunctionWithExceptionHandling(std::function<void()> const& function);
