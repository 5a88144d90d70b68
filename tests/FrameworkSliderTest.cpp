#include <string>
#include <vector>

#include "framework/Delegate.h"
#include "framework/Slider.h"
#include "tests/FrameworkFixture.h"

namespace {

// One slider of the windows' kind: -100..100, line step 1, page step 20.
class SliderWindow : public Window {
public:
    static constexpr std::string_view ClassNameText = "SliderWindow.SliderWindow";

    void Layout() override { Resize(300, 100); }
    void CreateControls() override
    {
        auto slider = MakeControl<Slider>(*this, "S", { 10, 10, 280, 23, "LTR" });
        slider->SetMinimum(-100);
        slider->SetMaximum(100);
        slider->SetLineStep(1);
        slider->SetPageStep(20);
        slider->SetValue(0);
        slider->SetTabIndex(0);
        RuntimeAddEventHandler(*slider, Slider::ValueChangedEvent, RuntimeCreateDelegate(*this, &SliderWindow::S_ValueChanged));
        // Set after the handler is attached, but still inside construction.
        slider->SetValue(3);
        slider->SetValue(0);
    }

    void S_ValueChanged(Slider& slider)
    {
        seen.push_back(slider.Value());
        if (throw_in_handler)
            throw NilObjectException("thrown by the handler");
    }

    Slider& S() { return Find<Slider>("S"); }

    std::vector<std::int32_t> seen;
    bool throw_in_handler { false };
};

class FrameworkSlider : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        window = Open<SliderWindow>();
    }
    std::shared_ptr<SliderWindow> window;
};

}

TEST_F(FrameworkSlider, RaisesNothingWhileItsWindowIsConstructed)
{
    EXPECT_TRUE(window->seen.empty());
    EXPECT_EQ(window->S().Value(), 0);
}

TEST_F(FrameworkSlider, SetValueRaisesValueChangedBeforeReturningAndOnlyOnChange)
{
    auto& slider = window->S();
    slider.SetValue(0);
    EXPECT_TRUE(window->seen.empty());
    slider.SetValue(37);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 37 }));
    slider.SetValue(37);
    EXPECT_EQ(window->seen.size(), 1u);
    EXPECT_EQ(Testing::NativeState(slider).position, 37);
}

TEST_F(FrameworkSlider, KeepsAValueOutsideItsRangeWithTheThumbAtTheNearerEnd)
{
    auto& slider = window->S();
    slider.SetValue(180);
    EXPECT_EQ(slider.Value(), 180);
    EXPECT_EQ(Testing::NativeState(slider).position, 100);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 180 }));

    slider.SetValue(-120);
    EXPECT_EQ(slider.Value(), -120);
    EXPECT_EQ(Testing::NativeState(slider).position, -100);
}

// The thumb of a value outside the range stands at the end already: pressed and let
// go there, or dragged on from there, it brings the value inside.
TEST_F(FrameworkSlider, TheThumbTakenFromTheEndBringsAValueOutsideTheRangeIn)
{
    auto& slider = window->S();
    slider.SetValue(180);
    window->seen.clear();
    Testing::DragSlider(slider, {});
    EXPECT_EQ(slider.Value(), 100);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 100 }));

    slider.SetValue(-120);
    window->seen.clear();
    Testing::DragSlider(slider, { -100, -99 });
    EXPECT_EQ(slider.Value(), -99);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ -99 }));
}

TEST_F(FrameworkSlider, ADragRaisesValueChangedAtEveryPositionPassed)
{
    auto& slider = window->S();
    Testing::DragSlider(slider, { 1, 2, 3, 5, 5, 4 });
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 1, 2, 3, 5, 4 }));
    EXPECT_EQ(slider.Value(), 4);
}

namespace {
struct KeyCase {
    char const* keys;
    std::int32_t from;
    std::int32_t to;
};
}

class FrameworkSliderKeys : public FrameworkSlider, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(FrameworkSliderKeys, MoveByTheirStep)
{
    auto const& param = GetParam();
    auto& slider = window->S();
    slider.SetValue(param.from);
    window->seen.clear();
    Testing::PressKeys(*window, param.keys);
    EXPECT_EQ(slider.Value(), param.to);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ param.to }));
}

INSTANTIATE_TEST_SUITE_P(ByKey, FrameworkSliderKeys,
    ::testing::Values(
        KeyCase { "Right", 0, 1 },
        KeyCase { "Left", 0, -1 },
        KeyCase { "PgUp", 0, 20 },
        KeyCase { "PgDown", 0, -20 },
        KeyCase { "PgUp", 90, 100 },
        KeyCase { "Home", 0, -100 },
        KeyCase { "End", 0, 100 },
        // From a value outside the range a move starts at the thumb, at the nearer end,
        // and always lands inside, also where the thumb cannot go further.
        KeyCase { "End", 180, 100 },
        KeyCase { "Home", 180, -100 },
        KeyCase { "Right", 180, 100 },
        KeyCase { "Left", 180, 99 },
        KeyCase { "PgDown", 180, 80 },
        KeyCase { "Home", -120, -100 },
        KeyCase { "Left", -120, -100 },
        KeyCase { "PgUp", -120, -80 },
        KeyCase { "End", -120, 100 }),
    [](auto const& info) {
        auto const from = info.param.from;
        return std::string(info.param.keys) + "From" + (from < 0 ? "Minus" : "") + std::to_string(from < 0 ? -from : from);
    });

TEST_F(FrameworkSlider, AnExceptionFromTheUsersMoveStopsAtTheBoundary)
{
    window->throw_in_handler = true;
    Testing::PressKeys(*window, "Right");
    auto escaped = Testing::TakeEscapedException();
    ASSERT_TRUE(escaped);
    EXPECT_THROW(std::rethrow_exception(escaped), NilObjectException);
    EXPECT_EQ(window->S().Value(), 1);

    // Raised by code, the event's exception reaches that code.
    EXPECT_THROW(window->S().SetValue(50), NilObjectException);
    EXPECT_FALSE(Testing::TakeEscapedException());
}
