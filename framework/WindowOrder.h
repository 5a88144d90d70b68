#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "framework/Window.h"

// The open implicit window of that class name, or nil.
std::shared_ptr<Window> GetImplicitWindow(std::string_view class_name);
// Every open window, front one first.
std::vector<std::shared_ptr<Window>> OpenWindows();
// The front window, or nil when no window is open: the window that the window
// system last activated, or in which a command was last chosen. Showing a window
// does not make it the front one; a window opened while none is open is in front.
std::shared_ptr<Window> FrontWindow();
