#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <functional>
#include <memory>
#include <vector>

#include "framework/Control.h"

namespace Framework {

// The event-dispatch boundary: every call from the native toolkit into framework
// events goes through here. The code runs through the exception helper; an exception
// that escapes is kept for RuntimeRun, ends a running loop, and never reaches the
// toolkit's own dispatch.
// Once one exception has escaped, the boundary runs no further code. Leaving the
// outermost boundary inside the event loop releases the controls of the windows
// closed meanwhile.
void RunAtBoundary(std::function<void()> const& code);

// A closed window's controls (with their widgets) are kept until control is back in
// the event loop: the handler that closed the window may still run in one of them, or
// hold another that it looked up. The outermost boundary inside the loop, the tests'
// event processing and the framework's shut-down release them.
void ReleaseLater(std::vector<std::shared_ptr<Control>> controls);
void ReleaseClosedControls();

// Deletes the widgets whose deletion was deferred, so that nothing outlives its use.
void DeleteDeferredWidgets();

}
