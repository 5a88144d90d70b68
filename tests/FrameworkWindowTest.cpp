#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Delegate.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PropertyStream.h"
#include "framework/Runtime.h"
#include "framework/Slider.h"
#include "framework/Trace.h"
#include "framework/WindowOrder.h"
#include "parabola/LayoutTables.h"
#include "tests/FrameworkFixture.h"

namespace {

// A window made from a window table, as the system's windows are.
class TableWindow : public Window {
public:
    static constexpr std::string_view ClassNameText = "TableWindow.TableWindow";
    static inline PropertyStream table;

    void Layout() override
    {
        auto bar = std::make_shared<::MenuBar>();
        auto menu = std::make_shared<MenuItem>();
        menu->SetName("FileMenu");
        menu->SetText("&File");
        bar->Append(menu);
        SetMenuBar(bar);
        SetProperties(*this, table);
    }
};

// The system's window table, with the properties under test changed.
PropertyStream WindowTable(bool visible, bool resizeable, bool menu_bar_visible, bool maximize_button)
{
    auto rows = ReadPropertyStream(GraphWindowTable("Table Window", 640));
    for (auto& row : rows) {
        if (row.name == "Visible")
            row.value.value = visible;
        else if (row.name == "Resizeable")
            row.value.value = resizeable;
        else if (row.name == "MenuBarVisible")
            row.value.value = menu_bar_visible;
        else if (row.name == "MaximizeButton")
            row.value.value = maximize_button;
    }
    return WritePropertyStream(rows);
}

struct TableCase {
    char const* label;
    bool visible, resizeable, menu_bar_visible, maximize_button;
};

}

class FrameworkWindowTable : public FrameworkTest, public ::testing::WithParamInterface<TableCase> { };

TEST_P(FrameworkWindowTable, TakesEffectWithContentSizes)
{
    auto const& param = GetParam();
    TableWindow::table = WindowTable(param.visible, param.resizeable, param.menu_bar_visible, param.maximize_button);
    auto window = Open<TableWindow>();
    auto const state = Testing::NativeState(*window);
    EXPECT_EQ(state.title, "Table Window");
    // The menu bar does not eat into the table's size.
    EXPECT_EQ(state.content_width, 600);
    EXPECT_EQ(state.content_height, 640);
    EXPECT_EQ(window->Width(), 600);
    EXPECT_EQ(window->Height(), 640);
    if (param.resizeable) {
        EXPECT_EQ(state.min_width, 64);
        EXPECT_EQ(state.min_height, 64);
        EXPECT_EQ(state.max_width, 32000);
        EXPECT_EQ(state.max_height, 32000);
    } else {
        EXPECT_EQ(state.min_width, 600);
        EXPECT_EQ(state.max_width, 600);
        EXPECT_EQ(state.min_height, 640);
        EXPECT_EQ(state.max_height, 640);
    }
    EXPECT_EQ(state.visible, param.visible);
    EXPECT_TRUE(state.close_button);
    EXPECT_TRUE(state.minimize_button);
    EXPECT_EQ(state.maximize_button, param.maximize_button);
    EXPECT_EQ(state.menu_bar_visible, param.menu_bar_visible);
}

INSTANTIATE_TEST_SUITE_P(ByTable, FrameworkWindowTable,
    ::testing::Values(
        TableCase { "TheSystemsFrame", true, true, true, false },
        TableCase { "HiddenFixedWithoutMenuBar", false, false, false, true }),
    [](auto const& info) { return std::string(info.param.label); });

namespace {

// One control of each kind that raises events, each bound to the window's handler.
template<class W>
void MakeEventControls(W& window, std::string_view canvas_locks)
{
    auto canvas = MakeControl<Canvas>(window, "C", { 0, 0, 100, 100, canvas_locks });
    RuntimeAddEventHandler(*canvas, Canvas::PaintEvent, RuntimeCreateDelegate(window, &W::C_Paint));
    auto slider = MakeControl<Slider>(window, "S", { 0, 120, 200, 23, "" });
    RuntimeAddEventHandler(*slider, Slider::ValueChangedEvent, RuntimeCreateDelegate(window, &W::S_ValueChanged));
    auto menu = MakeControl<PopupMenu>(window, "P", { 0, 150, 200, 20, "" });
    menu->SetInitialValue("One\rTwo\rThree");
    menu->SetListIndex(0);
    RuntimeAddEventHandler(*menu, PopupMenu::ChangeEvent, RuntimeCreateDelegate(window, &W::P_Change));
}

// Records its construction: the framework's steps, whether it was shown during a
// hook, and which control events reached it.
class HookWindow : public Window {
public:
    static constexpr std::string_view ClassNameText = "HookWindow.HookWindow";

