#include "framework/PropertyTable.h"

#include <string>

#include "framework/Object.h"

PropertyRow const* PropertyTable::Find(std::string_view name) const
{
    for (auto const* table = this; table; table = table->m_base) {
        auto const found = std::ranges::find(table->m_rows, name, &PropertyRow::name);
        if (found != table->m_rows.end())
            return &*found;
    }
    return nullptr;
}

void PropertyTable::Apply(Object& target, std::string_view name, PropertyValue const& value) const
{
    auto const* row = Find(name);
    if (!row)
        return;
    // A stream's values have their name's type by construction; a value made by hand
    // may not, and is refused whole rather than half applied.
    if (value.value.index() != static_cast<std::size_t>(row->type))
        throw RuntimeException("property " + std::string(name) + " takes a value of another type");
    row->apply(target, value);
}

namespace Detail {

void ThrowNotOfTheSettersClass(Object const& target)
{
    throw IllegalCastException("a property setter was applied to an object of another class (" + std::string(target.ClassName()) + ")");
}

}
