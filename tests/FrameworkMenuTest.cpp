#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/MenuDispatch.h"
#include "framework/Runtime.h"
#include "framework/WindowOrder.h"
#include "tests/FrameworkFixture.h"

namespace {

std::shared_ptr<MenuItem> Item(std::string name, std::string text, std::string shortcut, bool quit = false)
{
    std::shared_ptr<MenuItem> item = quit ? std::make_shared<QuitMenuItem>() : std::make_shared<MenuItem>();
    item->Constructor();
    item->SetName(std::move(name));
    item->SetAutoEnable(true);
    item->SetText(std::move(text));
    item->SetKeyboardShortcut(std::move(shortcut));
    return item;
}

// File > Quit; Tools > Alpha, a separator, Beta, Gamma.
std::shared_ptr<::MenuBar> TestBar()
{
    auto bar = std::make_shared<::MenuBar>();
    bar->Append(Item("FileMenu", "&File", ""));
    bar->Child("FileMenu")->Append(Item("FileQuit", "&Quit", "Cmd+Q", true));
    bar->Append(Item("ToolsMenu", "&Tools", ""));
    auto tools = bar->Child("ToolsMenu");
    tools->Append(Item("ToolsAlpha", "&Alpha", "Cmd+1"));
    tools->Append(Item("ToolsSeparator", "-", ""));
    tools->Append(Item("ToolsBeta", "Be&ta", "Cmd+Shift+B"));
    tools->Append(Item("ToolsGamma", "&Gamma", ""));
    return bar;
}

std::vector<std::string>& Calls()
{
    static std::vector<std::string> calls;
    return calls;
}

// Handles Beta at application level and enables it itself.
class TestApplication : public Application {
public:
    void Event_EnableMenuItems() override
    {
        Calls().push_back("App.EnableMenuItems");
        MenuBar()->Lookup("ToolsBeta")->Enable();
    }
};

// Handles Alpha at window level, with the answer it is told to give.
class HandlingWindow : public Window {
public:
    static inline std::shared_ptr<::MenuBar> bar;
    static inline bool alpha_answer = true;

    void Layout() override
    {
        SetMenuBar(bar);
        SetTitle("Handling");
    }
    void AddMenuHandlers(Window&) override
    {
        AddMenuHandler("ToolsAlpha", [] {
            Calls().push_back("Window.Alpha");
            return alpha_answer;
        });
    }
    void Event_EnableMenuItems() override { Calls().push_back("Window.EnableMenuItems"); }
};

class PlainWindow : public Window {
public:
    void Layout() override { SetMenuBar(HandlingWindow::bar); }
};

class FrameworkMenu : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        Calls().clear();
        bar = TestBar();
        HandlingWindow::bar = bar;
        HandlingWindow::alpha_answer = true;
        auto app = RuntimeNewObject<TestApplication>();
        app->SetMenuBar(bar);
        RuntimeRegisterAppObject(app);
        app->AddMenuHandler("ToolsAlpha", [] {
            Calls().push_back("App.Alpha");
            return true;
        });
        app->AddMenuHandler("ToolsBeta", [] {
            Calls().push_back("App.Beta");
            return true;
        });
    }
    void TearDown() override
    {
        FrameworkTest::TearDown();
        HandlingWindow::bar.reset();
    }

    bool Enabled(std::string_view name) const { return bar->Lookup(name)->Enabled(); }

    std::shared_ptr<::MenuBar> bar;
};

std::string Describe(Testing::MenuViewEntry const& entry)
{
    return std::string(entry.depth, ' ') + entry.text + (entry.separator ? " separator" : "") + (entry.shortcut.empty() ? "" : " " + entry.shortcut)
        + (entry.enabled ? "" : " disabled");
}

}

