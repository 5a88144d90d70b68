#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <memory>

#include "framework/Window.h"

// The framework's own sources keep the window order: a window joins it at the back
// when it opens, leaves it when it closes, and moves to the front when it is
// activated.
namespace Framework {

void AddOpenWindow(std::shared_ptr<Window> window);
void RemoveOpenWindow(Window const& window);
// Reorders only: the menus keep the state they have.
void MoveToFront(Window const& window);
// Moves the window to the front and brings the menus up to date for it.
void MoveToFrontAndUpdateMenus(Window const& window);

// Closes every window (no menu update is due while the framework shuts down).
void CloseAllWindows();

}
