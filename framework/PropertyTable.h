#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "framework/PropertyFormat.h"
#include "framework/PropertyValue.h"

class Object;

// One property a class takes from a stream: its name, the format's type for that name,
// and how a value of that type is applied to an object of the class.
struct PropertyRow {
    std::string_view name;
    PropertyType type;
    void (*apply)(Object&, PropertyValue const&);
};

// A class's properties: its own rows, then its base class's table, so that a derived
// class takes every property of its base. Each class gives its table through
// Object::Properties.
class PropertyTable {
public:
    constexpr PropertyTable() = default;
    constexpr PropertyTable(std::span<PropertyRow const> rows, PropertyTable const& base)
        : m_rows(rows)
        , m_base(&base)
    {
    }

    // Applies a value through the row of its name. A name without a row is ignored, so
    // every stream of the format is accepted.
    void Apply(Object& target, std::string_view name, PropertyValue const& value) const;

private:
    // The row of the name, the class's own before its base's; nil for a name the class
    // has no use for.
    PropertyRow const* Find(std::string_view name) const;

    std::span<PropertyRow const> m_rows;
    PropertyTable const* m_base { nullptr };
};

// A property name written as a template argument, so that a row's name is checked
// against the format when the row compiles.
template<std::size_t size>
struct PropertyName {
    char text[size] {};

    consteval PropertyName(char const (&literal)[size]) { std::copy_n(literal, size, text); }
    constexpr std::string_view View() const { return { text, size - 1 }; }
};

namespace Detail {

// The object a setter works on and the value it takes: a member function takes the
// value, a lambda (one without captures) the object and the value.
template<class Setter>
struct SetterShape : SetterShape<decltype(&Setter::operator())> { };

template<class Class, class Value>
struct SetterShape<void (Class::*)(Value)> {
    using Target = Class;
    using Argument = Value;
};

template<class Lambda, class Class, class Value>
struct SetterShape<void (Lambda::*)(Class&, Value) const> {
    using Target = Class;
    using Argument = Value;
};

// The format's type of the values a setter takes.
template<class Value>
consteval PropertyType TypeTakenBy()
{
    using Plain = std::remove_cvref_t<Value>;
    if constexpr (std::is_same_v<Plain, std::int32_t>) {
        return PropertyType::Int32;
    } else if constexpr (std::is_same_v<Plain, bool>) {
        return PropertyType::Boolean;
    } else if constexpr (std::is_same_v<Plain, std::string> || std::is_same_v<Plain, std::string_view>) {
        return PropertyType::Text;
    } else {
        static_assert(std::is_same_v<Plain, Color>, "a property setter takes std::int32_t, bool, a text or Color");
        return PropertyType::Color;
    }
}

template<auto setter>
inline constexpr PropertyType SetterType = TypeTakenBy<typename SetterShape<decltype(setter)>::Argument>();

[[noreturn]] void ThrowNotOfTheSettersClass(Object const& target);

// A row's apply. A class's table is reached through the object's own Properties, so
// the object is of the setter's class; the cast is checked all the same, so that a
// row put in the wrong class's table is an error, never a call on the wrong object.
template<auto setter>
void ApplyThrough(Object& target, PropertyValue const& value)
{
    using Target = typename SetterShape<decltype(setter)>::Target;
    auto* object = dynamic_cast<Target*>(&target);
    if (!object)
        ThrowNotOfTheSettersClass(target);
    std::invoke(setter, *object, std::get<PropertyValueOf<SetterType<setter>>>(value.value));
}

}

// Whether the format has a property of the name and gives it the type the setter takes.
template<PropertyName name, auto setter>
concept SetterTakesTheFormatsType = PropertyTypeOf(name.View()) == Detail::SetterType<setter>;

// A row of a class's table, e.g. PropertyRowOf<"Value", &Slider::SetValue>(). A name
// the format does not know, or a setter of another type than the format gives the
// name, does not compile.
template<PropertyName name, auto setter>
    requires SetterTakesTheFormatsType<name, setter>
consteval PropertyRow PropertyRowOf()
{
    return { name.View(), Detail::SetterType<setter>, &Detail::ApplyThrough<setter> };
}
