#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "ConstructionTrace.h"
#include "ParabolaWindowFixture.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/Label.h"
#include "framework/Slider.h"
#include "framework/WindowOrder.h"

namespace {

struct ControlCase {
    char const* name;
    char const* kind;
    std::int32_t left, top, width, height;
};

// Registration order is tab order: the sliders from the bottom one up.
ControlCase const control_cases[] = {
    { "Graph", "Canvas", 20, 14, 560, 460 },
    { "Formula", "Label", 20, 485, 560, 30 },
    { "KSlider", "Slider", 122, 597, 458, 23 },
    { "HSlider", "Slider", 122, 562, 458, 23 },
    { "ASlider", "Slider", 122, 527, 458, 23 },
    { "AValue", "Label", 20, 527, 90, 20 },
    { "HValue", "Label", 20, 559, 90, 20 },
    { "KValue", "Label", 20, 591, 90, 20 },
};

std::string KindOf(Control& control)
{
    if (dynamic_cast<Canvas*>(&control))
        return "Canvas";
    if (dynamic_cast<Label*>(&control))
        return "Label";
    if (dynamic_cast<Slider*>(&control))
        return "Slider";
    return "other";
}

// Each control gets its table before its handler, so the positions that the tables
// set reach no handler; the labels get no handler at all, but their text unit before
// their table. That unit, 0, is the one a new label already has, so only the trace
// shows that the window sets it.
TEST_F(ParabolaWindowTest, EachHandlerIsAttachedRightAfterItsControlsTable)
{
    auto const steps = ConstructionSteps([&] { OpenWindow(false); });
    EXPECT_EQ(steps, (std::vector<std::string> {
        "SetProperties ",
        "SetProperties Graph", "RuntimeAddEventHandler Graph",
        "SetTextUnit Formula", "SetProperties Formula",
        "SetProperties KSlider", "RuntimeAddEventHandler KSlider",
        "SetProperties HSlider", "RuntimeAddEventHandler HSlider",
        "SetProperties ASlider", "RuntimeAddEventHandler ASlider",
        "SetTextUnit AValue", "SetProperties AValue",
        "SetTextUnit HValue", "SetProperties HValue",
        "SetTextUnit KValue", "SetProperties KValue",
    }));
}

TEST_F(ParabolaWindowTest, EightControlsInTabOrderFromTheirTables)
{
    auto window = OpenWindow(false);
    auto const& controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(control_cases));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto const& c = control_cases[i];
        SCOPED_TRACE(c.name);
        auto control = std::dynamic_pointer_cast<RectControl>(controls[i]);
        ASSERT_TRUE(control);
        EXPECT_EQ(control->Name(), c.name);
        EXPECT_EQ(KindOf(*control), c.kind);
        EXPECT_EQ(control->Index(), Control::NoIndex);
        EXPECT_EQ(control->TabIndex(), static_cast<std::int32_t>(i));
        EXPECT_EQ(control->Left(), c.left);
        EXPECT_EQ(control->Top(), c.top);
        EXPECT_EQ(control->Width(), c.width);
        EXPECT_EQ(control->Height(), c.height);
        EXPECT_TRUE(control->LockLeft());
        EXPECT_TRUE(control->LockBottom());
        if (auto label = std::dynamic_pointer_cast<Label>(control)) {
            EXPECT_EQ(label->TextSize(), 14.0f);
        }
        if (auto slider = std::dynamic_pointer_cast<Slider>(control)) {
            EXPECT_EQ(slider->Minimum(), -100);
            EXPECT_EQ(slider->Maximum(), 100);
            EXPECT_EQ(slider->LineStep(), 1);
            EXPECT_EQ(slider->PageStep(), 20);
            EXPECT_TRUE(slider->LiveScroll());
        }
    }
    EXPECT_TRUE(window->Graph().HasPaintHandler());
    EXPECT_FALSE(window->Graph().AcceptFocus());
    EXPECT_EQ(window->Formula().TextAlign(), 1);
    EXPECT_EQ(window->AValue().TextAlign(), 0);
}

