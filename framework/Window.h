#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/Control.h"
#include "framework/FrameworkKey.h"
#include "framework/MenuBar.h"
#include "framework/MenuHandlers.h"
#include "framework/Object.h"
#include "framework/RectControl.h"

class NativeWindow;

// A top-level document window. Sizes are content sizes: the menu bar does not eat
// into them. The framework keeps every open window alive; closing one destroys it
// with its controls, their handlers and its menu registrations. Its controls go once
// control is back in the event loop, so that a handler may close its own window and
// still use what it looked up; from the close on they raise no event and no look-up
// finds them.
class Window : public Object {
public:
    Window();
    ~Window() override;

    // Constructs the window: makes its native window, then runs Layout,
    // CreateControls and AddMenuHandlers once each, in that order, and shows the
    // window if its Visible is set. No control event is raised before
    // CreateControls has ended.
    void Constructor();

    // Construction hooks.
    virtual void Layout() { }
    virtual void CreateControls() { }
    virtual void AddMenuHandlers(Window& /*window*/) { }
    // Raised on the front window whenever the framework brings the menus' enabled
    // state up to date.
    virtual void Event_EnableMenuItems() { }

    std::shared_ptr<::MenuBar> MenuBar() const { return m_menu_bar; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar);

    void AddMenuHandler(std::string_view name, MenuHandler handler);
    MenuHandlers const& Handlers() const { return m_handlers; }

    // Allocates a control of class T inside this window, not yet constructed.
    template<class T>
    std::shared_ptr<T> New()
    {
        auto control = RuntimeNewObject<T>();
        Adopt(*control);
        return control;
    }

    // Registers a control under a name; the members of a control array share one
    // name and differ by Index, which must be set before. A second control with the
    // same name and index raises RuntimeException.
    void AddControl(std::string_view name, std::shared_ptr<Control> control);
    // The first control registered under the name, or nil.
    std::shared_ptr<Control> ControlByName(std::string_view name) const;
    // The control registered under the name with that index, or nil.
    std::shared_ptr<Control> ControlByNameIndex(std::string_view name, std::int32_t index) const;
    // In registration order.
    std::vector<std::shared_ptr<Control>> const& Controls() const { return m_controls; }

    // A control looked up and cast in one step; NilObjectException when none is
    // found, IllegalCastException when it is of another class. The windows look their
    // controls up at every use, thousands of times per drawing, so this is a plain
    // scan that copies no shared pointer; the control stays the window's.
    template<class T>
    T& Find(std::string_view name) const
    {
        return CastControl<T>(NamedControl(name));
    }
    template<class T>
    T& Find(std::string_view name, std::int32_t index) const
    {
        for (auto const& control : m_controls)
            if (control->Index() == index && control->Name() == name)
                return CastControl<T>(*control);
        throw NilObjectException(std::string("no control named ") + std::string(name) + "(" + std::to_string(index) + ")");
    }

    // Content size.
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void SetWidth(std::int32_t);
    void SetHeight(std::int32_t);
    void Resize(std::int32_t width, std::int32_t height);
    std::int32_t MinWidth() const { return m_min_width; }
    std::int32_t MinHeight() const { return m_min_height; }
    std::int32_t MaxWidth() const { return m_max_width; }
    std::int32_t MaxHeight() const { return m_max_height; }

    std::string const& Title() const { return m_title; }
    void SetTitle(std::string title);
    bool Visible() const { return m_visible; }
    void SetVisible(bool);
    bool CloseButton() const { return m_close_button; }
    bool MinimizeButton() const { return m_minimize_button; }
    bool MaximizeButton() const { return m_maximize_button; }
    bool Resizeable() const { return m_resizeable; }

    // Closes the window as its close button would.
    void Close();
    bool IsOpen() const { return m_open; }
    bool IsConstructing() const { return m_constructing; }

    // The control that has the keyboard focus, or nil.
    std::shared_ptr<RectControl> FocusControl() const;

    PropertyTable const& Properties() const override;

    // Framework side.
    NativeWindow* Native(FrameworkKey) const { return m_native.get(); }
    void NativeResized(FrameworkKey, std::int32_t width, std::int32_t height);
    void NativeClosed(FrameworkKey);

private:
    // The exact class is the common case and needs no walk of the class hierarchy.
    template<class T>
    static T& CastControl(Control& control)
    {
        if (typeid(control) == typeid(T))
            return static_cast<T&>(control);
        if (auto* cast = dynamic_cast<T*>(&control))
            return *cast;
        throw IllegalCastException("control " + control.Name() + " is not of the requested class");
    }

    // The first control registered under the name. A small direct-mapped index in
    // front of the scan remembers where each name was found, so the look-ups that a
    // drawing makes at every sample cost a compare, not a walk of the registry.
    Control* LookUpControl(std::string_view name) const
    {
        std::size_t const remembered = m_lookup[LookupSlot(name)];
        if (remembered != 0 && remembered <= m_controls.size() && m_controls[remembered - 1]->Name() == name)
            return m_controls[remembered - 1].get();
        return ScanForControl(name);
    }
    Control* ScanForControl(std::string_view name) const;
    Control& NamedControl(std::string_view name) const
    {
        if (auto* control = LookUpControl(name))
            return *control;
        ThrowNoControl(name);
    }
    [[noreturn]] static void ThrowNoControl(std::string_view name);
    static std::size_t LookupSlot(std::string_view name)
    {
        if (name.empty())
            return 0;
        auto const first = static_cast<unsigned char>(name.front());
        auto const last = static_cast<unsigned char>(name.back());
        return (name.size() * 7 + first + last * 3) % LookupSlots;
    }

    void Adopt(Control& control);
    // A frame setting from a stream: the field takes the value and the frame is
    // applied anew, which also brings the size within new limits.
    template<auto field>
    void SetFrameSetting(std::remove_reference_t<decltype(std::declval<Window&>().*field)> value);
    void ApplyFrame();
    void ApplyFocusOrder();
    void ShowNative();
    void FollowControls();

    std::shared_ptr<::MenuBar> m_menu_bar;
    MenuHandlers m_handlers;
    std::vector<std::shared_ptr<Control>> m_controls;
    static constexpr std::size_t LookupSlots = 16;
    // Each slot holds a position in m_controls plus one; 0 is empty.
    mutable std::array<std::size_t, LookupSlots> m_lookup {};
    std::unique_ptr<NativeWindow> m_native;

    std::int32_t m_width { 100 }, m_height { 100 };
    std::int32_t m_min_width { 64 }, m_min_height { 64 };
    std::int32_t m_max_width { 32000 }, m_max_height { 32000 };
    std::int32_t m_placement { 0 }, m_frame { 0 };
    std::string m_title;
    bool m_visible { true };
    bool m_full_screen { false };
    bool m_menu_bar_visible { true };
    bool m_close_button { true };
    bool m_resizeable { true };
    bool m_maximize_button { true };
    bool m_minimize_button { true };
    bool m_has_back_color { false };
    std::uint32_t m_back_color { 0xFFFFFF };
    bool m_open { false };
    bool m_constructing { false };
};
