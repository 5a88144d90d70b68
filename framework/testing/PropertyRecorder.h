#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "framework/Object.h"
#include "framework/PropertyFormat.h"
#include "framework/PropertyStream.h"

namespace Testing {

// An object whose class has a use for every property of the format: it keeps each one
// applied to it, in order, to show what a stream applies. Header only, so that the
// property-stream fuzzer uses it without Qt.
class PropertyRecorder : public Object {
public:
    std::vector<PropertyEntry> applied;

    PropertyTable const& Properties() const override;

private:
    // Each row records its own name; its type is the format's, so no value is converted.
    template<std::size_t index>
    static void Record(Object& target, PropertyValue const& value)
    {
        static_cast<PropertyRecorder&>(target).applied.push_back({ std::string(PropertyTypes[index].name), value });
    }

    template<std::size_t... index>
    static constexpr std::array<PropertyRow, sizeof...(index)> EveryRow(std::index_sequence<index...>)
    {
        return { PropertyRow { PropertyTypes[index].name, PropertyTypes[index].type, &Record<index> }... };
    }
};

inline PropertyTable const& PropertyRecorder::Properties() const
{
    static constexpr auto rows = EveryRow(std::make_index_sequence<PropertyTypes.size()>());
    static PropertyTable const table { rows, Object::Properties() };
    return table;
}

}
