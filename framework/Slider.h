#pragma once

#include <cstdint>
#include <functional>

#include "framework/RectControl.h"

// A horizontal slider. Value keeps any position that code sets, also one outside
// Minimum..Maximum (the thumb then stands at the nearer end); a user's moves stay
// inside the range. Setting a different Value raises ValueChanged before the setter
// returns; the same Value raises nothing. With LiveScroll every position the thumb
// takes while dragged raises ValueChanged. Arrow keys move one LineStep, Page Up and
// Page Down one PageStep, Home and End go to the ends.
class Slider : public RectControl {
public:
    static constexpr int ValueChangedEvent = FirstOwnEvent;
    using ValueChangedHandler = std::function<void(Slider&)>;

    Slider();
    ~Slider() override;

    std::int32_t Value() const { return m_value; }
    void SetValue(std::int32_t);
    std::int32_t Minimum() const { return m_minimum; }
    void SetMinimum(std::int32_t);
    std::int32_t Maximum() const { return m_maximum; }
    void SetMaximum(std::int32_t);
    std::int32_t LineStep() const { return m_line_step; }
    void SetLineStep(std::int32_t);
    std::int32_t PageStep() const { return m_page_step; }
    void SetPageStep(std::int32_t);
    bool LiveScroll() const { return m_live_scroll; }
    void SetLiveScroll(bool);
    std::int32_t TickStyle() const { return m_tick_style; }
    void SetTickStyle(std::int32_t);

    bool TakesKeyboardFocus() const override { return true; }
    void AddValueChangedHandler(ValueChangedHandler handler);
    PropertyTable const& Properties() const override;

    // Framework side: a move by the user to a position inside the range.
    void UserMovedTo(FrameworkKey, std::int32_t position);

protected:
    std::unique_ptr<NativeControl> MakeNative() override;

private:
    void SyncNative();
    void RaiseValueChanged();

    std::int32_t m_value { 0 };
    std::int32_t m_minimum { 0 };
    std::int32_t m_maximum { 100 };
    std::int32_t m_line_step { 1 };
    std::int32_t m_page_step { 10 };
    bool m_live_scroll { true };
    std::int32_t m_tick_style { 0 };
    ValueChangedHandler m_value_changed;
};
