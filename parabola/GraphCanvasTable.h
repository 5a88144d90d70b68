#pragma once

#include "framework/PropertyStream.h"

// The table of the canvas `Graph`: one constant, the same for both graph windows.
PropertyStream const& GraphCanvasTable();
