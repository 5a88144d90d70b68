#pragma once

#include "framework/BuildControl.h"

// What both graph windows give their labels and pop-up menus before the tables, which
// hold neither: 14-point text, in the only text unit.
inline constexpr ControlDefaults GraphWindowControlDefaults {
    .label_text_size = 14.0f,
    .text_unit = 0,
};
