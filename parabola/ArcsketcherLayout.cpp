#include "parabola/ArcsketcherLayout.h"

#include <cstdint>
#include <string_view>

#include "parabola/LayoutTables.h"

namespace Arcsketcher {

namespace {

// The sliders stand one above the other at the right, stretched with the window and
// kept at its bottom edge.
PropertyStream ParameterSliderTable(std::string_view name, std::int32_t top, std::int32_t tab_index)
{
    return SliderTable({
        .name = name,
        .left = 122,
        .top = top,
        .width = 458,
        .height = 23,
        .lock_left = true,
        .lock_right = true,
        .lock_bottom = true,
        .tab_index = tab_index,
    }, true);
}

// The value labels stand at the left of their sliders and keep their width.
PropertyStream ValueLabelTable(std::string_view name, std::int32_t top, std::int32_t tab_index, std::string_view text)
{
    return LabelTable({
        .name = name,
        .left = 20,
        .top = top,
        .width = 90,
        .height = 20,
        .lock_left = true,
        .lock_bottom = true,
        .tab_index = tab_index,
    }, text, 0, true);
}

}

PropertyStream const& WindowTable()
{
    static PropertyStream const table = GraphWindowTable("Arcsketcher", 640);
    return table;
}

PropertyStream const& FormulaTable()
{
    static PropertyStream const table = LabelTable({
        .name = "Formula",
        .left = 20,
        .top = 485,
        .width = 560,
        .height = 30,
        .lock_left = true,
        .lock_right = true,
        .lock_bottom = true,
        .tab_index = 1,
    }, "", 1, true);
    return table;
}

PropertyStream const& KSliderTable()
{
    static PropertyStream const table = ParameterSliderTable("KSlider", 597, 2);
    return table;
}

PropertyStream const& HSliderTable()
{
    static PropertyStream const table = ParameterSliderTable("HSlider", 562, 3);
    return table;
}

PropertyStream const& ASliderTable()
{
    static PropertyStream const table = ParameterSliderTable("ASlider", 527, 4);
    return table;
}

PropertyStream const& AValueTable()
{
    static PropertyStream const table = ValueLabelTable("AValue", 527, 5, "a = 0");
    return table;
}

PropertyStream const& HValueTable()
{
    static PropertyStream const table = ValueLabelTable("HValue", 559, 6, "h = 0");
    return table;
}

PropertyStream const& KValueTable()
{
    static PropertyStream const table = ValueLabelTable("KValue", 591, 7, "k = 0");
    return table;
}

}
