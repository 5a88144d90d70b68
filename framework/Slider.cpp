#include "framework/Slider.h"

#include <algorithm>
#include <array>

#include <QSignalBlocker>
#include <QSlider>

#include "framework/Window.h"
#include "framework/private/ControlEvents.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"

using Framework::KeyIssuer;

namespace {

// The range the thumb moves in; a maximum below the minimum closes it to one position.
std::int32_t UpperEnd(Slider const& model)
{
    return std::max(model.Minimum(), model.Maximum());
}

bool OutsideRange(Slider const& model)
{
    return model.Value() < model.Minimum() || model.Value() > UpperEnd(model);
}

// A move from a value outside the range starts where the thumb stands, at the nearer
// end, and the toolkit reports no change when it ends there too (End with the thumb
// already at the end, a thumb pressed and let go): the value still comes to the thumb.
void BringInsideRange(Slider& model)
{
    if (auto* native = NativeWidget<QSlider>(model); native && OutsideRange(model))
        model.UserMovedTo(KeyIssuer::Key(), native->sliderPosition());
}

void Configure(QSlider& slider, Slider const& model)
{
    QSignalBlocker const blocker(slider);
    slider.setRange(model.Minimum(), UpperEnd(model));
    // A value outside the range stays the model's; the thumb stands at the nearer end.
    slider.setValue(std::clamp(model.Value(), slider.minimum(), slider.maximum()));
    slider.setSingleStep(model.LineStep());
    slider.setPageStep(model.PageStep());
    slider.setTracking(model.LiveScroll());
    // TickStyle codes are the toolkit's tick positions: 0 none, 1 above, 2 below, 3 both.
    auto const style = model.TickStyle();
    slider.setTickPosition(style >= 0 && style <= 3 ? static_cast<QSlider::TickPosition>(style) : QSlider::NoTicks);
}

}

Slider::Slider() = default;

Slider::~Slider() = default;

void Slider::SetValue(std::int32_t value)
{
    if (value == m_value)
        return;
    m_value = value;
    SyncNative();
    RaiseValueChanged();
}

void Slider::SetMinimum(std::int32_t minimum)
{
    m_minimum = minimum;
    SyncNative();
}

void Slider::SetMaximum(std::int32_t maximum)
{
    m_maximum = maximum;
    SyncNative();
}

void Slider::SetLineStep(std::int32_t step)
{
    m_line_step = step;
    SyncNative();
}

void Slider::SetPageStep(std::int32_t step)
{
    m_page_step = step;
    SyncNative();
}

void Slider::SetLiveScroll(bool live)
{
    m_live_scroll = live;
    SyncNative();
}

void Slider::SetTickStyle(std::int32_t style)
{
    m_tick_style = style;
    SyncNative();
}

void Slider::AddValueChangedHandler(ValueChangedHandler handler)
{
    m_value_changed = std::move(handler);
}

PropertyTable const& Slider::Properties() const
{
    static constexpr std::array rows {
        PropertyRowOf<"Value", &Slider::SetValue>(),
        PropertyRowOf<"Minimum", &Slider::SetMinimum>(),
        PropertyRowOf<"Maximum", &Slider::SetMaximum>(),
        PropertyRowOf<"LineStep", &Slider::SetLineStep>(),
        PropertyRowOf<"PageStep", &Slider::SetPageStep>(),
        PropertyRowOf<"LiveScroll", &Slider::SetLiveScroll>(),
        PropertyRowOf<"TickStyle", &Slider::SetTickStyle>(),
    };
    static PropertyTable const table { rows, RectControl::Properties() };
    return table;
}

void Slider::UserMovedTo(FrameworkKey, std::int32_t position)
{
    if (position == m_value)
        return;
    m_value = position;
    RaiseValueChanged();
}

void Slider::RaiseValueChanged()
{
    RaiseControlEvent(*this, m_value_changed);
}

std::unique_ptr<NativeControl> Slider::MakeNative()
{
    auto* slider = new QSlider(Qt::Horizontal, ContentOf(*this));
    // Only the user's moves come through here: the framework's own changes are made
    // with the signals blocked.
    QObject::connect(slider, &QSlider::valueChanged, slider, AtBoundary(*this, [](Slider& self, int position) { self.UserMovedTo(KeyIssuer::Key(), position); }));
    // Every key, click and drag step is an action, sent with the thumb already at its
    // new position; letting the thumb go is the end of a drag.
    QObject::connect(slider, &QSlider::actionTriggered, slider, AtBoundary(*this, [](Slider& self, int) { BringInsideRange(self); }));
    QObject::connect(slider, &QSlider::sliderReleased, slider, AtBoundary(*this, [](Slider& self) { BringInsideRange(self); }));
    Configure(*slider, *this);
    return std::make_unique<NativeControl>(slider);
}

void Slider::SyncNative()
{
    if (auto* slider = NativeWidget<QSlider>(*this))
        Configure(*slider, *this);
}
