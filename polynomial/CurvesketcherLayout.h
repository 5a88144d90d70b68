#pragma once

#include <cstdint>

#include "framework/PropertyStream.h"

namespace Curvesketcher {

// The polynomial window's layout tables, each a property stream built once from its
// rows. The canvas `Graph` takes the graph canvas table that both windows share.
PropertyStream const& WindowTable();
PropertyStream const& FormulaTable();
PropertyStream const& OrderMenuTable();
PropertyStream const& ModeMenuTable();
// The tables of the array members, by their index 0 to 5.
PropertyStream const& ValueSliderTable(std::int32_t index);
PropertyStream const& ValueDisplayTable(std::int32_t index);

}