    void Layout() override
    {
        steps.push_back("Layout");
        Resize(400, 300);
        shown_during_hooks |= Testing::NativeState(*this).visible;
    }
    void CreateControls() override
    {
        steps.push_back("CreateControls");
        MakeEventControls(*this, "");
        // Events that construction would raise reach no handler.
        Find<Slider>("S").SetValue(7);
        Find<PopupMenu>("P").SetListIndex(1);
        Testing::RaisePaint(Find<Canvas>("C"));
        Testing::ProcessEvents();
        shown_during_hooks |= Testing::NativeState(*this).visible;
    }
    void AddMenuHandlers(Window& window) override
    {
        steps.push_back(window.IsConstructing() ? "AddMenuHandlers" : "AddMenuHandlers after construction");
    }

    void C_Paint(Canvas&, Graphics&) { events.push_back("Paint"); }
    void S_ValueChanged(Slider&) { events.push_back("ValueChanged"); }
    void P_Change(PopupMenu&) { events.push_back("Change"); }

    std::vector<std::string> steps;
    std::vector<std::string> events;
    bool shown_during_hooks { false };
};

}

using FrameworkWindow = FrameworkTest;

TEST_F(FrameworkWindow, ConstructionRunsItsHooksInOrderAndRaisesNoControlEvent)
{
    std::vector<std::string> trace;
    SetTraceSink([&](std::string_view step) {
        if (step.starts_with("Window."))
            trace.emplace_back(step);
    });
    auto window = RuntimeNewObject<HookWindow>();
    window->Constructor();
    SetTraceSink({});

    EXPECT_EQ(trace, (std::vector<std::string> { "Window.Constructor HookWindow.HookWindow", "Window.Layout", "Window.CreateControls", "Window.AddMenuHandlers" }));
    EXPECT_EQ(window->steps, (std::vector<std::string> { "Layout", "CreateControls", "AddMenuHandlers" }));
    EXPECT_FALSE(window->shown_during_hooks);
    EXPECT_TRUE(window->events.empty());
    EXPECT_EQ(window->Find<Slider>("S").Value(), 7);
    EXPECT_EQ(window->Find<PopupMenu>("P").ListIndex(), 1);

    // Shown at the end: the canvas's first Paint is the first event.
    EXPECT_TRUE(Testing::NativeState(*window).visible);
    Testing::ProcessEvents();
    EXPECT_EQ(window->events, std::vector<std::string>({ "Paint" }));
    window->Find<Slider>("S").SetValue(8);
    EXPECT_EQ(window->events, std::vector<std::string>({ "Paint", "ValueChanged" }));
}

namespace {

// Array members registered out of index order, as the polynomial window does.
class RegistryWindow : public Window {
public:
    void CreateControls() override
    {
        for (std::int32_t index : { 2, 1, 0 })
            MakeControl<Slider>(*this, "Member", { 0, 30 * index, 100, 23, "" }, index);
        MakeControl<Label>(*this, "Caption", { 0, 100, 100, 20, "" });
    }
};

}

TEST_F(FrameworkWindow, FindsControlsByNameAndByNameAndIndex)
{
    auto window = Open<RegistryWindow>();
    ASSERT_EQ(window->Controls().size(), 4u);
    for (std::int32_t index : { 0, 1, 2 }) {
        auto& member = window->Find<Slider>("Member", index);
        EXPECT_EQ(member.Index(), index);
        EXPECT_EQ(member.Top(), 30 * index);
        EXPECT_EQ(member.OwnerWindow(), window);
    }
    // By name alone: the first registered.
    EXPECT_EQ(window->ControlByName("Member"), window->ControlByNameIndex("Member", 2));
    EXPECT_EQ(window->Find<Label>("Caption").Index(), Control::NoIndex);

    EXPECT_FALSE(window->ControlByName("Missing"));
    EXPECT_FALSE(window->ControlByNameIndex("Member", 3));
    EXPECT_FALSE(window->ControlByNameIndex("Caption", 0));
    EXPECT_THROW(window->Find<Slider>("Missing"), NilObjectException);
    EXPECT_THROW(window->Find<Slider>("Member", 5), NilObjectException);
    EXPECT_THROW(window->Find<Slider>("Caption"), IllegalCastException);

    auto twin = window->New<Slider>();
    twin->SetIndex(1);
    twin->Constructor();
    EXPECT_THROW(window->AddControl("Member", twin), RuntimeException);
}

