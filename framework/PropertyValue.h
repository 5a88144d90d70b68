#pragma once

#include <cstdint>
#include <string>
#include <variant>

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
