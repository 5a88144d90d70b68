#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "framework/Canvas.h"
#include "framework/Object.h"
#include "framework/PopupMenu.h"
#include "framework/Slider.h"

// Binds a method to its object without keeping the object alive: when the object is
// gone by the time the delegate is called, the method is not called and
// NilObjectException is raised instead.
template<class T, class Result, class... Args>
std::function<Result(Args...)> RuntimeCreateDelegate(T& target, Result (T::*method)(Args...))
{
    std::weak_ptr<T> weak = std::static_pointer_cast<T>(target.shared_from_this());
    return [weak = std::move(weak), method](Args... args) -> Result {
        auto strong = weak.lock();
        if (!strong)
            throw NilObjectException("the handler's object is gone");
        return ((*strong).*method)(std::forward<Args>(args)...);
    };
}

// Attaches a handler to the event of the given number of a control. Each control
// class declares one event of its own, number 15 (Paint, ValueChanged, Change);
// any other number raises RuntimeException.
void RuntimeAddEventHandler(Canvas& control, int event, Canvas::PaintHandler handler);
void RuntimeAddEventHandler(Slider& control, int event, Slider::ValueChangedHandler handler);
void RuntimeAddEventHandler(PopupMenu& control, int event, PopupMenu::ChangeHandler handler);
