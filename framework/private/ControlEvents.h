#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <memory>
#include <utility>

#include "framework/Window.h"
#include "framework/private/EventBoundary.h"

// Raises a control's own event with its handler: nothing without a handler, while
// the control's window is constructed, or once that window has closed. The handler
// may close the window or attach another handler in its own place; the control, its
// window and the handler's closure all live until the handler returns.
template<class C, class Handler, class... Args>
void RaiseControlEvent(C& control, Handler const& handler, Args&... args)
{
    if (!handler)
        return;
    auto window = control.OwnerWindow();
    if (window ? window->IsConstructing() : control.WindowClosed())
        return;
    auto keep = control.shared_from_this();
    Handler const running = handler;
    running(control, args...);
}

// A toolkit callback for what the user does to a control: it runs through the
// event-dispatch boundary, and only while the control lives.
template<class C, class Action>
auto AtBoundary(C& control, Action action)
{
    std::weak_ptr<C> weak = std::static_pointer_cast<C>(control.shared_from_this());
    return [weak = std::move(weak), action = std::move(action)](auto... args) {
        Framework::RunAtBoundary([&] {
            if (auto self = weak.lock())
                action(*self, args...);
        });
    };
}
