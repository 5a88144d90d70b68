#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Control.h"
#include "framework/PropertyStream.h"
#include "parabola/ArcsketcherLayout.h"
#include "parabola/GraphCanvasTable.h"
#include "ParabolaLayoutRows.h"

namespace {

constexpr std::int32_t none = Control::NoIndex;

struct TableCase {
    char const* name;
    PropertyStream const& (*table)();
    std::size_t bytes;
    std::vector<PropertyEntry> rows;
};

// The window's table and the eight control tables in creation order, which is also
// the tab order: the sliders from the bottom one up, the value labels from the top
// down.
std::vector<TableCase> TableCases()
{
    using enum TableClass;
    return {
        { "window", &Arcsketcher::WindowTable, 278, ExpectedWindowRows("Arcsketcher", 640) },
        { "Graph", &GraphCanvasTable, 278, ExpectedControlRows({ Canvas, "Graph", none, 20, 14, 560, 460, "LTRB", 0 }) },
        { "Formula", &Arcsketcher::FormulaTable, 346, ExpectedControlRows({ Label, "Formula", none, 20, 485, 560, 30, "LRB", 1, true, "", 1 }) },
        { "KSlider", &Arcsketcher::KSliderTable, 296, ExpectedControlRows({ Slider, "KSlider", none, 122, 597, 458, 23, "LRB", 2 }) },
        { "HSlider", &Arcsketcher::HSliderTable, 296, ExpectedControlRows({ Slider, "HSlider", none, 122, 562, 458, 23, "LRB", 3 }) },
        { "ASlider", &Arcsketcher::ASliderTable, 296, ExpectedControlRows({ Slider, "ASlider", none, 122, 527, 458, 23, "LRB", 4 }) },
        { "AValue", &Arcsketcher::AValueTable, 350, ExpectedControlRows({ Label, "AValue", none, 20, 527, 90, 20, "LB", 5, true, "a = 0", 0 }) },
        { "HValue", &Arcsketcher::HValueTable, 350, ExpectedControlRows({ Label, "HValue", none, 20, 559, 90, 20, "LB", 6, true, "h = 0", 0 }) },
        { "KValue", &Arcsketcher::KValueTable, 350, ExpectedControlRows({ Label, "KValue", none, 20, 591, 90, 20, "LB", 7, true, "k = 0", 0 }) },
    };
}

// Each table holds every row of its class in order.
TEST(ParabolaLayoutTest, EveryTableHoldsItsRowsInOrder)
{
    for (auto const& c : TableCases()) {
        SCOPED_TRACE(c.name);
        PropertyStream const& table = c.table();
        EXPECT_EQ(table.size(), c.bytes);
        EXPECT_EQ(ReadPropertyStream(table), c.rows);
    }
}

TEST(ParabolaLayoutTest, GraphTableBeginsByteForByte)
{
    std::vector<std::uint8_t> const expected {
        'N', 'a', 'm', 'e', 0x20, 0x00, 0x00, 0x00, 0x05, 'G', 'r', 'a', 'p', 'h',
        'I', 'n', 'd', 'e', 'x', 0x20, 0x80, 0x00, 0x00, 0x00,
        'L', 'e', 'f', 't', 0x20, 0x00, 0x00, 0x00, 0x14,
        'T', 'o', 'p', 0x20, 0x00, 0x00, 0x00, 0x0E,
        'W', 'i', 'd', 't', 'h', 0x20, 0x00, 0x00, 0x02, 0x30,
        'H', 'e', 'i', 'g', 'h', 't', 0x20, 0x00, 0x00, 0x01, 0xCC,
        'L', 'o', 'c', 'k', 'L', 'e', 'f', 't', 0x20, 0x01,
    };
    PropertyStream const& table = GraphCanvasTable();
    ASSERT_GE(table.size(), expected.size());
    EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

// The title is its length, 00 00 00 0B, then its eleven bytes.
TEST(ParabolaLayoutTest, WindowTitleIsItsLengthAndBytes)
{
    PropertyStream const& table = Arcsketcher::WindowTable();
    std::string const title_entry = std::string("Title ") + std::string("\0\0\0\x0B", 4) + "Arcsketcher";
    std::string const bytes(table.begin(), table.end());
    EXPECT_NE(bytes.find(title_entry), std::string::npos);
}

}
