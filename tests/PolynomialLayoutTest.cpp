#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Control.h"
#include "framework/PropertyStream.h"
#include "parabola/GraphCanvasTable.h"
#include "polynomial/CurvesketcherLayout.h"
#include "ParabolaLayoutRows.h"

namespace {

using namespace Curvesketcher;

PropertyValue ValueOf(PropertyStream const& table, std::string_view name)
{
    for (auto const& entry : ReadPropertyStream(table))
        if (entry.name == name)
            return entry.value;
    ADD_FAILURE() << "no property " << name;
    return {};
}

constexpr std::int32_t none = Control::NoIndex;
constexpr char const* order_rows = "Linear\rQuadratic\rCubic\rBiQuadratic\rQuintic";
constexpr char const* mode_rows = "Specify Coefficients\rSpecify Roots";

struct TableCase {
    PropertyStream const& table;
    ExpectedControl expected;
};

// The control tables in the order of creation, which is also the tab order.
std::vector<TableCase> ControlTables()
{
    using enum TableClass;
    return {
        { GraphCanvasTable(), { Canvas, "Graph", none, 20, 14, 560, 460, "LTRB", 0 } },
        { FormulaTable(), { Label, "Formula", none, 20, 485, 560, 22, "LRB", 1, true, "", 1 } },
        { ValueSliderTable(2), { Slider, "ValueSlider", 2, 122, 604, 458, 23, "LRB", 2, false } },
        { ValueSliderTable(1), { Slider, "ValueSlider", 1, 122, 576, 458, 23, "LRB", 3, true } },
        { ValueSliderTable(0), { Slider, "ValueSlider", 0, 122, 549, 458, 23, "LRB", 4, true } },
        { ValueDisplayTable(0), { Label, "ValueDisplay", 0, 20, 549, 90, 20, "LB", 5, true, "a = 0" } },
        { ValueDisplayTable(1), { Label, "ValueDisplay", 1, 20, 576, 90, 20, "LB", 6, true, "b = 0" } },
        { ValueDisplayTable(2), { Label, "ValueDisplay", 2, 20, 604, 90, 20, "LB", 7, false, "c = 0" } },
        { OrderMenuTable(), { PopupMenu, "OrderMenu", none, 20, 517, 301, 20, "LB", 8, true, order_rows } },
        { ValueSliderTable(3), { Slider, "ValueSlider", 3, 122, 631, 458, 23, "LRB", 9, false } },
        { ValueDisplayTable(3), { Label, "ValueDisplay", 3, 20, 631, 90, 20, "LB", 10, false, "d = 0" } },
        { ModeMenuTable(), { PopupMenu, "ModeMenu", none, 343, 517, 237, 20, "LRB", 11, true, mode_rows } },
        { ValueSliderTable(4), { Slider, "ValueSlider", 4, 122, 659, 458, 23, "LRB", 12, false } },
        { ValueDisplayTable(4), { Label, "ValueDisplay", 4, 20, 659, 90, 20, "LB", 13, false, "e = 0" } },
        { ValueSliderTable(5), { Slider, "ValueSlider", 5, 122, 687, 458, 23, "LRB", 14, false } },
        { ValueDisplayTable(5), { Label, "ValueDisplay", 5, 20, 687, 90, 20, "LB", 15, false, "f = 0" } },
    };
}

TEST(PolynomialLayout, WindowTable)
{
    EXPECT_EQ(ReadPropertyStream(WindowTable()), ExpectedWindowRows("Curvesketcher", 720));
    // The parabola window's 278 bytes, with two more letters in the title.
    EXPECT_EQ(WindowTable().size(), 280u);
}

// Each table holds every row of its class in order, and the canvas's is the very
// table of the parabola window.
TEST(PolynomialLayout, ControlTablesHoldTheirRowsInOrder)
{
    for (auto const& c : ControlTables()) {
        SCOPED_TRACE(c.expected.name + " " + std::to_string(c.expected.index));
        EXPECT_EQ(ReadPropertyStream(c.table), ExpectedControlRows(c.expected));
    }
}

TEST(PolynomialLayout, LabelAndMenuContents)
{
    EXPECT_EQ(ValueOf(FormulaTable(), "Text").AsText(), "");
    EXPECT_EQ(ValueOf(FormulaTable(), "TextAlign").AsInt32(), 1);
    char const* const texts[] = { "a = 0", "b = 0", "c = 0", "d = 0", "e = 0", "f = 0" };
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(ValueOf(ValueDisplayTable(i), "Text").AsText(), texts[i]);
        EXPECT_EQ(ValueOf(ValueDisplayTable(i), "TextAlign").AsInt32(), 0);
    }

    // The rows are one text joined by carriage returns, none after the last.
    auto const order_rows = ValueOf(OrderMenuTable(), "InitialValue").AsText();
    EXPECT_EQ(order_rows, "Linear\rQuadratic\rCubic\rBiQuadratic\rQuintic");
    EXPECT_EQ(order_rows.size(), 42u);
    auto const mode_rows = ValueOf(ModeMenuTable(), "InitialValue").AsText();
    EXPECT_EQ(mode_rows, "Specify Coefficients\rSpecify Roots");
    EXPECT_EQ(mode_rows.size(), 34u);
    EXPECT_EQ(ValueOf(OrderMenuTable(), "ListIndex").AsInt32(), 0);
    EXPECT_EQ(ValueOf(ModeMenuTable(), "ListIndex").AsInt32(), 0);
    EXPECT_EQ(ValueOf(ModeMenuTable(), "TextFont").AsText(), "System");
    EXPECT_TRUE(ValueOf(ModeMenuTable(), "TabStop").AsBoolean());
}

}
