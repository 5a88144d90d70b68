#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Control.h"
#include "framework/PropertyStream.h"
#include "parabola/ArcsketcherLayout.h"
#include "parabola/GraphCanvasTable.h"

namespace {

PropertyValue ValueOf(PropertyStream const& stream, std::string const& name)
{
    for (auto const& entry : ReadPropertyStream(stream))
        if (entry.name == name)
            return entry.value;
    ADD_FAILURE() << "no property " << name;
    return {};
}

struct StreamCase {
    char const* table;
    PropertyStream const& (*stream)();
    std::size_t bytes;
    char const* name;          // nullptr for the window
    std::int32_t tab_index;
};

StreamCase const stream_cases[] = {
    { "window", &Arcsketcher::WindowStream, 278, nullptr, 0 },
    { "Graph", &GraphCanvasStream, 278, "Graph", 0 },
    { "Formula", &Arcsketcher::FormulaStream, 346, "Formula", 1 },
    { "KSlider", &Arcsketcher::KSliderStream, 296, "KSlider", 2 },
    { "HSlider", &Arcsketcher::HSliderStream, 296, "HSlider", 3 },
    { "ASlider", &Arcsketcher::ASliderStream, 296, "ASlider", 4 },
    { "AValue", &Arcsketcher::AValueStream, 350, "AValue", 5 },
    { "HValue", &Arcsketcher::HValueStream, 350, "HValue", 6 },
    { "KValue", &Arcsketcher::KValueStream, 350, "KValue", 7 },
};

TEST(ParabolaLayoutTest, EveryTableHasItsSizeNameIndexAndTabIndex)
{
    for (auto const& c : stream_cases) {
        SCOPED_TRACE(c.table);
        PropertyStream const& stream = c.stream();
        EXPECT_EQ(stream.size(), c.bytes);
        // The stream is one constant, built once.
        EXPECT_EQ(&stream, &c.stream());
        if (!c.name)
            continue;
        EXPECT_EQ(ValueOf(stream, "Name").AsText(), c.name);
        EXPECT_EQ(ValueOf(stream, "Index").AsInt32(), Control::NoIndex);
        EXPECT_EQ(ValueOf(stream, "TabIndex").AsInt32(), c.tab_index);
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
    PropertyStream const& stream = GraphCanvasStream();
    ASSERT_GE(stream.size(), expected.size());
    EXPECT_EQ(std::vector<std::uint8_t>(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

TEST(ParabolaLayoutTest, WindowTableHoldsTheFrameAndTitle)
{
    PropertyStream const& stream = Arcsketcher::WindowStream();
    EXPECT_EQ(ValueOf(stream, "Title").AsText(), "Arcsketcher");
    EXPECT_EQ(ValueOf(stream, "Width").AsInt32(), 600);
    EXPECT_EQ(ValueOf(stream, "Height").AsInt32(), 640);
    EXPECT_EQ(ValueOf(stream, "MinWidth").AsInt32(), 64);
    EXPECT_EQ(ValueOf(stream, "MaxHeight").AsInt32(), 32000);
    EXPECT_FALSE(ValueOf(stream, "MaximizeButton").AsBoolean());
    EXPECT_TRUE(ValueOf(stream, "MinimizeButton").AsBoolean());

    // The title is its length, 00 00 00 0B, then its eleven bytes.
    std::string const title_entry = std::string("Title ") + std::string("\0\0\0\x0B", 4) + "Arcsketcher";
    std::string const bytes(stream.begin(), stream.end());
    EXPECT_NE(bytes.find(title_entry), std::string::npos);
}

TEST(ParabolaLayoutTest, ControlTablesHoldTheirPlacesAndContents)
{
    auto const& formula = Arcsketcher::FormulaStream();
    EXPECT_EQ(ValueOf(formula, "Text").AsText(), "");
    EXPECT_EQ(ValueOf(formula, "TextAlign").AsInt32(), 1);
    EXPECT_TRUE(ValueOf(formula, "LockRight").AsBoolean());
    EXPECT_FALSE(ValueOf(formula, "LockTop").AsBoolean());

    auto const& a_value = Arcsketcher::AValueStream();
    EXPECT_EQ(ValueOf(a_value, "Text").AsText(), "a = 0");
    EXPECT_EQ(ValueOf(a_value, "TextAlign").AsInt32(), 0);
    EXPECT_FALSE(ValueOf(a_value, "LockRight").AsBoolean());
    EXPECT_EQ(ValueOf(Arcsketcher::KValueStream(), "Top").AsInt32(), 591);

    auto const& k_slider = Arcsketcher::KSliderStream();
    EXPECT_EQ(ValueOf(k_slider, "Top").AsInt32(), 597);
    EXPECT_EQ(ValueOf(k_slider, "Minimum").AsInt32(), -100);
    EXPECT_EQ(ValueOf(k_slider, "Maximum").AsInt32(), 100);
    EXPECT_EQ(ValueOf(k_slider, "Value").AsInt32(), 0);
    EXPECT_EQ(ValueOf(k_slider, "LineStep").AsInt32(), 1);
    EXPECT_EQ(ValueOf(k_slider, "PageStep").AsInt32(), 20);
    EXPECT_TRUE(ValueOf(k_slider, "LiveScroll").AsBoolean());
    EXPECT_EQ(ValueOf(Arcsketcher::ASliderStream(), "Top").AsInt32(), 527);
}

}