// Look-ups remember where a name was found; names that share a place in that memory,
// and names that are not there at all, must still find exactly their own control.
TEST_F(FrameworkWindow, RememberedLookupsStayExact)
{
    auto window = Open<RegistryWindow>();
    // "Aoten" and "Caption" share a slot of the look-up memory; "Captioo" has the
    // same length and ends but another name.
    auto note = window->New<Label>();
    note->Constructor();
    window->AddControl("Aoten", note);
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(&window->Find<Label>("Caption"), window->ControlByName("Caption").get());
        EXPECT_EQ(&window->Find<Label>("Aoten"), note.get());
        EXPECT_THROW(window->Find<Label>("Captioo"), NilObjectException);
        EXPECT_EQ(window->ControlByName("Member"), window->ControlByNameIndex("Member", 2));
    }
    std::string const built = std::string("Cap") + "tion";
    EXPECT_EQ(&window->Find<Label>(built), window->ControlByName("Caption").get());

    Testing::CloseAsUser(*window);
    EXPECT_FALSE(window->ControlByName("Caption"));
    EXPECT_THROW(window->Find<Label>("Aoten"), NilObjectException);
}

namespace {

class ImplicitWindow : public Window {
public:
    static constexpr std::string_view ClassNameText = "ImplicitWindow.ImplicitWindow";
    static constexpr bool HasImplicitInstance = true;
};

class PlainWindow : public Window {
public:
    static constexpr std::string_view ClassNameText = "PlainWindow.PlainWindow";
};

}

TEST_F(FrameworkWindow, FindsTheImplicitWindowUntilItCloses)
{
    EXPECT_FALSE(GetImplicitWindow(ImplicitWindow::ClassNameText));
    auto window = Open<ImplicitWindow>();
    auto plain = Open<PlainWindow>();
    EXPECT_EQ(GetImplicitWindow(ImplicitWindow::ClassNameText), window);
    EXPECT_FALSE(GetImplicitWindow(PlainWindow::ClassNameText));

    Testing::CloseAsUser(*window);
    EXPECT_FALSE(GetImplicitWindow(ImplicitWindow::ClassNameText));
    EXPECT_EQ(OpenWindows(), std::vector<std::shared_ptr<Window>>({ plain }));
}

namespace {

class ClosingWindow : public Window {
public:
    void CreateControls() override
    {
        auto slider = MakeControl<Slider>(*this, "S", { 0, 0, 100, 23, "" });
        RuntimeAddEventHandler(*slider, Slider::ValueChangedEvent, RuntimeCreateDelegate(*this, &ClosingWindow::S_ValueChanged));
    }
    void AddMenuHandlers(Window&) override
    {
        AddMenuHandler("Anything", [] { return true; });
    }
    void S_ValueChanged(Slider&) { ++*calls; }

    std::shared_ptr<int> calls { std::make_shared<int>(0) };
};

}

TEST_F(FrameworkWindow, ClosingDestroysTheWindowWithItsControlsAndHandlers)
{
    auto window = Open<ClosingWindow>();
    std::weak_ptr<Window> weak_window = window;
    std::weak_ptr<Control> weak_slider = window->ControlByName("S");
    auto calls = window->calls;
    // The binding outlives the window; it must not reach it.
    auto handler = RuntimeCreateDelegate(*window, &ClosingWindow::S_ValueChanged);
    auto slider = RuntimeCheckCast<Slider>(window->ControlByName("S"));
    window.reset();
    ASSERT_FALSE(weak_window.expired()) << "the framework keeps an open window alive";

    Testing::CloseAsUser(*weak_window.lock());
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_TRUE(weak_window.expired());
    EXPECT_FALSE(slider->OwnerWindow());
    // A control still held elsewhere keeps its value but raises no event of its gone
    // window; the binding itself reaches the window only through nil.
    slider->SetValue(5);
    EXPECT_EQ(slider->Value(), 5);
    EXPECT_THROW(handler(*slider), NilObjectException);
    EXPECT_EQ(*calls, 0);
    slider.reset();
    EXPECT_TRUE(weak_slider.expired());
}

