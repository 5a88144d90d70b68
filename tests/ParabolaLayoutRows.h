#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/Control.h"
#include "framework/PropertyStream.h"

// Every row of a layout table, written out here apart from the code that builds the
// tables, so that a test compares a whole table with what it must hold: the fixed
// values of its class as well as its place and contents, and the order of its rows.
// Both graph windows build their tables from the parabola window's table rows.

enum class TableClass { Canvas, Label, Slider, PopupMenu };

struct ExpectedControl {
    TableClass table_class;
    std::string name;
    std::int32_t index;
    std::int32_t left, top, width, height;
    // The edges whose lock is set: L, T, R, B.
    std::string_view locks;
    std::int32_t tab_index;
    bool visible { true };
    // A label's text or a pop-up menu's rows joined by carriage returns.
    std::string contents {};
    std::int32_t text_align { 0 };
};

inline std::vector<PropertyEntry> ExpectedWindowRows(std::string_view title, std::int32_t height)
{
    return {
        Int32Entry("Placement", 0), Int32Entry("Width", 600), Int32Entry("Height", height), Int32Entry("MinWidth", 64),
        Int32Entry("MinHeight", 64), Int32Entry("MaxWidth", 32000), Int32Entry("MaxHeight", 32000), Int32Entry("Frame", 0),
        BooleanEntry("Composite", false), BooleanEntry("HasBackColor", false), ColorEntry("BackColor", 0xFFFFFF),
        TextEntry("Title", title), BooleanEntry("Visible", true), BooleanEntry("FullScreen", false),
        BooleanEntry("MenuBarVisible", true), BooleanEntry("CloseButton", true), BooleanEntry("Resizeable", true),
        BooleanEntry("LiveResize", true), BooleanEntry("MaximizeButton", false), BooleanEntry("MinimizeButton", true),
        Int32Entry("MacProcID", 0),
    };
}

inline std::vector<PropertyEntry> ExpectedControlRows(ExpectedControl const& c)
{
    auto const locked = [&](char edge) { return c.locks.find(edge) != std::string_view::npos; };
    std::vector<PropertyEntry> rows {
        TextEntry("Name", c.name), Int32Entry("Index", c.index), Int32Entry("Left", c.left), Int32Entry("Top", c.top),
        Int32Entry("Width", c.width), Int32Entry("Height", c.height), BooleanEntry("LockLeft", locked('L')),
        BooleanEntry("LockTop", locked('T')), BooleanEntry("LockRight", locked('R')), BooleanEntry("LockBottom", locked('B')),
        Int32Entry("TabPanelIndex", 0), Int32Entry("TabIndex", c.tab_index),
    };
    std::vector<PropertyEntry> rest;
    switch (c.table_class) {
    case TableClass::Canvas:
        rest = {
            BooleanEntry("TabStop", true), BooleanEntry("Visible", c.visible), TextEntry("HelpTag", ""),
            BooleanEntry("AutoDeactivate", true), BooleanEntry("Enabled", true), BooleanEntry("UseFocusRing", true),
            BooleanEntry("AcceptFocus", false), BooleanEntry("AcceptTabs", false), BooleanEntry("DoubleBuffer", false),
            BooleanEntry("EraseBackground", true), TextEntry("InitialParent", ""),
        };
        break;
    case TableClass::Label:
        rest = {
            TextEntry("Text", c.contents), Int32Entry("TextAlign", c.text_align), ColorEntry("TextColor", 0x000000),
            BooleanEntry("Multiline", false), BooleanEntry("Enabled", true), BooleanEntry("Visible", c.visible),
            BooleanEntry("Selectable", false), BooleanEntry("Transparent", false), TextEntry("HelpTag", ""),
            BooleanEntry("AutoDeactivate", true), TextEntry("TextFont", "System"), BooleanEntry("Bold", false),
            BooleanEntry("Italic", false), BooleanEntry("Underline", false), TextEntry("DataSource", ""),
            TextEntry("DataField", ""), TextEntry("InitialParent", ""),
        };
        break;
    case TableClass::Slider:
        rest = {
            BooleanEntry("TabStop", true), BooleanEntry("Enabled", true), BooleanEntry("Visible", c.visible),
            TextEntry("HelpTag", ""), BooleanEntry("AutoDeactivate", true), Int32Entry("Minimum", -100),
            Int32Entry("Value", 0), Int32Entry("Maximum", 100), Int32Entry("LineStep", 1), Int32Entry("PageStep", 20),
            BooleanEntry("LiveScroll", true), Int32Entry("TickStyle", 0), TextEntry("InitialParent", ""),
        };
        break;
    case TableClass::PopupMenu:
        rest = {
            BooleanEntry("TabStop", true), BooleanEntry("Enabled", true), TextEntry("InitialValue", c.contents),
            Int32Entry("ListIndex", 0), BooleanEntry("Visible", c.visible), TextEntry("HelpTag", ""),
            BooleanEntry("AutoDeactivate", true), TextEntry("TextFont", "System"), BooleanEntry("Bold", false),
            BooleanEntry("Italic", false), BooleanEntry("Underline", false), TextEntry("DataSource", ""),
            TextEntry("DataField", ""), TextEntry("InitialParent", ""),
        };
        break;
    }
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

// A row as a failure message shows it: name and value.
inline void PrintTo(PropertyEntry const& entry, std::ostream* out)
{
    *out << entry.name << " ";
    std::visit([out](auto const& value) {
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, std::string>) {
            *out << '"';
            for (char const c : value)
                *out << (c == '\r' ? std::string_view("\\r") : std::string_view(&c, 1));
            *out << '"';
        } else if constexpr (std::is_same_v<Value, Color>) {
            *out << std::hex << value.rgb << std::dec;
        } else if constexpr (std::is_same_v<Value, bool>) {
            *out << (value ? "True" : "False");
        } else {
            *out << value;
        }
    }, entry.value.value);
}
