#pragma once

#include <string_view>

// Brings the menus' enabled state up to date: disables every AutoEnable item but the
// menu titles and Quit, raises EnableMenuItems on the application object and on the
// front window, then enables every item for which the front window has a handler.
void UpdateMenuItems();
// Carries out a menu command as if it were chosen: Quit ends the event loop;
// otherwise the front window's handler is asked first, then the application's, and
// the first that returns true ends it. A disabled item does nothing. Returns whether
// a handler took it.
bool ChooseMenuItem(std::string_view name);
