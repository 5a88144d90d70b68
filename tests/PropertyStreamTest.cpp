#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/PropertyStream.h"
#include "framework/testing/PropertyRecorder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds expected streams from name texts and value bytes.
Bytes Concat(std::initializer_list<std::pair<std::string_view, Bytes>> parts)
{
    Bytes bytes;
    for (auto const& [text, value] : parts) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.insert(bytes.end(), value.begin(), value.end());
    }
    return bytes;
}

using Testing::PropertyRecorder;

TEST(PropertyStreamTest, RowsAreWrittenByteForByteAndReadBack)
{
    std::vector<PropertyEntry> const rows {
        TextEntry("Name", "Graph"),
        Int32Entry("Index", -2147483647 - 1),
        Int32Entry("Left", 20),
        Int32Entry("Top", 14),
        Int32Entry("Width", 560),
        Int32Entry("Height", 460),
        BooleanEntry("LockLeft", true),
        BooleanEntry("Visible", false),
        ColorEntry("TextColor", 0x123456),
        TextEntry("Title", "Arcsketcher"),
        TextEntry("HelpTag", ""),
    };
    Bytes const expected = Concat({
        { "Name ", { 0x00, 0x00, 0x00, 0x05, 'G', 'r', 'a', 'p', 'h' } },
        { "Index ", { 0x80, 0x00, 0x00, 0x00 } },
        { "Left ", { 0x00, 0x00, 0x00, 0x14 } },
        { "Top ", { 0x00, 0x00, 0x00, 0x0E } },
        { "Width ", { 0x00, 0x00, 0x02, 0x30 } },
        { "Height ", { 0x00, 0x00, 0x01, 0xCC } },
        { "LockLeft ", { 0x01 } },
        { "Visible ", { 0x00 } },
        { "TextColor ", { 0x12, 0x34, 0x56 } },
        { "Title ", { 0x00, 0x00, 0x00, 0x0B } },
        { "Arcsketcher", {} },
        { "HelpTag ", { 0x00, 0x00, 0x00, 0x00 } },
    });

    auto const stream = WritePropertyStream(rows);
    EXPECT_EQ(stream, expected);
    EXPECT_EQ(ReadPropertyStream(stream), rows);
}

TEST(PropertyStreamTest, BlanksAndZeroBytesInsideValuesReadBackUnchanged)
{
    std::vector<PropertyEntry> const rows {
        TextEntry("Text", "a b "),
        Int32Entry("Value", 32),
        Int32Entry("Minimum", 0x20202020),
        TextEntry("InitialValue", "Linear\rQuadratic"),
        BooleanEntry("Bold", false),
        Int32Entry("TabIndex", 0),
    };
    auto const stream = WritePropertyStream(rows);
    Bytes const value_bytes(stream.begin() + 19, stream.begin() + 23);
    EXPECT_EQ(value_bytes, (Bytes { 0x00, 0x00, 0x00, 0x20 }));

    PropertyRecorder target;
    SetProperties(target, stream);
    EXPECT_EQ(target.applied, rows);
}

TEST(PropertyStreamTest, EveryNameOfTheFormatHasItsType)
{
    struct Group {
        PropertyType type;
        std::vector<std::string_view> names;
    };
    std::vector<Group> const groups {
        { PropertyType::Int32,
            { "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
                "MacProcID", "Index", "Left", "Top", "TabPanelIndex", "TabIndex", "TextAlign", "Minimum",
                "Value", "Maximum", "LineStep", "PageStep", "TickStyle", "ListIndex" } },
        { PropertyType::Text,
            { "Title", "Name", "HelpTag", "InitialParent", "Text", "TextFont", "DataSource", "DataField",
                "InitialValue" } },
        { PropertyType::Color, { "BackColor", "TextColor" } },
        { PropertyType::Boolean,
            { "Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton",
                "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop",
                "LockRight", "LockBottom", "TabStop", "AutoDeactivate", "Enabled", "UseFocusRing",
                "AcceptFocus", "AcceptTabs", "DoubleBuffer", "EraseBackground", "Multiline", "Selectable",
                "Transparent", "Bold", "Italic", "Underline", "LiveScroll" } },
    };
    for (auto const& group : groups) {
        for (auto name : group.names)
            EXPECT_EQ(PropertyTypeOf(name), group.type) << name;
    }
    for (std::string_view unknown : { "", "width", "Colour", "TextSize", "Widths" })
        EXPECT_EQ(PropertyTypeOf(unknown), std::nullopt) << unknown;
}

TEST(PropertyStreamTest, WriterRejectsRowsTheFormatCannotHold)
{
    std::vector<std::vector<PropertyEntry>> const tables {
        { Int32Entry("Left", 1), Int32Entry("Colour", 2) },
        { Int32Entry("Left", 1), TextEntry("Visible", "True") },
        { Int32Entry("Left", 1), ColorEntry("BackColor", 0x1000000) },
    };
    for (auto const& table : tables) {
        try {
            WritePropertyStream(table);
            ADD_FAILURE() << table[1].name << " was written";
        } catch (PropertyStreamError const& error) {
            EXPECT_EQ(error.Property(), table[1].name);
            EXPECT_EQ(error.Offset(), 9u);
        }
    }
}

