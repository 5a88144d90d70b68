#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/Slider.h"
#include "framework/testing/GraphicsRecorder.h"
#include "framework/testing/TestSupport.h"
#include "shell/MenuBar1.h"
#include "tests/ConstructionTrace.h"
#include "tests/PolynomialWindowFixture.h"

namespace {

enum class Kind { Canvas, Label, ValueSlider, ValueDisplay, PopupMenu };

struct Created {
    std::string name;
    std::int32_t index;
    Kind kind;
    std::int32_t top;
    bool visible;
};

// The controls in the order of creation, which is also the tab order.
std::vector<Created> const creation_order {
    { "Graph", Control::NoIndex, Kind::Canvas, 14, true },
    { "Formula", Control::NoIndex, Kind::Label, 485, true },
    { "ValueSlider", 2, Kind::ValueSlider, 604, false },
    { "ValueSlider", 1, Kind::ValueSlider, 576, true },
    { "ValueSlider", 0, Kind::ValueSlider, 549, true },
    { "ValueDisplay", 0, Kind::ValueDisplay, 549, true },
    { "ValueDisplay", 1, Kind::ValueDisplay, 576, true },
    { "ValueDisplay", 2, Kind::ValueDisplay, 604, false },
    { "OrderMenu", Control::NoIndex, Kind::PopupMenu, 517, true },
    { "ValueSlider", 3, Kind::ValueSlider, 631, false },
    { "ValueDisplay", 3, Kind::ValueDisplay, 631, false },
    { "ModeMenu", Control::NoIndex, Kind::PopupMenu, 517, true },
    { "ValueSlider", 4, Kind::ValueSlider, 659, false },
    { "ValueDisplay", 4, Kind::ValueDisplay, 659, false },
    { "ValueSlider", 5, Kind::ValueSlider, 687, false },
    { "ValueDisplay", 5, Kind::ValueDisplay, 687, false },
};

bool IsKind(Control& control, Kind kind)
{
    switch (kind) {
    case Kind::Canvas:
        return dynamic_cast<Canvas*>(&control) != nullptr;
    case Kind::Label:
        return dynamic_cast<Label*>(&control) != nullptr && control.ClassName() != "Curvesketcher.ValueDisplay";
    case Kind::ValueSlider:
        return dynamic_cast<Slider*>(&control) != nullptr && control.ClassName() == "Curvesketcher.ValueSlider";
    case Kind::ValueDisplay:
        return dynamic_cast<Label*>(&control) != nullptr && control.ClassName() == "Curvesketcher.ValueDisplay";
    case Kind::PopupMenu:
        return dynamic_cast<PopupMenu*>(&control) != nullptr;
    }
    return false;
}

TEST_F(PolynomialWindowTest, NewWindowBeforeItsFirstUpdate)
{
    auto const window = OpenWindow(false);
    EXPECT_EQ(window->ClassName(), "Curvesketcher.Curvesketcher");
    EXPECT_EQ(window->MenuBar(), MenuBar1::MenuBar1::Instance());
    auto const frame = Testing::NativeState(*window);
    EXPECT_EQ(frame.title, "Curvesketcher");
    EXPECT_EQ(frame.content_width, 600);
    EXPECT_EQ(frame.content_height, 720);

    auto const& controls = window->Controls();
    ASSERT_EQ(controls.size(), creation_order.size());
    for (std::size_t order = 0; order < creation_order.size(); ++order) {
        auto const& expected = creation_order[order];
        SCOPED_TRACE(expected.name + " " + std::to_string(expected.index));
        auto const control = std::dynamic_pointer_cast<RectControl>(controls[order]);
        ASSERT_TRUE(control);
        EXPECT_EQ(control->Name(), expected.name);
        EXPECT_EQ(control->Index(), expected.index);
        EXPECT_TRUE(IsKind(*control, expected.kind));
        EXPECT_EQ(control->TabIndex(), static_cast<std::int32_t>(order));
        EXPECT_EQ(control->Top(), expected.top);
        EXPECT_EQ(control->Visible(), expected.visible);
    }

    // Members are found by their index, whatever their order of creation.
    EXPECT_EQ(window->ValueSlider(2).Top(), 604);
    EXPECT_EQ(window->ValueSlider(0).Top(), 549);
    EXPECT_EQ(window->ValueDisplay(5).Top(), 687);
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(window->ValueSlider(i).Index(), i);
        EXPECT_EQ(window->ValueSlider(i).Value(), 0);
        EXPECT_EQ(window->ValueSlider(i).Minimum(), -100);
        EXPECT_EQ(window->ValueSlider(i).Maximum(), 100);
        EXPECT_EQ(window->ValueDisplay(i).TextSize(), 14.0f);
    }
    EXPECT_EQ(window->Formula().TextSize(), 14.0f);
    EXPECT_EQ(window->Formula().TextAlign(), 1);
    EXPECT_EQ(window->OrderMenu().Rows(), (std::vector<std::string> { "Linear", "Quadratic", "Cubic", "BiQuadratic", "Quintic" }));
    EXPECT_EQ(window->ModeMenu().Rows(), (std::vector<std::string> { "Specify Coefficients", "Specify Roots" }));
    EXPECT_EQ(window->OrderMenu().ListIndex(), 0);
    EXPECT_EQ(window->ModeMenu().ListIndex(), 0);

