#include "framework/MenuBar.h"

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() = default;
