#pragma once

#include <exception>

// Writes one line naming the exception to standard error and sets the exit status
// to 1; it returns.
void UnhandledException(std::exception_ptr exception);
