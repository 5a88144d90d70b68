#include "framework/Delegate.h"

#include <string>

namespace {

void CheckEvent(int event, int expected)
{
    if (event != expected)
        throw RuntimeException("the control has no event number " + std::to_string(event));
}

}

void RuntimeAddEventHandler(Canvas& control, int event, Canvas::PaintHandler handler)
{
    CheckEvent(event, Canvas::PaintEvent);
    control.AddPaintHandler(std::move(handler));
}

void RuntimeAddEventHandler(Slider& control, int event, Slider::ValueChangedHandler handler)
{
    CheckEvent(event, Slider::ValueChangedEvent);
    control.AddValueChangedHandler(std::move(handler));
}

void RuntimeAddEventHandler(PopupMenu& control, int event, PopupMenu::ChangeHandler handler)
{
    CheckEvent(event, PopupMenu::ChangeEvent);
    control.AddChangeHandler(std::move(handler));
}
