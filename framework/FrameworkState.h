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
};

State& GetState();

// The event-dispatch boundary: every call from the native toolkit into framework
// events goes through here. The code runs through the exception helper; an exception
// that escapes is kept for RuntimeRun, ends a running loop, and never reaches the
// toolkit's own dispatch.
void RunAtBoundary(std::function<void()> const& code);

void AddOpenWindow(std::shared_ptr<Window> window, bool in_front);
void RemoveOpenWindow(Window const& window);
void MoveToFront(Window const& window);

// Closes every window (no menu update is due while the framework shuts down).
void CloseAllWindows();

// Deletes the widgets whose deletion was deferred, so that nothing outlives its use.
void DeleteDeferredWidgets();

}
