#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "framework/PropertyFormat.h"

// A 24-bit RGB colour, as 0xRRGGBB.
struct Color {
    std::uint32_t rgb { 0 };
    constexpr bool operator==(Color const&) const = default;
};

// The value of one property-stream entry. Its type is fixed by the property's name.
struct PropertyValue {
    std::variant<std::int32_t, bool, std::string, Color> value;

    std::int32_t AsInt32() const { return std::get<std::int32_t>(value); }
    bool AsBoolean() const { return std::get<bool>(value); }
    std::string const& AsText() const { return std::get<std::string>(value); }
    Color AsColor() const { return std::get<Color>(value); }
    bool operator==(PropertyValue const&) const = default;
};

// The variant's alternatives are in the order of PropertyType, so a type's values are
// the alternative at its position.
template<PropertyType type>
using PropertyValueOf = std::variant_alternative_t<static_cast<std::size_t>(type), decltype(PropertyValue::value)>;

static_assert(std::is_same_v<PropertyValueOf<PropertyType::Int32>, std::int32_t>);
static_assert(std::is_same_v<PropertyValueOf<PropertyType::Boolean>, bool>);
static_assert(std::is_same_v<PropertyValueOf<PropertyType::Text>, std::string>);
static_assert(std::is_same_v<PropertyValueOf<PropertyType::Color>, Color>);
