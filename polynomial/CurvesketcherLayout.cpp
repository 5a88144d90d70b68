#include "polynomial/CurvesketcherLayout.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "parabola/LayoutTables.h"
#include "polynomial/PolynomialValues.h"

namespace Curvesketcher {

namespace {

// Row k of the value area: the label at left 20 and the slider at left 122, at the
// same top. The tab indexes follow the order of creation, not the rows.
struct ValueRow {
    std::int32_t top;
    std::int32_t slider_tab_index;
    std::int32_t label_tab_index;
    bool visible;
    std::string_view text;
};

constexpr std::array<ValueRow, MemberCount> value_rows { {
    { 549, 4, 5, true, "a = 0" },
    { 576, 3, 6, true, "b = 0" },
    { 604, 2, 7, false, "c = 0" },
    { 631, 9, 10, false, "d = 0" },
    { 659, 12, 13, false, "e = 0" },
    { 687, 14, 15, false, "f = 0" },
} };

// The tables of one array's six members, member 0 first.
template<class MakeTable>
std::array<PropertyStream, MemberCount> MemberTables(MakeTable make)
{
    std::array<PropertyStream, MemberCount> tables;
    for (std::int32_t i = 0; i < MemberCount; ++i)
        tables[static_cast<std::size_t>(i)] = make(i, value_rows[static_cast<std::size_t>(i)]);
    return tables;
}

}

PropertyStream const& WindowTable()
{
    static PropertyStream const table = GraphWindowTable("Curvesketcher", 720);
    return table;
}

PropertyStream const& FormulaTable()
{
    static PropertyStream const table = LabelTable({
        .name = "Formula",
        .left = 20,
        .top = 485,
        .width = 560,
        .height = 22,
        .lock_left = true,
        .lock_right = true,
        .lock_bottom = true,
        .tab_index = 1,
    }, "", 1, true);
    return table;
}

PropertyStream const& OrderMenuTable()
{
    static PropertyStream const table = PopupMenuTable({
        .name = "OrderMenu",
        .left = 20,
        .top = 517,
        .width = 301,
        .height = 20,
        .lock_left = true,
        .lock_bottom = true,
        .tab_index = 8,
    }, "Linear\rQuadratic\rCubic\rBiQuadratic\rQuintic");
    return table;
}

PropertyStream const& ModeMenuTable()
{
    static PropertyStream const table = PopupMenuTable({
        .name = "ModeMenu",
        .left = 343,
        .top = 517,
        .width = 237,
        .height = 20,
        .lock_left = true,
        .lock_right = true,
        .lock_bottom = true,
        .tab_index = 11,
    }, "Specify Coefficients\rSpecify Roots");
    return table;
}

PropertyStream const& ValueSliderTable(std::int32_t index)
{
    static auto const tables = MemberTables([](std::int32_t i, ValueRow const& row) {
        return SliderTable({
            .name = "ValueSlider",
            .index = i,
            .left = 122,
            .top = row.top,
            .width = 458,
            .height = 23,
            .lock_left = true,
            .lock_right = true,
            .lock_bottom = true,
            .tab_index = row.slider_tab_index,
        }, row.visible);
    });
    return tables.at(static_cast<std::size_t>(index));
}

PropertyStream const& ValueDisplayTable(std::int32_t index)
{
    static auto const tables = MemberTables([](std::int32_t i, ValueRow const& row) {
        return LabelTable({
            .name = "ValueDisplay",
            .index = i,
            .left = 20,
            .top = row.top,
            .width = 90,
            .height = 20,
            .lock_left = true,
            .lock_bottom = true,
            .tab_index = row.label_tab_index,
        }, row.text, 0, row.visible);
    });
    return tables.at(static_cast<std::size_t>(index));
}

}
