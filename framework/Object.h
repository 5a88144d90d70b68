#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/PropertyTable.h"

// The root of every framework object. Objects are shared and reference-counted:
// an object goes when its last std::shared_ptr goes.
class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    // The class name recorded when the object was allocated with RuntimeNewObject,
    // e.g. "Arcsketcher.Arcsketcher"; empty for objects made otherwise.
    std::string_view ClassName() const { return m_class_name; }

    // The properties a stream can set on objects of the class, its base classes'
    // included. An object ignores the properties it has no use for, so every stream of
    // the format is accepted; an object of this class has a use for none.
    virtual PropertyTable const& Properties() const
    {
        static constexpr PropertyTable none;
        return none;
    }

private:
    template<class T>
    friend std::shared_ptr<T> RuntimeNewObject();
    std::string m_class_name;
    bool m_implicit_instance { false };

public:
    bool ImplicitInstance() const { return m_implicit_instance; }
};

// Every error the runtime raises. One exception type per kind of failure.
class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual std::string_view TypeName() const { return "RuntimeException"; }
};

// Raised by every use of nil: a look-up that finds no control, a menu item that is
// not found, a handler whose window is gone.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view TypeName() const override { return "NilObjectException"; }
};

// Raised when an object is cast to a class it is not an instance of.
class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    std::string_view TypeName() const override { return "IllegalCastException"; }
};

namespace Detail {
template<class T>
concept HasClassName = requires { { T::ClassNameText } -> std::convertible_to<std::string_view>; };
template<class T>
concept HasImplicitInstance = requires { { T::HasImplicitInstance } -> std::convertible_to<bool>; };
}

// Allocates an object and runs its instance initialisers; the caller constructs it
// (Window::Constructor, RectControl::Constructor). A class may declare
// `static constexpr std::string_view ClassNameText` and
// `static constexpr bool HasImplicitInstance`, which are recorded here.
template<class T>
std::shared_ptr<T> RuntimeNewObject()
{
    auto object = std::make_shared<T>();
    if constexpr (Detail::HasClassName<T>)
        object->m_class_name = std::string(T::ClassNameText);
    if constexpr (Detail::HasImplicitInstance<T>)
        object->m_implicit_instance = T::HasImplicitInstance;
    return object;
}

// The object as an instance of T: nil stays nil, an object of another class raises
// IllegalCastException.
template<class T, class U>
std::shared_ptr<T> RuntimeCheckCast(std::shared_ptr<U> const& object)
{
    if (!object)
        return nullptr;
    if constexpr (std::is_base_of_v<T, U>) {
        return object;
    } else {
        auto cast = std::dynamic_pointer_cast<T>(object);
        if (!cast)
            throw IllegalCastException("object is not of the requested class");
        return cast;
    }
}

// The object itself, or NilObjectException when it is nil.
template<class T>
T& NilCheck(std::shared_ptr<T> const& object, std::string_view what = "object")
{
    if (!object)
        throw NilObjectException(std::string(what) + " is nil");
    return *object;
}
