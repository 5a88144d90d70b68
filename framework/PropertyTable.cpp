#include "framework/PropertyTable.h"

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
    if (auto const* row = Find(name))
        row->apply(target, value);
}