TEST(PropertyStreamTest, MalformedStreamIsRejectedAtItsFaultAndNothingIsApplied)
{
    // Every stream starts with a sound entry of 9 bytes, which must not be applied.
    Bytes const sound = Concat({ { "Left ", { 0x00, 0x00, 0x00, 0x14 } } });
    struct Case {
        char const* fault;
        Bytes rest;
        std::string property;
        std::size_t offset;
    };
    std::vector<Case> const cases {
        { "no blank after a name", Concat({ { "Width", { 0x00, 0x00, 0x02, 0x30 } } }), "Width", 14 },
        { "a name at the end", Concat({ { "Width", {} } }), "Width", 14 },
        { "an empty name", Concat({ { " ", { 0x00, 0x00, 0x00, 0x01 } } }), "", 9 },
        { "a byte that starts no name", { 0x00, 0x20 }, "", 9 },
        { "an unknown name", Concat({ { "Colour ", { 0x00, 0x00, 0x00 } } }), "Colour", 9 },
        { "an Int32 running past the end", Concat({ { "Width ", { 0x00, 0x00, 0x02 } } }), "Width", 15 },
        { "a text length running past the end", Concat({ { "Name ", { 0x00, 0x00 } } }), "Name", 14 },
        { "a text running past the end", Concat({ { "Name ", { 0x00, 0x00, 0x00, 0x05, 'G', 'r' } } }), "Name", 18 },
        { "a negative text length", Concat({ { "Name ", { 0xFF, 0xFF, 0xFF, 0xFF } } }), "Name", 14 },
        { "a missing Boolean", Concat({ { "Visible ", {} } }), "Visible", 17 },
        { "a Boolean byte other than 00 or 01", Concat({ { "Visible ", { 0x02 } } }), "Visible", 17 },
        { "a colour running past the end", Concat({ { "TextColor ", { 0xFF, 0xFF } } }), "TextColor", 19 },
    };
    for (auto const& c : cases) {
        // The stream lies in a longer buffer whose next bytes would complete it, so
        // a read past its end would go unnoticed by anything but the reader's checks.
        Bytes buffer = sound;
        buffer.insert(buffer.end(), c.rest.begin(), c.rest.end());
        std::size_t const length = buffer.size();
        buffer.insert(buffer.end(), 16, 0x00);
        std::span<std::uint8_t const> const stream(buffer.data(), length);

        PropertyRecorder target;
        try {
            SetProperties(target, stream);
            ADD_FAILURE() << c.fault << ": accepted";
        } catch (PropertyStreamError const& error) {
            EXPECT_EQ(error.Property(), c.property) << c.fault;
            EXPECT_EQ(error.Offset(), c.offset) << c.fault;
        }
        EXPECT_TRUE(target.applied.empty()) << c.fault;
    }
}

}

// Inputs the stream fuzzer reached at the reader's edges: a stream is applied whole
// and writes back to its own bytes, or is rejected at its fault with nothing applied.
TEST(PropertyStreamTest, EdgeInputsAreAppliedWholeOrRejectedAtTheirFault)
{
    struct Accepted {
        char const* input;
        Bytes stream;
        std::vector<PropertyEntry> entries;
    };
    std::vector<Accepted> const accepted {
        { "an empty stream", {}, {} },
        { "a property twice", Concat({ { "Top ", { 0x00, 0x00, 0x00, 0x01 } }, { "Top ", { 0x00, 0x00, 0x00, 0x02 } } }),
            { Int32Entry("Top", 1), Int32Entry("Top", 2) } },
        { "a text of a zero and a high byte", Concat({ { "Name ", { 0x00, 0x00, 0x00, 0x02, 0x00, 0xFF } } }),
            { TextEntry("Name", std::string_view("\0\xFF", 2)) } },
    };
    for (auto const& c : accepted) {
        PropertyRecorder target;
        SetProperties(target, c.stream);
        EXPECT_EQ(target.applied, c.entries) << c.input;
        EXPECT_EQ(WritePropertyStream(target.applied), c.stream) << c.input;
    }

    struct Rejected {
        char const* input;
        Bytes stream;
        std::string property;
        std::size_t offset;
    };
    std::vector<Rejected> const rejected {
        { "one letter", Concat({ { "N", {} } }), "N", 1 },
        { "a name in the wrong case", Concat({ { "top ", { 0x00, 0x00, 0x00, 0x01 } } }), "top", 0 },
        { "a name broken by a byte above ASCII", Concat({ { "Le", { 0xE9 } }, { "ft ", { 0x00, 0x00, 0x00, 0x01 } } }),
            "Le", 2 },
        { "the largest text length", Concat({ { "Name ", { 0x7F, 0xFF, 0xFF, 0xFF, 'G' } } }), "Name", 9 },
        { "the most negative text length", Concat({ { "Name ", { 0x80, 0x00, 0x00, 0x00 } } }), "Name", 5 },
    };
    for (auto const& c : rejected) {
        PropertyRecorder target;
        try {
            SetProperties(target, c.stream);
            ADD_FAILURE() << c.input << ": accepted";
        } catch (PropertyStreamError const& error) {
            EXPECT_EQ(error.Property(), c.property) << c.input;
            EXPECT_EQ(error.Offset(), c.offset) << c.input;
        }
        EXPECT_TRUE(target.applied.empty()) << c.input;
    }
}