// Until the canvas is first painted the window shows its tables: creating the
// controls ran no update.
TEST_F(ParabolaWindowTest, NewWindowShowsItsTablesUntilItsFirstPaint)
{
    auto window = OpenWindow(false);
    EXPECT_EQ(window->a, 0.0);
    EXPECT_EQ(window->h, 0.0);
    EXPECT_EQ(window->k, 0.0);
    EXPECT_TRUE(window->vertexForm);
    EXPECT_FALSE(window->updating);
    EXPECT_EQ(window->AValue().Text(), "a = 0");
    EXPECT_EQ(window->HValue().Text(), "h = 0");
    EXPECT_EQ(window->KValue().Text(), "k = 0");
    EXPECT_EQ(window->Formula().Text(), "");

    Testing::ProcessEvents();
    EXPECT_EQ(window->Formula().Text(), "y = 0 * (x  + 0) ^ 2  + 0");
    // The curve runs along the horizontal axis, black over its grey.
    EXPECT_EQ(PixelAt(*window, 100, 230), 0x000000u);
    EXPECT_EQ(PixelAt(*window, 100, 231), 0xFFFFFFu);
}

TEST_F(ParabolaWindowTest, WindowTableAndMenuBarTakeEffect)
{
    auto window = OpenWindow();
    EXPECT_EQ(window->MenuBar(), MenuBar1::MenuBar1::Instance());
    auto const state = Testing::NativeState(*window);
    EXPECT_EQ(state.title, "Arcsketcher");
    EXPECT_EQ(state.content_width, 600);
    EXPECT_EQ(state.content_height, 640);
    EXPECT_EQ(state.min_width, 64);
    EXPECT_EQ(state.min_height, 64);
    EXPECT_EQ(state.max_width, 32000);
    EXPECT_EQ(state.max_height, 32000);
    EXPECT_TRUE(state.visible);
    EXPECT_TRUE(state.close_button);
    EXPECT_TRUE(state.minimize_button);
    EXPECT_FALSE(state.maximize_button);
}

TEST_F(ParabolaWindowTest, InstanceReturnsTheOpenWindow)
{
    auto window = OpenWindow();
    EXPECT_EQ(ParabolaWindow::Instance(), window);
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_EQ(window->ClassName(), "Arcsketcher.Arcsketcher");
}

// A resize moves the controls by their locks and stretches the square to the
// canvas at the next drawing.
TEST_F(ParabolaWindowTest, ResizeStretchesTheGraphToTheCanvas)
{
    auto window = OpenWindow();
    Testing::ResizeAsUser(*window, 700, 690);
    Testing::ProcessEvents();

    auto& graph = window->Graph();
    EXPECT_EQ(graph.Width(), 660);
    EXPECT_EQ(graph.Height(), 510);
    EXPECT_EQ(window->KSlider().Width(), 558);
    EXPECT_EQ(window->KSlider().Top(), 647);
    EXPECT_EQ(window->AValue().Width(), 90);
    EXPECT_EQ(window->AValue().Top(), 577);
    EXPECT_EQ(window->Formula().Width(), 660);

    auto surface = graph.Graphics();
    ASSERT_EQ(surface->Width(), 660);
    ASSERT_EQ(surface->Height(), 510);
    EXPECT_EQ(PixelAt(*window, 330, 100), 0xA0A0A0u);
    EXPECT_EQ(PixelAt(*window, 66, 100), 0xE0E0E0u);
    EXPECT_EQ(PixelAt(*window, 659, 100), 0x000000u);
    EXPECT_EQ(PixelAt(*window, 100, 509), 0x000000u);
    EXPECT_EQ(PixelAt(*window, 100, 255), 0x000000u);
}

}