    // Creating the controls ran no update: the labels show their tables.
    EXPECT_EQ(window->Formula().Text(), "");
    char const* const texts[] = { "a = 0", "b = 0", "c = 0", "d = 0", "e = 0", "f = 0" };
    for (std::int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(window->ValueDisplay(i).Text(), texts[i]);

    Testing::ProcessEvents();
    EXPECT_EQ(window->Formula().Text(), "y = 0 x  + 0");
}

// The sixteen controls in creation order, each table applied before its control's
// handler is attached; the value labels get none. The labels and the menus get their
// text unit before their table: 0, the unit they already start with, so only the
// trace shows that the window sets it.
TEST_F(PolynomialWindowTest, EachHandlerIsAttachedRightAfterItsControlsTable)
{
    auto const steps = ConstructionSteps([&] { OpenWindow(false); });
    std::vector<std::string> const slider { "SetProperties ValueSlider", "RuntimeAddEventHandler ValueSlider" };
    std::vector<std::string> const display { "SetTextUnit ValueDisplay", "SetProperties ValueDisplay" };
    std::vector<std::string> expected { "SetProperties ", "SetProperties Graph", "RuntimeAddEventHandler Graph", "SetTextUnit Formula", "SetProperties Formula" };
    auto const add = [&](std::vector<std::string> const& more) { expected.insert(expected.end(), more.begin(), more.end()); };
    add(slider); // 2
    add(slider); // 1
    add(slider); // 0
    add(display); // 0
    add(display); // 1
    add(display); // 2
    add({ "SetTextUnit OrderMenu", "SetProperties OrderMenu", "RuntimeAddEventHandler OrderMenu" });
    add(slider); // 3
    add(display); // 3
    add({ "SetTextUnit ModeMenu", "SetProperties ModeMenu", "RuntimeAddEventHandler ModeMenu" });
    add(slider); // 4
    add(display); // 4
    add(slider); // 5
    add(display); // 5
    EXPECT_EQ(steps, expected);
}

// The member classes are the window's own: only its control creation makes them, so
// their construction with an index shows through the window's accessors.
TEST_F(PolynomialWindowTest, MemberConstructorSetsTheIndex)
{
    auto const window = OpenWindow(false);
    for (std::int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(window->ValueSlider(i).Index(), i);
        EXPECT_EQ(window->ValueSlider(i).ClassName(), "Curvesketcher.ValueSlider");
        EXPECT_EQ(window->ValueDisplay(i).Index(), i);
        EXPECT_EQ(window->ValueDisplay(i).ClassName(), "Curvesketcher.ValueDisplay");
    }
}

// Positions 20, -40, 37, 0, 100, -100 stand for 1, -2, 1.85, 0, 5 and -5.
TEST_F(PolynomialWindowTest, VisibilityLabelsAndEquationForEveryOrderAndMode)
{
    struct Row {
        std::int32_t order, mode;
        std::array<bool, 6> shown;
        std::string equation;
    };
    Row const rows[] = {
        { 0, 0, { 1, 1, 0, 0, 0, 0 }, "y = 1 x  - 2" },
        { 0, 1, { 1, 0, 0, 0, 0, 0 }, "y = (x - 1)" },
        { 1, 0, { 1, 1, 1, 0, 0, 0 }, "y = 1 x^2 - 2x + 1.85" },
        { 1, 1, { 1, 1, 0, 0, 0, 0 }, "y = (x - 1) * (x + 2)" },
        { 2, 0, { 1, 1, 1, 1, 0, 0 }, "y = 1 x^3 - 2x^2 + 1.85x + 0" },
        { 2, 1, { 1, 1, 1, 0, 0, 0 }, "y = (x - 1) (x + 2) (x - 1.85)" },
        { 3, 0, { 1, 1, 1, 1, 1, 0 }, "y = 1 x^4 - 2 x^3 + 1.85x^2 + 0x + 5" },
        { 3, 1, { 1, 1, 1, 1, 0, 0 }, "y = (x - 1) (x + 2) (x - 1.85) ( x + 0)" },
        { 4, 0, { 1, 1, 1, 1, 1, 1 }, "y = 1 x^5 - 2 x^4 + 1.85x^3 + 0x^2 + 5x - 5" },
        { 4, 1, { 1, 1, 1, 1, 1, 0 }, "y = (x - 1) (x + 2) (x - 1.85) ( x + 0) (x - 5)" },
        { 0, 0, { 1, 1, 0, 0, 0, 0 }, "y = 1 x  - 2" },
    };
    std::array<std::int32_t, 6> const positions { 20, -40, 37, 0, 100, -100 };
    std::array<char const*, 6> const coefficient_texts { "a = 1", "b = -2", "c = 1.85", "d = 0", "e = 5", "f = -5" };
    // Label 5 has no root and keeps the text of the last update by coefficients.
    std::array<char const*, 6> const root_texts { "x1 = 1", "x2 = -2", "x3 = 1.85", "x4 = 0", "x5 = 5", "f = -5" };

    auto const window = OpenWindow();
    SetPositions(*window, positions);
    for (auto const& row : rows) {
        SCOPED_TRACE("order " + std::to_string(row.order) + ", mode " + std::to_string(row.mode));
        Choose(*window, row.order, row.mode);
        auto const& texts = row.mode == 0 ? coefficient_texts : root_texts;
        for (std::int32_t i = 0; i < 6; ++i) {
            auto const member = static_cast<std::size_t>(i);
            EXPECT_EQ(window->ValueSlider(i).Visible(), row.shown[member]) << "slider " << i;
            EXPECT_EQ(window->ValueDisplay(i).Visible(), row.shown[member]) << "label " << i;
            EXPECT_EQ(window->ValueDisplay(i).Text(), texts[member]) << "label " << i;
            // A hidden slider keeps its position.
            EXPECT_EQ(window->ValueSlider(i).Value(), positions[member]) << "slider " << i;
        }
        EXPECT_EQ(window->Formula().Text(), row.equation);
    }
}

TEST_F(PolynomialWindowTest, LabelFiveKeepsItsTextWhileByRoots)
{
    auto const window = OpenWindow();
    Choose(*window, 4, 1);
    window->ValueSlider(5).SetValue(60);
    EXPECT_EQ(window->ValueDisplay(5).Text(), "f = 0");
    EXPECT_FALSE(window->ValueDisplay(5).Visible());
    EXPECT_EQ(window->Formula().Text(), "y = (x + 0) (x + 0) (x + 0) ( x + 0) (x + 0)");

    Choose(*window, 4, 0);
    EXPECT_EQ(window->ValueDisplay(5).Text(), "f = 3");
    EXPECT_TRUE(window->ValueDisplay(5).Visible());
}

// Every handler starts the one whole update, whichever control raised it; a hidden
// slider's change as much as a shown one's.
TEST_F(PolynomialWindowTest, EveryEventRunsOneWholeUpdate)
{
    auto const window = OpenWindow();
    struct Event {
        char const* what;
        std::function<void(Curvesketcher::Curvesketcher&)> raise;
        int drawings;
    };
    Event const events[] = {
        { "slider 0", [](auto& w) { w.ValueSlider(0).SetValue(20); }, 1 },
        { "hidden slider 5", [](auto& w) { w.ValueSlider(5).SetValue(-20); }, 1 },
        { "drag of slider 1", [](auto& w) { Testing::DragSlider(w.ValueSlider(1), { 1, 2, 3 }); }, 3 },
        { "order", [](auto& w) { Testing::ChoosePopupRow(w.OrderMenu(), 2); }, 1 },
        { "mode", [](auto& w) { Testing::ChoosePopupRow(w.ModeMenu(), 1); }, 1 },
        { "paint", [](auto& w) { Testing::RaisePaint(w.Graph()); }, 1 },
    };
    for (auto const& event : events) {
        SCOPED_TRACE(event.what);
        // What the update writes is spoilt first, so that only an update restores it.
        window->Formula().SetText("stale");
        auto const surface = window->Graph().Graphics();
        int fills = 0;
        for (auto const& call : Testing::RecordGraphicsCalls(*surface, [&] { event.raise(*window); }))
            fills += call.kind == Testing::GraphicsCall::Kind::FillRect;
        EXPECT_EQ(fills, event.drawings);
        EXPECT_NE(window->Formula().Text(), "stale");
    }
    EXPECT_EQ(window->Formula().Text(), "y = (x - 1) (x - 0.15) (x + 0)");
}

// The order menu and then the mode menu are reached with Tab and set with keys; only
// shown controls take the focus.
TEST_F(PolynomialWindowTest, KeyboardChoosesOrderAndMode)
{
    auto const window = OpenWindow();
    Testing::Activate(*window);
    EXPECT_EQ(window->FocusControl().get(), &window->ValueSlider(1));
    Testing::PressKeys(*window, "Tab,Tab");
    EXPECT_EQ(window->FocusControl().get(), &window->OrderMenu());
    Testing::PressKeys(*window, "End");
    EXPECT_EQ(window->OrderMenu().ListIndex(), 4);
    Testing::PressKeys(*window, "Tab");
    EXPECT_EQ(window->FocusControl().get(), &window->ValueSlider(3));
    Testing::PressKeys(*window, "Tab");
    EXPECT_EQ(window->FocusControl().get(), &window->ModeMenu());
    Testing::PressKeys(*window, "Down");
    EXPECT_EQ(window->ModeMenu().ListIndex(), 1);
    EXPECT_EQ(window->Formula().Text(), "y = (x + 0) (x + 0) (x + 0) ( x + 0) (x + 0)");
    EXPECT_TRUE(window->ValueSlider(4).Visible());
    EXPECT_FALSE(window->ValueSlider(5).Visible());
}

TEST_F(PolynomialWindowTest, TwoWindowsAreIndependent)
{
    auto first = OpenWindow();
    auto const second = OpenWindow();

    first->ValueSlider(0).SetValue(20);
    Testing::DragSlider(second->ValueSlider(1), { 10, 20 });
    Choose(*second, 4, 1);
    EXPECT_EQ(first->Formula().Text(), "y = 1 x  + 0");
    EXPECT_EQ(first->ValueDisplay(1).Text(), "b = 0");
    EXPECT_FALSE(first->ValueSlider(4).Visible());
    EXPECT_EQ(second->Formula().Text(), "y = (x + 0) (x - 1) (x + 0) ( x + 0) (x + 0)");
    EXPECT_EQ(second->ValueDisplay(0).Text(), "x1 = 0");

    // y = x in the first window passes through (420, 115); the second's curve does not.
    EXPECT_EQ(first->Graph().Graphics()->Pixel(420, 115), 0x000000u);
    EXPECT_NE(second->Graph().Graphics()->Pixel(420, 115), 0x000000u);

    // Closing one window destroys it; the other goes on working.
    std::weak_ptr<Curvesketcher::Curvesketcher> const closed = first;
    Testing::CloseAsUser(*first);
    first.reset();
    Testing::ProcessEvents();
    EXPECT_TRUE(closed.expired());
    second->ValueSlider(0).SetValue(-40);
    EXPECT_EQ(second->Formula().Text(), "y = (x + 2) (x - 1) (x + 0) ( x + 0) (x + 0)");
}

TEST_F(PolynomialWindowTest, ResizeFollowsTheLocks)
{
    auto const window = OpenWindow();
    Testing::ResizeAsUser(*window, 700, 770);
    Testing::ProcessEvents();

    auto expect_place = [](RectControl& control, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
        EXPECT_EQ(control.Left(), left) << control.Name() << " " << control.Index();
        EXPECT_EQ(control.Top(), top) << control.Name() << " " << control.Index();
        EXPECT_EQ(control.Width(), width) << control.Name() << " " << control.Index();
        EXPECT_EQ(control.Height(), height) << control.Name() << " " << control.Index();
    };
    expect_place(window->Graph(), 20, 14, 660, 510);
    expect_place(window->Formula(), 20, 535, 660, 22);
    expect_place(window->OrderMenu(), 20, 567, 301, 20);
    expect_place(window->ModeMenu(), 343, 567, 337, 20);
    std::int32_t const tops[] = { 549, 576, 604, 631, 659, 687 };
    for (std::int32_t i = 0; i < 6; ++i) {
        expect_place(window->ValueSlider(i), 122, tops[i] + 50, 558, 23);
        expect_place(window->ValueDisplay(i), 20, tops[i] + 50, 90, 20);
    }

    // The next drawing stretches the square to the new canvas: the origin is at
    // (330, 255), with the curve y = 0 over the horizontal axis.
    auto const surface = window->Graph().Graphics();
    EXPECT_EQ(surface->Width(), 660);
    EXPECT_EQ(surface->Height(), 510);
    EXPECT_EQ(surface->Pixel(100, 255), 0x000000u);
    EXPECT_EQ(surface->Pixel(330, 100), 0xA0A0A0u);
}

}
