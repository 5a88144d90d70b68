#include "parabola/ArcsketcherLayout.h"

#include <cstdint>
#include <string_view>

#include "parabola/LayoutTables.h"

namespace Arcsketcher {

namespace {

// The sliders stand one above the other at the right, stretched with the window and
// kept at its bottom edge.
PropertyStream SliderTable(std::string_view name, std::int32_t top, std::int32_t tab_index)
{
    return SliderTableStream({
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
    return LabelTableStream({
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

PropertyStream const& WindowStream()
{
    static PropertyStream const stream = WindowTableStream("Arcsketcher", 640);
    return stream;
}

PropertyStream const& FormulaStream()
{
    static PropertyStream const stream = LabelTableStream({
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
    return stream;
}

PropertyStream const& KSliderStream()
{
    static PropertyStream const stream = SliderTable("KSlider", 597, 2);
    return stream;
}

PropertyStream const& HSliderStream()
{
    static PropertyStream const stream = SliderTable("HSlider", 562, 3);
    return stream;
}

PropertyStream const& ASliderStream()
{
    static PropertyStream const stream = SliderTable("ASlider", 527, 4);
    return stream;
}

PropertyStream const& AValueStream()
{
    static PropertyStream const stream = ValueLabelTable("AValue", 527, 5, "a = 0");
    return stream;
}

PropertyStream const& HValueStream()
{
    static PropertyStream const stream = ValueLabelTable("HValue", 559, 6, "h = 0");
    return stream;
}

PropertyStream const& KValueStream()
{
    static PropertyStream const stream = ValueLabelTable("KValue", 591, 7, "k = 0");
    return stream;
}

}
