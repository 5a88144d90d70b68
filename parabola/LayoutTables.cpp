#include "parabola/LayoutTables.h"

#include <initializer_list>
#include <span>

namespace {

PropertyStream WithPlace(ControlPlace const& place, std::initializer_list<PropertyEntry> rest, std::span<PropertyEntry const> tail = {})
{
    auto rows = PlaceRows(place);
    rows.insert(rows.end(), rest);
    rows.insert(rows.end(), tail.begin(), tail.end());
    return WritePropertyStream(rows);
}

// The rows that close the tables of both text controls, labels and pop-up menus.
std::span<PropertyEntry const> TextControlTail()
{
    static PropertyEntry const rows[] = {
        TextEntry("HelpTag", ""),
        BooleanEntry("AutoDeactivate", true),
        TextEntry("TextFont", "System"),
        BooleanEntry("Bold", false),
        BooleanEntry("Italic", false),
        BooleanEntry("Underline", false),
        TextEntry("DataSource", ""),
        TextEntry("DataField", ""),
        TextEntry("InitialParent", ""),
    };
    return rows;
}

}

std::vector<PropertyEntry> PlaceRows(ControlPlace const& place)
{
    return {
        TextEntry("Name", place.name),
        Int32Entry("Index", place.index),
        Int32Entry("Left", place.left),
        Int32Entry("Top", place.top),
        Int32Entry("Width", place.width),
        Int32Entry("Height", place.height),
        BooleanEntry("LockLeft", place.lock_left),
        BooleanEntry("LockTop", place.lock_top),
        BooleanEntry("LockRight", place.lock_right),
        BooleanEntry("LockBottom", place.lock_bottom),
        Int32Entry("TabPanelIndex", 0),
        Int32Entry("TabIndex", place.tab_index),
    };
}

PropertyStream GraphWindowTable(std::string_view title, std::int32_t height)
{
    PropertyEntry const rows[] = {
        Int32Entry("Placement", 0),
        Int32Entry("Width", 600),
        Int32Entry("Height", height),
        Int32Entry("MinWidth", 64),
        Int32Entry("MinHeight", 64),
        Int32Entry("MaxWidth", 32000),
        Int32Entry("MaxHeight", 32000),
        Int32Entry("Frame", 0),
        BooleanEntry("Composite", false),
        BooleanEntry("HasBackColor", false),
        ColorEntry("BackColor", 0xFFFFFF),
        TextEntry("Title", title),
        BooleanEntry("Visible", true),
        BooleanEntry("FullScreen", false),
        BooleanEntry("MenuBarVisible", true),
        BooleanEntry("CloseButton", true),
        BooleanEntry("Resizeable", true),
        BooleanEntry("LiveResize", true),
        BooleanEntry("MaximizeButton", false),
        BooleanEntry("MinimizeButton", true),
        Int32Entry("MacProcID", 0),
    };
    return WritePropertyStream(rows);
}

PropertyStream CanvasTable(ControlPlace const& place)
{
    return WithPlace(place, {
        BooleanEntry("TabStop", true),
        BooleanEntry("Visible", true),
        TextEntry("HelpTag", ""),
        BooleanEntry("AutoDeactivate", true),
        BooleanEntry("Enabled", true),
        BooleanEntry("UseFocusRing", true),
        BooleanEntry("AcceptFocus", false),
        BooleanEntry("AcceptTabs", false),
        BooleanEntry("DoubleBuffer", false),
        BooleanEntry("EraseBackground", true),
        TextEntry("InitialParent", ""),
    });
}

PropertyStream LabelTable(ControlPlace const& place, std::string_view text, std::int32_t text_align, bool visible)
{
    return WithPlace(place, {
        TextEntry("Text", text),
        Int32Entry("TextAlign", text_align),
        ColorEntry("TextColor", 0x000000),
        BooleanEntry("Multiline", false),
        BooleanEntry("Enabled", true),
        BooleanEntry("Visible", visible),
        BooleanEntry("Selectable", false),
        BooleanEntry("Transparent", false),
    }, TextControlTail());
}

PropertyStream PopupMenuTable(ControlPlace const& place, std::string_view initial_value)
{
    return WithPlace(place, {
        BooleanEntry("TabStop", true),
        BooleanEntry("Enabled", true),
        TextEntry("InitialValue", initial_value),
        Int32Entry("ListIndex", 0),
        BooleanEntry("Visible", true),
    }, TextControlTail());
}

PropertyStream SliderTable(ControlPlace const& place, bool visible)
{
    return WithPlace(place, {
        BooleanEntry("TabStop", true),
        BooleanEntry("Enabled", true),
        BooleanEntry("Visible", visible),
        TextEntry("HelpTag", ""),
        BooleanEntry("AutoDeactivate", true),
        Int32Entry("Minimum", -100),
        Int32Entry("Value", 0),
        Int32Entry("Maximum", 100),
        Int32Entry("LineStep", 1),
        Int32Entry("PageStep", 20),
        BooleanEntry("LiveScroll", true),
        Int32Entry("TickStyle", 0),
        TextEntry("InitialParent", ""),
    });
}
