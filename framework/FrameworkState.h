#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

class QApplication;

// The framework's module state, shared by its own sources only.
namespace Framework {

struct State {
    int init_depth { 0 };
    // The native application object, when the runtime made it.
    QApplication* native_application { nullptr };
    int loop_depth { 0 };
    bool quit_requested { false };
    ExceptionHelper exception_helper { nullptr };
    std::exception_ptr escaped;
    int exit_status { 0 };
    bool finalizing { false };
    std::shared_ptr<Application> application;
    // Every open window, front one first.
    std::vector<std::shared_ptr<Window>> windows;
    // How deep the event-dispatch boundary is nested at the moment.
    int boundary_depth { 0 };
    // The controls of windows closed while a handler may still be using them.
    std::vector<std::shared_ptr<Control>> closed_controls;
};

State& GetState();

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

void AddOpenWindow(std::shared_ptr<Window> window, bool in_front);
void RemoveOpenWindow(Window const& window);
void MoveToFront(Window const& window);
// Moves the window to the front and brings the menus up to date for it.
void BringToFront(Window const& window);

// Closes every window (no menu update is due while the framework shuts down).
void CloseAllWindows();

// Deletes the widgets whose deletion was deferred, so that nothing outlives its use.
void DeleteDeferredWidgets();

}