namespace {

// Closes itself from the first of its handlers that runs once told to, and goes on
// using two controls that it looked up before.
class SelfClosingWindow : public Window {
public:
    void Layout() override { Resize(300, 200); }
    void CreateControls() override { MakeEventControls(*this, "LTRB"); }

    void C_Paint(Canvas&, Graphics&) { CloseFromHandler(); }
    void S_ValueChanged(Slider&) { CloseFromHandler(); }
    void P_Change(PopupMenu&) { CloseFromHandler(); }

    void CloseFromHandler()
    {
        ++calls;
        if (!close_now)
            return;
        auto& graph = Find<Canvas>("C");
        auto& slider = Find<Slider>("S");
        Close();
        found_after_close = ControlByName("S") != nullptr;
        // Both are still there until control is back in the event loop; neither
        // raises an event of the closed window any more.
        graph.Graphics()->FillRect(0, 0, 10, 10);
        slider.SetValue(slider.Value() + 50);
        used_after_close = graph.Graphics()->Pixel(5, 5) == 0x000000u;
    }

    bool close_now { false };
    int calls { 0 };
    bool found_after_close { true };
    bool used_after_close { false };
};

struct SelfCloseCase {
    char const* label;
    void (*act)(SelfClosingWindow&);
};

}

// Opens the window told to close itself, and watches its controls.
class FrameworkWindowSelfClose : public FrameworkTest {
protected:
    void Arm()
    {
        window = Open<SelfClosingWindow>();
        for (auto const& control : window->Controls())
            controls.push_back(control);
        window->calls = 0;
        window->close_now = true;
    }
    bool ControlsGone() const
    {
        return std::all_of(controls.begin(), controls.end(), [](auto const& control) { return control.expired(); });
    }
    void ExpectRanToItsEnd() const
    {
        EXPECT_FALSE(window->IsOpen());
        EXPECT_EQ(window->calls, 1);
        EXPECT_FALSE(window->found_after_close);
        EXPECT_TRUE(window->used_after_close);
    }

    std::shared_ptr<SelfClosingWindow> window;
    std::vector<std::weak_ptr<Control>> controls;
};

class FrameworkWindowSelfCloseBy : public FrameworkWindowSelfClose, public ::testing::WithParamInterface<SelfCloseCase> { };

TEST_P(FrameworkWindowSelfCloseBy, AHandlerClosingItsOwnWindowRunsToItsEnd)
{
    Arm();
    GetParam().act(*window);
    ExpectRanToItsEnd();
    // Back in the event loop, the controls go.
    Testing::ProcessEvents();
    EXPECT_TRUE(ControlsGone());
}

INSTANTIATE_TEST_SUITE_P(ByEvent, FrameworkWindowSelfCloseBy,
    ::testing::Values(
        SelfCloseCase { "SliderSetByCode", [](SelfClosingWindow& window) { window.Find<Slider>("S").SetValue(5); } },
        SelfCloseCase { "SliderDragged", [](SelfClosingWindow& window) { Testing::DragSlider(window.Find<Slider>("S"), { 1, 2, 3 }); } },
        SelfCloseCase { "PopupRowChosen", [](SelfClosingWindow& window) { Testing::ChoosePopupRow(window.Find<PopupMenu>("P"), 2); } },
        SelfCloseCase { "PaintAfterAResize", [](SelfClosingWindow& window) { Testing::ResizeAsUser(window, 400, 300); } }),
    [](auto const& info) { return std::string(info.param.label); });

TEST_F(FrameworkWindowSelfClose, InTheEventLoopTheControlsGoOnceTheHandlerHasReturned)
{
    // Another window keeps the loop running after the close.
    auto other = Open<PlainWindow>();
    Arm();
    bool gone_by_the_next_event = false;
    Testing::PostToEventLoop([&] { window->Find<Slider>("S").SetValue(5); });
    Testing::PostToEventLoop([&] {
        gone_by_the_next_event = ControlsGone();
        RuntimeQuit();
    });
    RuntimeRun();
    ExpectRanToItsEnd();
    EXPECT_TRUE(gone_by_the_next_event);
    EXPECT_TRUE(other->IsOpen());
}

