#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Control.h"
#include "framework/PropertyStream.h"
#include "parabola/GraphCanvasTable.h"
#include "polynomial/CurvesketcherLayout.h"

namespace {

using namespace Curvesketcher;

std::vector<std::string> NamesOf(PropertyStream const& stream)
{
    std::vector<std::string> names;
    for (auto const& entry : ReadPropertyStream(stream))
        names.push_back(entry.name);
    return names;
}

PropertyValue ValueOf(PropertyStream const& stream, std::string_view name)
{
    for (auto const& entry : ReadPropertyStream(stream))
        if (entry.name == name)
            return entry.value;
    ADD_FAILURE() << "no property " << name;
    return {};
}

std::vector<std::string> const label_order { "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
    "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "Text", "TextAlign", "TextColor", "Multiline", "Enabled",
    "Visible", "Selectable", "Transparent", "HelpTag", "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline",
    "DataSource", "DataField", "InitialParent" };
std::vector<std::string> const slider_order { "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
    "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
    "Minimum", "Value", "Maximum", "LineStep", "PageStep", "LiveScroll", "TickStyle", "InitialParent" };
std::vector<std::string> const popup_order { "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
    "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop", "Enabled", "InitialValue", "ListIndex", "Visible",
    "HelpTag", "AutoDeactivate", "TextFont", "Bold", "Italic", "Underline", "DataSource", "DataField", "InitialParent" };

struct TableRow {
    std::int32_t order;
    std::string name;
    std::int32_t index;
    PropertyStream const& stream;
    std::vector<std::string> const* property_order;
    std::int32_t left, top, width, height;
    std::string locks;
    bool visible;
};

// The control tables in the order of creation; the Order column is the TabIndex.
std::vector<TableRow> ControlTables()
{
    return {
        { 1, "Formula", Control::NoIndex, FormulaTable(), &label_order, 20, 485, 560, 22, "LRB", true },
        { 2, "ValueSlider", 2, ValueSliderTable(2), &slider_order, 122, 604, 458, 23, "LRB", false },
        { 3, "ValueSlider", 1, ValueSliderTable(1), &slider_order, 122, 576, 458, 23, "LRB", true },
        { 4, "ValueSlider", 0, ValueSliderTable(0), &slider_order, 122, 549, 458, 23, "LRB", true },
        { 5, "ValueDisplay", 0, ValueDisplayTable(0), &label_order, 20, 549, 90, 20, "LB", true },
        { 6, "ValueDisplay", 1, ValueDisplayTable(1), &label_order, 20, 576, 90, 20, "LB", true },
        { 7, "ValueDisplay", 2, ValueDisplayTable(2), &label_order, 20, 604, 90, 20, "LB", false },
        { 8, "OrderMenu", Control::NoIndex, OrderMenuTable(), &popup_order, 20, 517, 301, 20, "LB", true },
        { 9, "ValueSlider", 3, ValueSliderTable(3), &slider_order, 122, 631, 458, 23, "LRB", false },
        { 10, "ValueDisplay", 3, ValueDisplayTable(3), &label_order, 20, 631, 90, 20, "LB", false },
        { 11, "ModeMenu", Control::NoIndex, ModeMenuTable(), &popup_order, 343, 517, 237, 20, "LRB", true },
        { 12, "ValueSlider", 4, ValueSliderTable(4), &slider_order, 122, 659, 458, 23, "LRB", false },
        { 13, "ValueDisplay", 4, ValueDisplayTable(4), &label_order, 20, 659, 90, 20, "LB", false },
        { 14, "ValueSlider", 5, ValueSliderTable(5), &slider_order, 122, 687, 458, 23, "LRB", false },
        { 15, "ValueDisplay", 5, ValueDisplayTable(5), &label_order, 20, 687, 90, 20, "LB", false },
    };
}

TEST(PolynomialLayout, WindowTable)
{
    auto const entries = ReadPropertyStream(WindowTable());
    std::vector<PropertyEntry> const expected {
        Int32Entry("Placement", 0), Int32Entry("Width", 600), Int32Entry("Height", 720), Int32Entry("MinWidth", 64),
        Int32Entry("MinHeight", 64), Int32Entry("MaxWidth", 32000), Int32Entry("MaxHeight", 32000), Int32Entry("Frame", 0),
        BooleanEntry("Composite", false), BooleanEntry("HasBackColor", false), ColorEntry("BackColor", 0xFFFFFF),
        TextEntry("Title", "Curvesketcher"), BooleanEntry("Visible", true), BooleanEntry("FullScreen", false),
        BooleanEntry("MenuBarVisible", true), BooleanEntry("CloseButton", true), BooleanEntry("Resizeable", true),
        BooleanEntry("LiveResize", true), BooleanEntry("MaximizeButton", false), BooleanEntry("MinimizeButton", true),
        Int32Entry("MacProcID", 0),
    };
    EXPECT_EQ(entries, expected);
    // The parabola window's 278 bytes, with two more letters in the title.
    EXPECT_EQ(WindowTable().size(), 280u);
    EXPECT_EQ(&WindowTable(), &WindowTable());
}

TEST(PolynomialLayout, ControlTablesInTheirPropertyOrders)
{
    for (auto const& row : ControlTables()) {
        SCOPED_TRACE(row.name + " " + std::to_string(row.index));
        EXPECT_EQ(NamesOf(row.stream), *row.property_order);
        EXPECT_EQ(ValueOf(row.stream, "Name").AsText(), row.name);
        EXPECT_EQ(ValueOf(row.stream, "Index").AsInt32(), row.index);
        EXPECT_EQ(ValueOf(row.stream, "TabIndex").AsInt32(), row.order);
        EXPECT_EQ(ValueOf(row.stream, "Left").AsInt32(), row.left);
        EXPECT_EQ(ValueOf(row.stream, "Top").AsInt32(), row.top);
        EXPECT_EQ(ValueOf(row.stream, "Width").AsInt32(), row.width);
        EXPECT_EQ(ValueOf(row.stream, "Height").AsInt32(), row.height);
        EXPECT_TRUE(ValueOf(row.stream, "LockLeft").AsBoolean());
        EXPECT_FALSE(ValueOf(row.stream, "LockTop").AsBoolean());
        EXPECT_EQ(ValueOf(row.stream, "LockRight").AsBoolean(), row.locks == "LRB");
        EXPECT_TRUE(ValueOf(row.stream, "LockBottom").AsBoolean());
        EXPECT_EQ(ValueOf(row.stream, "Visible").AsBoolean(), row.visible);
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
