#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/Control.h"
#include "framework/PropertyStream.h"

// The layout tables of the graph windows. Every table of one control class has the
// same rows in the same order and differs only in the place, the texts and the
// initial visibility, so each class's rows are written here once and both windows
// build their constant tables from them.

// Where a control sits and how it follows the window: the rows every control table
// begins with.
struct ControlPlace {
    std::string_view name;
    std::int32_t index { Control::NoIndex };
    std::int32_t left { 0 };
    std::int32_t top { 0 };
    std::int32_t width { 0 };
    std::int32_t height { 0 };
    bool lock_left { false };
    bool lock_top { false };
    bool lock_right { false };
    bool lock_bottom { false };
    std::int32_t tab_index { 0 };
};

// Name, Index, Left, Top, Width, Height, the four locks, TabPanelIndex, TabIndex.
std::vector<PropertyEntry> PlaceRows(ControlPlace const& place);

// A document window 600 pixels wide, resizable from 64 x 64 to 32000 x 32000, shown
// at once, with close and minimise buttons and no maximise button.
PropertyStream GraphWindowTable(std::string_view title, std::int32_t height);

PropertyStream CanvasTable(ControlPlace const& place);
PropertyStream LabelTable(ControlPlace const& place, std::string_view text, std::int32_t text_align, bool visible);
// A pop-up menu whose rows are one text joined by carriage returns, the first
// selected.
PropertyStream PopupMenuTable(ControlPlace const& place, std::string_view initial_value);
// A live slider over the positions -100 to 100, starting at 0, with a line step of
// one position and a page step of twenty.
PropertyStream SliderTable(ControlPlace const& place, bool visible);
