#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

// The types a property-stream value can have; each fixes how the value is laid out.
enum class PropertyType { Int32, Boolean, Text, Color };

struct NamedPropertyType {
    std::string_view name;
    PropertyType type;
};

// Every name of the format with the type that fixes the layout of its value. It is a
// constant so that the classes' property tables are checked against it when they
// compile.
inline constexpr std::array PropertyTypes {
    NamedPropertyType { "Placement", PropertyType::Int32 },
    NamedPropertyType { "Width", PropertyType::Int32 },
    NamedPropertyType { "Height", PropertyType::Int32 },
    NamedPropertyType { "MinWidth", PropertyType::Int32 },
    NamedPropertyType { "MinHeight", PropertyType::Int32 },
    NamedPropertyType { "MaxWidth", PropertyType::Int32 },
    NamedPropertyType { "MaxHeight", PropertyType::Int32 },
    NamedPropertyType { "Frame", PropertyType::Int32 },
    NamedPropertyType { "MacProcID", PropertyType::Int32 },
    NamedPropertyType { "Index", PropertyType::Int32 },
    NamedPropertyType { "Left", PropertyType::Int32 },
    NamedPropertyType { "Top", PropertyType::Int32 },
    NamedPropertyType { "TabPanelIndex", PropertyType::Int32 },
    NamedPropertyType { "TabIndex", PropertyType::Int32 },
    NamedPropertyType { "TextAlign", PropertyType::Int32 },
    NamedPropertyType { "Minimum", PropertyType::Int32 },
    NamedPropertyType { "Value", PropertyType::Int32 },
    NamedPropertyType { "Maximum", PropertyType::Int32 },
    NamedPropertyType { "LineStep", PropertyType::Int32 },
    NamedPropertyType { "PageStep", PropertyType::Int32 },
    NamedPropertyType { "TickStyle", PropertyType::Int32 },
    NamedPropertyType { "ListIndex", PropertyType::Int32 },
    NamedPropertyType { "Title", PropertyType::Text },
    NamedPropertyType { "Name", PropertyType::Text },
    NamedPropertyType { "HelpTag", PropertyType::Text },
    NamedPropertyType { "InitialParent", PropertyType::Text },
    NamedPropertyType { "Text", PropertyType::Text },
    NamedPropertyType { "TextFont", PropertyType::Text },
    NamedPropertyType { "DataSource", PropertyType::Text },
    NamedPropertyType { "DataField", PropertyType::Text },
    NamedPropertyType { "InitialValue", PropertyType::Text },
    NamedPropertyType { "BackColor", PropertyType::Color },
    NamedPropertyType { "TextColor", PropertyType::Color },
    NamedPropertyType { "Composite", PropertyType::Boolean },
    NamedPropertyType { "HasBackColor", PropertyType::Boolean },
    NamedPropertyType { "Visible", PropertyType::Boolean },
    NamedPropertyType { "FullScreen", PropertyType::Boolean },
    NamedPropertyType { "MenuBarVisible", PropertyType::Boolean },
    NamedPropertyType { "CloseButton", PropertyType::Boolean },
    NamedPropertyType { "Resizeable", PropertyType::Boolean },
    NamedPropertyType { "LiveResize", PropertyType::Boolean },
    NamedPropertyType { "MaximizeButton", PropertyType::Boolean },
    NamedPropertyType { "MinimizeButton", PropertyType::Boolean },
    NamedPropertyType { "LockLeft", PropertyType::Boolean },
    NamedPropertyType { "LockTop", PropertyType::Boolean },
    NamedPropertyType { "LockRight", PropertyType::Boolean },
    NamedPropertyType { "LockBottom", PropertyType::Boolean },
    NamedPropertyType { "TabStop", PropertyType::Boolean },
    NamedPropertyType { "AutoDeactivate", PropertyType::Boolean },
    NamedPropertyType { "Enabled", PropertyType::Boolean },
    NamedPropertyType { "UseFocusRing", PropertyType::Boolean },
    NamedPropertyType { "AcceptFocus", PropertyType::Boolean },
    NamedPropertyType { "AcceptTabs", PropertyType::Boolean },
    NamedPropertyType { "DoubleBuffer", PropertyType::Boolean },
    NamedPropertyType { "EraseBackground", PropertyType::Boolean },
    NamedPropertyType { "Multiline", PropertyType::Boolean },
    NamedPropertyType { "Selectable", PropertyType::Boolean },
    NamedPropertyType { "Transparent", PropertyType::Boolean },
    NamedPropertyType { "Bold", PropertyType::Boolean },
    NamedPropertyType { "Italic", PropertyType::Boolean },
    NamedPropertyType { "Underline", PropertyType::Boolean },
    NamedPropertyType { "LiveScroll", PropertyType::Boolean },
};

// The type of a property name of the format, or nothing for a name it does not know.
constexpr std::optional<PropertyType> PropertyTypeOf(std::string_view name)
{
    auto const found = std::find_if(PropertyTypes.begin(), PropertyTypes.end(),
        [name](NamedPropertyType const& entry) { return entry.name == name; });
    if (found == PropertyTypes.end())
        return std::nullopt;
    return found->type;
}
