#pragma once

#include "framework/MenuItem.h"

// The root of a menu tree: its children are the menus. One bar may be shared by the
// application and any number of windows; each window shows its own view of it, and
// an item's enabled state is the same in every view.
class MenuBar : public MenuItem {
public:
    MenuBar();
    ~MenuBar() override;
};
