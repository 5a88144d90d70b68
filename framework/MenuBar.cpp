#include "framework/MenuBar.h"

#include "framework/Trace.h"

MenuBar::MenuBar() = default;

MenuBar::~MenuBar()
{
    Trace("MenuBar released");
}
