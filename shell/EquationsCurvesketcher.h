#pragma once

#include <memory>

#include "framework/MenuItem.h"

// The item EquationsCurvesketcher of the application's menu bar, or nil when the bar
// has none. Raises NilObjectException while no application object or menu bar is
// there.
std::shared_ptr<MenuItem> EquationsCurvesketcher();
