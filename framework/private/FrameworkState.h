#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <exception>
#include <memory>
#include <vector>

#include "framework/Application.h"
#include "framework/ExceptionHelper.h"
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

}
