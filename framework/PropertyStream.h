#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Object.h"
#include "framework/PropertyFormat.h"
#include "framework/PropertyValue.h"

// A property stream: entries of name, one blank (0x20) and a value laid out by the
// name's type, with nothing before, between or after them. Int32 values are four
// bytes, most significant first; Booleans one byte; texts an Int32 byte count and
// the bytes; colours three bytes R, G, B.

// One row of a layout table.
struct PropertyEntry {
    std::string name;
    PropertyValue value;
    bool operator==(PropertyEntry const&) const = default;
};

// Row builders, so that a table reads row by row and a text literal
// can never turn into a Boolean.
PropertyEntry Int32Entry(std::string_view name, std::int32_t value);
PropertyEntry BooleanEntry(std::string_view name, bool value);
PropertyEntry TextEntry(std::string_view name, std::string_view value);
PropertyEntry ColorEntry(std::string_view name, std::uint32_t rgb);

using PropertyStream = std::vector<std::uint8_t>;

// Writes the rows in order. A name the format does not know, or a value whose type
// is not the name's, raises PropertyStreamError (tables are constants, so this is a
// programming error found by the first test that builds the table).
PropertyStream WritePropertyStream(std::span<PropertyEntry const> rows);

// Raised for a malformed stream; names the property (empty when the name itself
// could not be read) and the byte offset of the fault.
class PropertyStreamError : public RuntimeException {
public:
    PropertyStreamError(std::string property, std::size_t offset, std::string const& what);
    std::string const& Property() const { return m_property; }
    std::size_t Offset() const { return m_offset; }
    std::string_view TypeName() const override { return "PropertyStreamError"; }

private:
    std::string m_property;
    std::size_t m_offset;
};

// Reads a whole stream strictly from its front and never past its end.
std::vector<PropertyEntry> ReadPropertyStream(std::span<std::uint8_t const> stream);

// Applies a stream to a window or a control through its class's property table, in
// the stream's order: the whole stream is read first, so a malformed one raises
// PropertyStreamError and applies nothing.
void SetProperties(Object& target, std::span<std::uint8_t const> stream);