namespace {

struct LimitCase {
    char const* label;
    std::int32_t minimum, maximum, asked, size;
};

// Its limits and size from a stream that may give them in any order.
class LimitWindow : public Window {
public:
    static inline LimitCase limits {};

    void Layout() override
    {
        for (auto const* name : { "MinWidth", "MinHeight" })
            Properties().Apply(*this, name, PropertyValue { limits.minimum });
        for (auto const* name : { "MaxWidth", "MaxHeight" })
            Properties().Apply(*this, name, PropertyValue { limits.maximum });
        Resize(limits.asked, limits.asked);
    }
};

}

class FrameworkWindowLimits : public FrameworkTest, public ::testing::WithParamInterface<LimitCase> { };

TEST_P(FrameworkWindowLimits, TheSizeStaysWithinTheLimitsAndNeverBelowZero)
{
    LimitWindow::limits = GetParam();
    auto window = Open<LimitWindow>();
    EXPECT_EQ(window->Width(), GetParam().size);
    EXPECT_EQ(window->Height(), GetParam().size);
    window->Resize(GetParam().asked + 1000, GetParam().asked + 1000);
    EXPECT_EQ(window->Width(), std::max(GetParam().size, GetParam().maximum));
}

INSTANTIATE_TEST_SUITE_P(ByLimits, FrameworkWindowLimits,
    ::testing::Values(
        LimitCase { "InOrder", 100, 300, 200, 200 },
        LimitCase { "MinimumAboveMaximum", 300, 100, 150, 300 },
        LimitCase { "BothBelowZero", -5, -3, 150, 0 },
        LimitCase { "BelowZeroMinimumAboveMaximum", -1, -2, 150, 0 },
        LimitCase { "MinimumBelowZero", -5, 200, -20, 0 }),
    [](auto const& info) { return std::string(info.param.label); });

namespace {

struct Geometry {
    char const* name;
    std::int32_t left, top, width, height;
};

enum class Kind { Canvas, Label, Slider, PopupMenu };

struct LockedControl {
    Kind kind;
    Geometry place;
    std::string_view locks;
};

// From the polynomial window's table: Graph, Formula, a slider and a label row, the
// two pop-up menus; and one control locked to no edge.
std::vector<LockedControl> const locked_controls {
    { Kind::Canvas, { "Graph", 20, 14, 560, 460 }, "LTRB" },
    { Kind::Label, { "Formula", 20, 485, 560, 22 }, "LRB" },
    { Kind::Slider, { "ValueSlider", 122, 549, 458, 23 }, "LRB" },
    { Kind::Label, { "ValueDisplay", 20, 549, 90, 20 }, "LB" },
    { Kind::PopupMenu, { "OrderMenu", 20, 517, 301, 20 }, "LB" },
    { Kind::PopupMenu, { "ModeMenu", 343, 517, 237, 20 }, "LRB" },
    { Kind::Label, { "Unlocked", 400, 10, 50, 20 }, "" },
};

class LockWindow : public Window {
public:
    void Layout() override { Resize(600, 720); }
    void CreateControls() override
    {
        for (auto const& control : locked_controls) {
            auto const& [name, left, top, width, height] = control.place;
            Place const place { left, top, width, height, control.locks };
            switch (control.kind) {
            case Kind::Canvas:
                MakeControl<Canvas>(*this, name, place);
                break;
            case Kind::Label:
                MakeControl<Label>(*this, name, place);
                break;
            case Kind::Slider:
                MakeControl<Slider>(*this, name, place);
                break;
            case Kind::PopupMenu:
                MakeControl<PopupMenu>(*this, name, place);
                break;
            }
        }
    }
};

void ExpectGeometry(Window& window, std::vector<Geometry> const& expected)
{
    for (auto const& place : expected) {
        SCOPED_TRACE(place.name);
        auto control = RuntimeCheckCast<RectControl>(window.ControlByName(place.name));
        ASSERT_TRUE(control);
        EXPECT_EQ(control->Left(), place.left);
        EXPECT_EQ(control->Top(), place.top);
        EXPECT_EQ(control->Width(), place.width);
        EXPECT_EQ(control->Height(), place.height);
        auto const shown = Testing::NativeState(*control);
        EXPECT_EQ(shown.left, place.left);
        EXPECT_EQ(shown.top, place.top);
        EXPECT_EQ(shown.width, place.width);
        EXPECT_EQ(shown.height, place.height);
    }
}

std::vector<Geometry> Original()
{
    std::vector<Geometry> places;
    for (auto const& control : locked_controls)
        places.push_back(control.place);
    return places;
}

}

