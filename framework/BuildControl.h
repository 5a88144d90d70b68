#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

#include "framework/Control.h"
#include "framework/Delegate.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PropertyStream.h"
#include "framework/RectControl.h"
#include "framework/Window.h"

// What a window gives its text controls before their tables, which set neither: the
// text size of its labels and the text unit of its labels and pop-up menus. The
// values are the window's choice; the framework only applies them.
struct ControlDefaults {
    float label_text_size { 0.0f };
    std::int32_t text_unit { 0 };
};

// A control class whose controls stand on their own and are built with Constructor().
template<class T>
concept StandaloneControl = std::derived_from<T, RectControl> && requires(T& control) { control.Constructor(); };

// A class of control-array members. The members share one name, so each is built
// knowing its index, with Constructor(index); a class that could also build one
// without its index does not qualify.
template<class T>
concept ArrayMemberControl = std::derived_from<T, RectControl> && !StandaloneControl<T>
    && requires(T& control, std::int32_t index) { control.Constructor(index); };

namespace Detail {

// The steps after registration: the defaults, the table, then the handler, so that
// the positions a table sets reach no handler. Each step finds the control again in
// the window, as every use of a control does.
template<class T, class W, class Find, class Handler>
void SetUpControl(W& window, Find const& find, ControlDefaults const& defaults, std::span<std::uint8_t const> table, Handler handler)
{
    if constexpr (std::derived_from<T, Label>) {
        find().SetTextSize(defaults.label_text_size);
        find().SetTextUnit(defaults.text_unit);
    } else if constexpr (std::derived_from<T, PopupMenu>) {
        find().SetTextUnit(defaults.text_unit);
    }
    SetProperties(find(), table);
    // A window handles the one event of each control's own class.
    if constexpr (!std::is_null_pointer_v<Handler>)
        RuntimeAddEventHandler(find(), FirstOwnEvent, RuntimeCreateDelegate(window, handler));
}

}

// Makes a control of class T in the window under a name: allocates, constructs and
// registers it, gives it the defaults, applies its table and attaches the window's
// method `handler`, if any, to its event.
template<StandaloneControl T, std::derived_from<Window> W, class Handler = std::nullptr_t>
void BuildControl(W& window, std::string_view name, ControlDefaults const& defaults, std::span<std::uint8_t const> table, Handler handler = nullptr)
{
    auto control = window.template New<T>();
    control->Constructor();
    window.AddControl(name, std::move(control));
    Detail::SetUpControl<T>(window, [&]() -> T& { return window.template Find<T>(name); }, defaults, table, handler);
}

// The same for a member of a control array, under the array's name and its index.
template<ArrayMemberControl T, std::derived_from<Window> W, class Handler = std::nullptr_t>
void BuildControl(W& window, std::string_view name, std::int32_t index, ControlDefaults const& defaults, std::span<std::uint8_t const> table, Handler handler = nullptr)
{
    auto control = window.template New<T>();
    control->Constructor(index);
    window.AddControl(name, std::move(control));
    Detail::SetUpControl<T>(window, [&]() -> T& { return window.template Find<T>(name, index); }, defaults, table, handler);
}
