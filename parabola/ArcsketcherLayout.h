#pragma once

#include "framework/PropertyStream.h"

// The parabola window's layout tables, each one constant stream built on first use.
// The canvas `Graph` takes the shared GraphCanvasStream().
namespace Arcsketcher {

PropertyStream const& WindowStream();
PropertyStream const& FormulaStream();
PropertyStream const& KSliderStream();
PropertyStream const& HSliderStream();
PropertyStream const& ASliderStream();
PropertyStream const& AValueStream();
PropertyStream const& HValueStream();
PropertyStream const& KValueStream();

}