TEST_F(FrameworkMenu, EachWindowShowsItsOwnViewOfTheSharedBar)
{
    auto handling = Open<HandlingWindow>();
    auto plain = Open<PlainWindow>();
    Testing::Activate(*handling);
    std::vector<std::string> const expected {
        "&File",
        " &Quit Ctrl+Q",
        "&Tools",
        " &Alpha Ctrl+1",
        // The "-" marks the separator and is not shown: some styles draw a
        // separator's text beside its line.
        "  separator disabled",
        " Be&ta Ctrl+Shift+B",
        " &Gamma disabled",
    };
    for (Window* window : { static_cast<Window*>(handling.get()), static_cast<Window*>(plain.get()) }) {
        std::vector<std::string> shown;
        for (auto const& entry : Testing::MenuView(*window))
            shown.push_back(Describe(entry));
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(FrameworkMenu, EnablingFollowsTheFrontWindowsHandlers)
{
    auto handling = Open<HandlingWindow>();
    auto plain = Open<PlainWindow>();
    for (auto const& item : { "FileMenu", "FileQuit", "ToolsMenu", "ToolsAlpha", "ToolsBeta", "ToolsGamma" })
        bar->Lookup(item)->SetEnabled(false);
    bar->Lookup("ToolsGamma")->SetEnabled(true);

    Testing::Activate(*handling);
    Calls().clear();
    UpdateMenuItems();
    EXPECT_EQ(Calls(), (std::vector<std::string> { "App.EnableMenuItems", "Window.EnableMenuItems" }));
    EXPECT_TRUE(Enabled("FileMenu"));
    EXPECT_TRUE(Enabled("ToolsMenu"));
    EXPECT_TRUE(Enabled("FileQuit"));
    EXPECT_TRUE(Enabled("ToolsAlpha"));
    EXPECT_TRUE(Enabled("ToolsBeta"));
    EXPECT_FALSE(Enabled("ToolsGamma"));

    // Activation alone brings the state up to date, in every view.
    Testing::Activate(*plain);
    EXPECT_FALSE(Enabled("ToolsAlpha"));
    for (auto const& entry : Testing::MenuView(*handling)) {
        if (entry.text == "&Alpha") {
            EXPECT_FALSE(entry.enabled);
        }
    }

    plain->Close();
    handling->Close();
    UpdateMenuItems();
    EXPECT_FALSE(Enabled("ToolsAlpha"));
    EXPECT_TRUE(Enabled("ToolsBeta"));
    EXPECT_TRUE(Enabled("FileQuit"));
}

namespace {
struct DispatchCase {
    char const* label;
    bool open_window;
    bool window_answer;
    char const* item;
    bool handled;
    std::vector<std::string> calls;
};
}

class FrameworkMenuDispatch : public FrameworkMenu, public ::testing::WithParamInterface<DispatchCase> { };

TEST_P(FrameworkMenuDispatch, AsksTheFrontWindowFirstThenTheApplication)
{
    auto const& param = GetParam();
    HandlingWindow::alpha_answer = param.window_answer;
    std::shared_ptr<Window> window;
    if (param.open_window) {
        window = Open<HandlingWindow>();
        Testing::Activate(*window);
    }
    Calls().clear();
    EXPECT_EQ(ChooseMenuItem(param.item), param.handled);
    std::erase_if(Calls(), [](auto const& call) { return call.ends_with("EnableMenuItems"); });
    EXPECT_EQ(Calls(), param.calls);
}

INSTANTIATE_TEST_SUITE_P(ByItem, FrameworkMenuDispatch,
    ::testing::Values(
        DispatchCase { "WindowTakesIt", true, true, "ToolsAlpha", true, { "Window.Alpha" } },
        DispatchCase { "WindowDeclines", true, false, "ToolsAlpha", true, { "Window.Alpha", "App.Alpha" } },
        DispatchCase { "OnlyTheApplicationHasIt", true, true, "ToolsBeta", true, { "App.Beta" } },
        DispatchCase { "NoWindowDisablesAlpha", false, true, "ToolsAlpha", false, {} },
        DispatchCase { "NobodyHandlesGamma", true, true, "ToolsGamma", false, {} }),
    [](auto const& info) { return std::string(info.param.label); });

namespace {

// Takes Alpha or not, as it is told when it is made, and says which window it is.
class NamedWindow : public Window {
public:
    static inline std::string next_name;
    static inline bool next_takes_alpha = true;

    void Layout() override
    {
        SetMenuBar(HandlingWindow::bar);
        m_name = next_name;
    }
    void AddMenuHandlers(Window&) override
    {
        if (!next_takes_alpha)
            return;
        AddMenuHandler("ToolsAlpha", [this] {
            Calls().push_back(m_name + ".Alpha");
            return true;
        });
    }

private:
    std::string m_name;
};

std::shared_ptr<NamedWindow> OpenNamed(std::string name, bool takes_alpha)
{
    NamedWindow::next_name = std::move(name);
    NamedWindow::next_takes_alpha = takes_alpha;
    auto window = RuntimeNewObject<NamedWindow>();
    window->Constructor();
    Testing::ProcessEvents();
    return window;
}

struct ViewCase {
    char const* label;
    bool back_takes_alpha;
    bool front_takes_alpha;
    Testing::MenuChoice how;
};

}

class FrameworkMenuView : public FrameworkMenu, public ::testing::WithParamInterface<ViewCase> { };

// On a real display the window that has the keyboard need not be the one that the
// framework last put in front: here a menu of the other window was opened with the
// mouse, which gives that window no keyboard. A command chosen in a window, in its
// own menu bar or by its shortcut, is judged with that window in front and goes to it.
TEST_P(FrameworkMenuView, ACommandGoesToTheWindowWhereItWasChosen)
{
    auto const& param = GetParam();
    auto back = OpenNamed("Back", param.back_takes_alpha);
    auto front = OpenNamed("Front", param.front_takes_alpha);
    Testing::Activate(*back);
    EXPECT_FALSE(Testing::ChooseInMenuView(*front, "&Gamma", Testing::MenuChoice::Click)) << "Gamma has no handler";
    ASSERT_EQ(FrontWindow(), front);
    Calls().clear();

    EXPECT_TRUE(Testing::ChooseInMenuView(*back, "&Alpha", param.how));
    std::erase_if(Calls(), [](auto const& call) { return call.ends_with("EnableMenuItems"); });
    EXPECT_EQ(Calls(), std::vector<std::string>({ "Back.Alpha" }));
    EXPECT_EQ(FrontWindow(), back);
    EXPECT_TRUE(Enabled("ToolsAlpha"));
}

INSTANTIATE_TEST_SUITE_P(ByWindow, FrameworkMenuView,
    ::testing::Values(
        ViewCase { "ClickedWhereOnlyThatWindowTakesIt", true, false, Testing::MenuChoice::Click },
        ViewCase { "ClickedWhereBothTakeIt", true, true, Testing::MenuChoice::Click },
        ViewCase { "ShortcutWhereOnlyThatWindowTakesIt", true, false, Testing::MenuChoice::Shortcut },
        ViewCase { "ShortcutWhereBothTakeIt", true, true, Testing::MenuChoice::Shortcut }),
    [](auto const& info) { return std::string(info.param.label); });

// Only the window system makes a window the front one. A window shown keeps the
// keyboard where it was until the window system activates it, and with it the front
// window and the menus' state: the offscreen platform activates every window that it
// shows, but only once its events run.
TEST_F(FrameworkMenu, AWindowShownComesToTheFrontWhenTheWindowSystemActivatesIt)
{
    auto handling = RuntimeNewObject<HandlingWindow>();
    handling->Constructor();
    // The first window is in front from the start, and its menus show it at once.
    EXPECT_EQ(FrontWindow(), handling);
    EXPECT_TRUE(Enabled("ToolsAlpha"));
    EXPECT_FALSE(Enabled("ToolsGamma"));
    Testing::Activate(*handling);

    auto plain = RuntimeNewObject<PlainWindow>();
    plain->Constructor();
    EXPECT_EQ(FrontWindow(), handling);
    EXPECT_TRUE(Enabled("ToolsAlpha"));
    auto alpha_shown_enabled = [&] {
        for (auto const& entry : Testing::MenuView(*handling))
            if (entry.text == "&Alpha")
                return entry.enabled;
        return false;
    };
    EXPECT_TRUE(alpha_shown_enabled());

    Testing::ProcessEvents();
    EXPECT_EQ(FrontWindow(), plain);
    EXPECT_FALSE(Enabled("ToolsAlpha"));
    EXPECT_FALSE(alpha_shown_enabled());
}

TEST_F(FrameworkMenu, AnUnknownItemIsNil)
{
    EXPECT_THROW(ChooseMenuItem("NoSuchItem"), NilObjectException);
}

TEST_F(FrameworkMenu, AShortcutKeyGoesThroughTheWindowsMenuBar)
{
    auto window = Open<HandlingWindow>();
    Calls().clear();
    Testing::PressKeys(*window, "Ctrl+1");
    Testing::PressKeys(*window, "Ctrl+Shift+B");
    std::erase_if(Calls(), [](auto const& call) { return call.ends_with("EnableMenuItems"); });
    EXPECT_EQ(Calls(), (std::vector<std::string> { "Window.Alpha", "App.Beta" }));
}

TEST_F(FrameworkMenu, QuitEndsTheEventLoop)
{
    auto window = Open<HandlingWindow>();
    bool ran = false;
    Testing::PostToEventLoop([&] {
        ran = true;
        Testing::PressKeys(*window, "Ctrl+Q");
    });
    RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(window->IsOpen());
}
