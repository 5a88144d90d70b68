#pragma once

#include "framework/PropertyStream.h"

// The parabola window's layout tables, each one constant table built on first use.
// The canvas `Graph` takes the shared GraphCanvasTable().
namespace Arcsketcher {

PropertyStream const& WindowTable();
PropertyStream const& FormulaTable();
PropertyStream const& KSliderTable();
PropertyStream const& HSliderTable();
PropertyStream const& ASliderTable();
PropertyStream const& AValueTable();
PropertyStream const& HValueTable();
PropertyStream const& KValueTable();

}
