#include "framework/ExceptionHelper.h"
#include "framework/private/EventBoundary.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>

#include "framework/private/FrameworkState.h"

namespace Framework {

void RunAtBoundary(std::function<void()> const& code)
{
    auto& state = GetState();
    // Once an exception has escaped, the loop is on its way out: events still queued
    // run no more handler code, and the first exception stays the one reported.
    if (state.escaped)
        return;
    std::exception_ptr escaped;
    ++state.boundary_depth;
    try {
        escaped = state.exception_helper ? state.exception_helper(code) : CallFunctionWithExceptionHandling(code);
    } catch (...) {
        // A helper that lets an exception through must not let it reach Qt either.
        escaped = std::current_exception();
    }
    --state.boundary_depth;
    if (escaped && !state.escaped) {
        state.escaped = escaped;
        if (state.loop_depth > 0)
            QCoreApplication::exit(1);
    }
    // Back in the event loop, nothing runs any more in a window closed meanwhile. Code
    // outside the loop (start-up, a test) may still hold what it looked up, even
    // while the toolkit sends it events: the releases then wait for the loop.
    if (state.boundary_depth == 0 && state.loop_depth > 0)
        ReleaseClosedControls();
}

void ReleaseLater(std::vector<std::shared_ptr<Control>> controls)
{
    auto& closed = GetState().closed_controls;
    for (auto& control : controls)
        closed.push_back(std::move(control));
}

void ReleaseClosedControls()
{
    // Taken off the list before any of them goes, so that nothing their destruction
    // does can meet a list half cleared.
    auto released = std::exchange(GetState().closed_controls, {});
    released.clear();
}

void DeleteDeferredWidgets()
{
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}

using Framework::GetState;

void RuntimeSetExceptionHelper(ExceptionHelper helper)
{
    GetState().exception_helper = helper;
}

std::exception_ptr CallFunctionWithExceptionHandling(std::function<void()> const& function)
{
    try {
        function();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}
