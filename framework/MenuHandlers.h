#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Menu handlers registered by item name. A handler takes nothing and returns true
// when it handled the command.
using MenuHandler = std::function<bool()>;

class MenuHandlers {
public:
    void Add(std::string_view name, MenuHandler handler) { m_handlers.emplace_back(std::string(name), std::move(handler)); }
    // The handler registered last for the name, or nil.
    MenuHandler const* Find(std::string_view name) const
    {
        for (auto it = m_handlers.rbegin(); it != m_handlers.rend(); ++it)
            if (it->first == name)
                return &it->second;
        return nullptr;
    }
    bool Has(std::string_view name) const { return Find(name) != nullptr; }
    void Clear() { m_handlers.clear(); }

private:
    std::vector<std::pair<std::string, MenuHandler>> m_handlers;
};
