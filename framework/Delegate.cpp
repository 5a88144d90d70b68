#include "framework/Delegate.h"

#include <string>

#include "framework/Trace.h"

namespace {

void CheckEvent(Control const& control, int event, int expected)
{
    if (event != expected)
        throw RuntimeException("the control has no event number " + std::to_string(event));
    Trace("RuntimeAddEventHandler", control.Name());
}

}

void RuntimeAddEventHandler(Canvas& control, int event, Canvas::PaintHandler handler)
{
    CheckEvent(control, event, Canvas::PaintEvent);
    control.AddPaintHandler(std::move(handler));
}

void RuntimeAddEventHandler(Slider& control, int event, Slider::ValueChangedHandler handler)
{
    CheckEvent(control, event, Slider::ValueChangedEvent);
    control.AddValueChangedHandler(std::move(handler));
}

void RuntimeAddEventHandler(PopupMenu& control, int event, PopupMenu::ChangeHandler handler)
{
    CheckEvent(control, event, PopupMenu::ChangeEvent);
    control.AddChangeHandler(std::move(handler));
}
