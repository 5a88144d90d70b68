#include "framework/UnhandledException.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#if __has_include(<cxxabi.h>)
#    include <cxxabi.h>
#endif

#include "framework/Object.h"
#include "framework/private/FrameworkState.h"

using Framework::GetState;

namespace {

// The name of an exception's own class as the source spells it, e.g.
// "std::bad_alloc", where the compiler can tell it.
std::string ExceptionTypeName(std::type_info const& type)
{
#if __has_include(<cxxabi.h>)
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> const name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0 && name)
        return name.get();
#endif
    return type.name();
}

}

void UnhandledException(std::exception_ptr exception)
{
    if (!exception)
        return;
    std::string line = "Unhandled ";
    try {
        std::rethrow_exception(exception);
    } catch (RuntimeException const& error) {
        line += std::string(error.TypeName()) + ": " + error.what();
    } catch (std::exception const& error) {
        line += ExceptionTypeName(typeid(error)) + ": " + error.what();
    } catch (...) {
        line += "exception of unknown type";
    }
    // One line, whatever the message holds.
    std::replace(line.begin(), line.end(), '\n', ' ');
    line += '\n';
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    GetState().exit_status = 1;
}