TEST_F(FrameworkWindow, ControlsFollowTheWindowByTheirLocksWithoutDrift)
{
    auto window = Open<LockWindow>();
    ExpectGeometry(*window, Original());

    Testing::ResizeAsUser(*window, 700, 770);
    EXPECT_EQ(window->Width(), 700);
    EXPECT_EQ(window->Height(), 770);
    ExpectGeometry(*window,
        {
            { "Graph", 20, 14, 660, 510 },
            { "Formula", 20, 535, 660, 22 },
            { "ValueSlider", 122, 599, 558, 23 },
            { "ValueDisplay", 20, 599, 90, 20 },
            { "OrderMenu", 20, 567, 301, 20 },
            { "ModeMenu", 343, 567, 337, 20 },
            { "Unlocked", 400, 10, 50, 20 },
        });

    // Down to the smallest window nothing goes below zero, and coming back restores
    // every place exactly.
    Testing::ResizeAsUser(*window, 64, 64);
    EXPECT_EQ(window->Width(), 64);
    EXPECT_EQ(window->Height(), 64);
    auto& graph = window->Find<Canvas>("Graph");
    EXPECT_EQ(graph.Width(), 24);
    EXPECT_EQ(graph.Height(), 0);
    EXPECT_EQ(window->Find<Slider>("ValueSlider").Width(), 0);
    Testing::ResizeAsUser(*window, 651, 733);
    window->Resize(600, 720);
    Testing::ProcessEvents();
    ExpectGeometry(*window, Original());
}

namespace {

class FocusWindow : public Window {
public:
    static inline bool hide_menu = false;

    void CreateControls() override
    {
        MakeControl<Canvas>(*this, "Graph", { 0, 0, 100, 50, "" })->SetTabIndex(0);
        MakeControl<Label>(*this, "Caption", { 0, 60, 100, 20, "" })->SetTabIndex(1);
        MakeControl<Slider>(*this, "Second", { 0, 90, 100, 23, "" })->SetTabIndex(4);
        auto menu = MakeControl<PopupMenu>(*this, "First", { 0, 120, 100, 20, "" });
        menu->SetTabIndex(2);
        menu->SetVisible(!hide_menu);
        auto focusable = MakeControl<Canvas>(*this, "Focusable", { 0, 150, 100, 50, "" });
        focusable->SetAcceptFocus(true);
        focusable->SetTabIndex(5);
        MakeControl<Slider>(*this, "Third", { 0, 210, 100, 23, "" })->SetTabIndex(4);
    }
};

std::string FocusName(Window& window)
{
    auto control = window.FocusControl();
    return control ? control->Name() : "none";
}

}

TEST_F(FrameworkWindow, KeyboardFocusFollowsTabIndexOverFocusableControls)
{
    auto window = Open<FocusWindow>();
    Testing::Activate(*window);
    EXPECT_FALSE(Testing::NativeState(window->Find<Canvas>("Graph")).focusable);
    EXPECT_FALSE(Testing::NativeState(window->Find<Label>("Caption")).focusable);
    EXPECT_TRUE(Testing::NativeState(window->Find<Canvas>("Focusable")).focusable);
    EXPECT_TRUE(Testing::NativeState(window->Find<PopupMenu>("First")).focusable);

    std::vector<std::string> order { FocusName(*window) };
    for (int i = 0; i < 4; ++i) {
        Testing::PressKeys(*window, "Tab");
        order.push_back(FocusName(*window));
    }
    // Equal TabIndex keeps the order of creation; the chain wraps around.
    EXPECT_EQ(order, (std::vector<std::string> { "First", "Second", "Third", "Focusable", "First" }));
    Testing::PressKeys(*window, "Backtab");
    EXPECT_EQ(FocusName(*window), "Focusable");
    EXPECT_TRUE(window->Find<Canvas>("Focusable").HasFocus());
}

TEST_F(FrameworkWindow, FirstFocusSkipsAHiddenControl)
{
    FocusWindow::hide_menu = true;
    auto window = Open<FocusWindow>();
    FocusWindow::hide_menu = false;
    Testing::Activate(*window);
    EXPECT_EQ(FocusName(*window), "Second");
}
