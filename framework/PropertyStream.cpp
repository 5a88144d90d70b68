#include "framework/PropertyStream.h"

#include "framework/Trace.h"

#include <limits>
#include <type_traits>
#include <variant>
#include <utility>

namespace {

constexpr std::uint8_t Blank = 0x20;

// The alternative is named explicitly, so no value can turn into another type.
template<class T>
PropertyValue MakeValue(T value)
{
    PropertyValue property;
    property.value.emplace<T>(std::move(value));
    return property;
}

std::string Describe(std::string const& property, std::size_t offset, std::string const& what)
{
    std::string text = "malformed property stream at byte " + std::to_string(offset);
    if (!property.empty())
        text += ", property \"" + property + "\"";
    return text + ": " + what;
}

bool IsAsciiLetter(std::uint8_t byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

void AppendInt32(PropertyStream& stream, std::int32_t value)
{
    auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        stream.push_back(static_cast<std::uint8_t>(bits >> shift));
}

// Rows are checked whole before any byte of them is written, so an error names the
// offset at which the faulty entry would have begun.
void CheckRow(PropertyEntry const& row, std::size_t offset)
{
    auto type = PropertyTypeOf(row.name);
    if (!type)
        throw PropertyStreamError(row.name, offset, "the format has no property of this name");
    if (row.value.value.index() != static_cast<std::size_t>(*type))
        throw PropertyStreamError(row.name, offset, "the value is not of the property's type");
    if (*type == PropertyType::Text
        && row.value.AsText().size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw PropertyStreamError(row.name, offset, "the text is too long for its byte count");
    // Three bytes hold a colour: anything above 24 bits would be lost.
    if (*type == PropertyType::Color && row.value.AsColor().rgb > 0xFFFFFF)
        throw PropertyStreamError(row.name, offset, "the colour has more than 24 bits");
}

void AppendEntry(PropertyStream& stream, PropertyEntry const& row)
{
    CheckRow(row, stream.size());
    stream.insert(stream.end(), row.name.begin(), row.name.end());
    stream.push_back(Blank);
    std::visit(
        [&stream](auto const& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                AppendInt32(stream, value);
            } else if constexpr (std::is_same_v<T, bool>) {
                stream.push_back(value ? 1 : 0);
            } else if constexpr (std::is_same_v<T, std::string>) {
                AppendInt32(stream, static_cast<std::int32_t>(value.size()));
                stream.insert(stream.end(), value.begin(), value.end());
            } else {
                stream.push_back(static_cast<std::uint8_t>(value.rgb >> 16));
                stream.push_back(static_cast<std::uint8_t>(value.rgb >> 8));
                stream.push_back(static_cast<std::uint8_t>(value.rgb));
            }
        },
        row.value.value);
}

// Reads a stream from its front; every read checks the bytes left first, so nothing
// past the end is ever touched.
class StreamReader {
public:
    explicit StreamReader(std::span<std::uint8_t const> stream)
        : m_stream(stream)
    {
    }

    bool AtEnd() const { return m_offset == m_stream.size(); }

    PropertyEntry ReadEntry()
    {
        std::size_t start = m_offset;
        while (m_offset < m_stream.size() && IsAsciiLetter(m_stream[m_offset]))
            ++m_offset;
        std::string name(m_stream.begin() + static_cast<std::ptrdiff_t>(start),
            m_stream.begin() + static_cast<std::ptrdiff_t>(m_offset));
        if (name.empty())
            throw PropertyStreamError({}, start, "a property name was expected");
        if (m_offset == m_stream.size() || m_stream[m_offset] != Blank)
            throw PropertyStreamError(name, m_offset, "no blank after the property name");
        auto type = PropertyTypeOf(name);
        if (!type)
            throw PropertyStreamError(name, start, "the format has no property of this name");
        ++m_offset;
        auto value = ReadValue(name, *type);
        return PropertyEntry { std::move(name), std::move(value) };
    }

private:
    PropertyValue ReadValue(std::string const& name, PropertyType type)
    {
        switch (type) {
        case PropertyType::Int32:
            return MakeValue<std::int32_t>(ReadInt32(name));
        case PropertyType::Boolean: {
            Need(name, 1);
            auto byte = m_stream[m_offset];
            if (byte > 1)
                throw PropertyStreamError(name, m_offset, "a Boolean byte must be 00 or 01");
            ++m_offset;
            return MakeValue<bool>(byte == 1);
        }
        case PropertyType::Text: {
            std::size_t length_offset = m_offset;
            std::int32_t length = ReadInt32(name);
            if (length < 0)
                throw PropertyStreamError(name, length_offset, "the text's byte count is negative");
            Need(name, static_cast<std::size_t>(length));
            auto begin = m_stream.begin() + static_cast<std::ptrdiff_t>(m_offset);
            m_offset += static_cast<std::size_t>(length);
            return MakeValue<std::string>(std::string(begin, begin + length));
        }
        case PropertyType::Color: {
            Need(name, 3);
            std::uint32_t rgb = (std::uint32_t { m_stream[m_offset] } << 16)
                | (std::uint32_t { m_stream[m_offset + 1] } << 8)
                | std::uint32_t { m_stream[m_offset + 2] };
            m_offset += 3;
            return MakeValue<Color>(Color { rgb });
        }
        }
        throw PropertyStreamError(name, m_offset, "the property has no known type");
    }

    std::int32_t ReadInt32(std::string const& name)
    {
        Need(name, 4);
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = (bits << 8) | m_stream[m_offset + static_cast<std::size_t>(i)];
        m_offset += 4;
        return static_cast<std::int32_t>(bits);
    }

    void Need(std::string const& name, std::size_t count) const
    {
        if (m_stream.size() - m_offset < count)
            throw PropertyStreamError(name, m_offset, "the value runs past the end of the stream");
    }

    std::span<std::uint8_t const> m_stream;
    std::size_t m_offset { 0 };
};

}

PropertyEntry Int32Entry(std::string_view name, std::int32_t value)
{
    return { std::string(name), MakeValue<std::int32_t>(value) };
}

PropertyEntry BooleanEntry(std::string_view name, bool value)
{
    return { std::string(name), MakeValue<bool>(value) };
}

PropertyEntry TextEntry(std::string_view name, std::string_view value)
{
    return { std::string(name), MakeValue<std::string>(std::string(value)) };
}

PropertyEntry ColorEntry(std::string_view name, std::uint32_t rgb)
{
    return { std::string(name), MakeValue<Color>(Color { rgb }) };
}

PropertyStream WritePropertyStream(std::span<PropertyEntry const> rows)
{
    PropertyStream stream;
    for (auto const& row : rows)
        AppendEntry(stream, row);
    return stream;
}

PropertyStreamError::PropertyStreamError(std::string property, std::size_t offset, std::string const& what)
    : RuntimeException(Describe(property, offset, what))
    , m_property(std::move(property))
    , m_offset(offset)
{
}

std::vector<PropertyEntry> ReadPropertyStream(std::span<std::uint8_t const> stream)
{
    std::vector<PropertyEntry> entries;
    StreamReader reader(stream);
    while (!reader.AtEnd())
        entries.push_back(reader.ReadEntry());
    return entries;
}

void SetProperties(Object& target, std::span<std::uint8_t const> stream)
{
    auto const entries = ReadPropertyStream(stream);
    // A control's table names the control, which lets a trace show when each table
    // was applied.
    std::string_view subject;
    for (auto const& entry : entries)
        if (entry.name == "Name" && std::holds_alternative<std::string>(entry.value.value))
            subject = entry.value.AsText();
    Trace("SetProperties", subject);
    auto const& properties = target.Properties();
    for (auto const& entry : entries)
        properties.Apply(target, entry.name, entry.value);
}
