#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Object.h"

// One entry of a menu tree: a menu title (it has children), an item, or a separator
// (its Text is "-"). "&" in a Text marks the mnemonic; a KeyboardShortcut such as
// "Cmd+Q" uses the platform's command modifier (Ctrl here, Command on macOS).
class MenuItem : public Object {
public:
    MenuItem();
    ~MenuItem() override;

    // The no-argument construction; a new item has empty texts, AutoEnable false
    // and is enabled.
    virtual void Constructor() { }

    std::string const& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    std::string const& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    std::string const& KeyboardShortcut() const { return m_keyboard_shortcut; }
    void SetKeyboardShortcut(std::string shortcut) { m_keyboard_shortcut = std::move(shortcut); }
    // Items with AutoEnable take part in the automatic disabling that precedes every
    // EnableMenuItems round; others keep the state that code gave them.
    bool AutoEnable() const { return m_auto_enable; }
    void SetAutoEnable(bool value) { m_auto_enable = value; }

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    void Enable() { m_enabled = true; }

    bool IsSeparator() const { return m_text == "-"; }
    virtual bool IsQuitItem() const { return false; }

    // Adds an item last.
    void Append(std::shared_ptr<MenuItem> item);
    std::vector<std::shared_ptr<MenuItem>> const& Children() const { return m_children; }
    // The direct child of that name, or nil.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, or nil.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;

private:
    std::string m_name;
    std::string m_text;
    std::string m_keyboard_shortcut;
    bool m_auto_enable { false };
    bool m_enabled { true };
    std::vector<std::shared_ptr<MenuItem>> m_children;
};

// Choosing it quits the application; it needs no handler.
class QuitMenuItem : public MenuItem {
public:
    bool IsQuitItem() const override { return true; }
};
