#include "framework/MenuItem.h"

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() = default;

void MenuItem::Append(std::shared_ptr<MenuItem> item)
{
    if (!item)
        throw NilObjectException("the menu item to append is nil");
    m_children.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const
{
    for (auto const& child : m_children)
        if (child->Name() == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const
{
    for (auto const& child : m_children) {
        if (child->Name() == name)
            return child;
        if (auto found = child->Lookup(name))
            return found;
    }
    return nullptr;
}
