#include <memory>
#include <ostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/MenuBar.h"
#include "framework/MenuDispatch.h"
#include "framework/MenuItem.h"
#include "framework/Runtime.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "shell/App.h"
#include "shell/EquationsCurvesketcher.h"
#include "shell/MenuBar1.h"
#include "tests/ShellTestFixture.h"

namespace {

struct MenuEntry {
    int depth;
    std::string_view name;
    std::string_view text;
    // Nothing for the entries whose shortcut is left as a new item has it.
    std::optional<std::string_view> shortcut;
    bool quit;
};

constexpr MenuEntry MenuTable[] = {
    { 0, "FileMenu", "&File", "", false },
    { 1, "FileQuit", "&Quit", "Cmd+Q", true },
    { 0, "EditMenu", "&Edit", "", false },
    { 1, "EditUndo", "&Undo", "Cmd+Z", false },
    { 1, "UntitledMenu1", "-", std::nullopt, false },
    { 1, "EditCut", "Cu&t", "Cmd+X", false },
    { 1, "EditCopy", "&Copy", "Cmd+C", false },
    { 1, "EditPaste", "&Paste", "Cmd+V", false },
    { 1, "EditClear", "&Delete", "", false },
    { 1, "UntitledMenu0", "-", std::nullopt, false },
    { 1, "EditSelectAll", "Select &All", "Cmd+A", false },
    { 0, "QuadraticMenu", "Equations", "", false },
    { 1, "QuadraticVertexForm", "Vertex Form", "Cmd+1", false },
    { 1, "QuadraticPolynomialForm", "Polynomial Form", "Cmd+2", false },
    { 1, "EquationsCurvesketcher", "Curvesketcher", "Cmd+3", false },
};

struct FlatEntry {
    int depth;
    std::shared_ptr<MenuItem> item;
};

// The tree in menu order, with each entry's depth below the bar.
void Flatten(MenuItem const& parent, int depth, std::vector<FlatEntry>& out)
{
    for (auto const& child : parent.Children()) {
        out.push_back({ depth, child });
        Flatten(*child, depth + 1, out);
    }
}

// How the platform shows a shortcut here: the command modifier is Ctrl.
std::string Shown(std::string_view shortcut)
{
    std::string text(shortcut);
    if (text.starts_with("Cmd+"))
        text.replace(0, 4, "Ctrl+");
    return text;
}

}

using ShellMenuBar = ShellTest;

TEST_F(ShellMenuBar, TreeHoldsTheFifteenEntriesInTableOrder)
{
    auto bar = MenuBar1::MenuBar1::Instance();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->ClassName(), "MenuBar1.MenuBar1");

    std::vector<FlatEntry> entries;
    Flatten(*bar, 0, entries);
    ASSERT_EQ(entries.size(), std::size(MenuTable));

    auto const untouched_shortcut = RuntimeNewObject<MenuItem>()->KeyboardShortcut();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto const& expected = MenuTable[i];
        auto const& item = *entries[i].item;
        SCOPED_TRACE(std::string(expected.name));
        EXPECT_EQ(entries[i].depth, expected.depth);
        EXPECT_EQ(item.Name(), expected.name);
        EXPECT_EQ(item.Text(), expected.text);
        EXPECT_EQ(item.KeyboardShortcut(), expected.shortcut.value_or(untouched_shortcut));
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_EQ(item.IsQuitItem(), expected.quit);
        EXPECT_EQ(dynamic_cast<QuitMenuItem const*>(&item) != nullptr, expected.quit);
        EXPECT_EQ(item.IsSeparator(), expected.text == "-");
        // Every entry is found by its name from the bar, two levels down included.
        EXPECT_EQ(bar->Lookup(expected.name), entries[i].item);
    }
    EXPECT_FALSE(bar->Lookup("NoSuchItem"));
}

TEST_F(ShellMenuBar, SharedInstanceIsBuiltOnceAndReleasedToNil)
{
    std::weak_ptr<MenuBar1::MenuBar1> first = MenuBar1::MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::MenuBar1::Instance(), first.lock());

    MenuBar1::MenuBar1::ReleaseInstance();
    EXPECT_TRUE(first.expired());

    // The next use builds a complete bar afresh.
    auto second = MenuBar1::MenuBar1::Instance();
    std::vector<FlatEntry> entries;
    Flatten(*second, 0, entries);
    EXPECT_EQ(entries.size(), std::size(MenuTable));
}

TEST_F(ShellMenuBar, EveryWindowShowsTheTreeWithMnemonicsSeparatorsAndShortcuts)
{
    StartUp();
    auto polynomial = OpenPolynomialWindow();
    ASSERT_TRUE(polynomial);

    for (Window* window : { static_cast<Window*>(ParabolaWindow().get()), static_cast<Window*>(polynomial.get()) }) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->Title());
        auto view = Testing::MenuView(*window);
        ASSERT_EQ(view.size(), std::size(MenuTable));
        for (std::size_t i = 0; i < view.size(); ++i) {
            auto const& expected = MenuTable[i];
            SCOPED_TRACE(std::string(expected.name));
            EXPECT_EQ(view[i].depth, expected.depth);
            bool const separator = expected.text == "-";
            EXPECT_EQ(view[i].separator, separator);
            // A separator shows its line and no text.
            EXPECT_EQ(view[i].text, separator ? "" : expected.text);
            EXPECT_EQ(view[i].shortcut, Shown(expected.shortcut.value_or("")));
        }
    }
}

TEST_F(ShellMenuBar, ApplicationAndWindowsShareOneBarAndItsEnabledState)
{
    StartUp();
    auto parabola = ParabolaWindow();
    auto first = OpenPolynomialWindow();
    auto second = OpenPolynomialWindow();
    ASSERT_TRUE(parabola && first && second);

    auto bar = MenuBar1::MenuBar1::Instance();
    EXPECT_EQ(NilCheck(App::Instance()).MenuBar(), bar);
    EXPECT_EQ(parabola->MenuBar(), bar);
    EXPECT_EQ(first->MenuBar(), bar);
    EXPECT_EQ(second->MenuBar(), bar);

    // Whichever window is in front, every window's view shows the shared item's state.
    auto vertex_form_shown = [](Window& window) {
        for (auto const& entry : Testing::MenuView(window)) {
            if (entry.text == "Vertex Form")
                return std::optional<bool>(entry.enabled);
        }
        return std::optional<bool>();
    };
    for (bool parabola_in_front : { false, true }) {
        SCOPED_TRACE(parabola_in_front ? "parabola window in front" : "polynomial window in front");
        Testing::Activate(parabola_in_front ? static_cast<Window&>(*parabola) : static_cast<Window&>(*second));
        UpdateMenuItems();
        EXPECT_EQ(bar->Lookup("QuadraticVertexForm")->Enabled(), parabola_in_front);
        for (Window* window : { static_cast<Window*>(parabola.get()), static_cast<Window*>(first.get()), static_cast<Window*>(second.get()) })
            EXPECT_EQ(vertex_form_shown(*window), std::optional<bool>(parabola_in_front)) << window->Title();
    }
}

namespace {

enum class Front { Parabola, Polynomial, None };

struct EnablingCase {
    Front front;
    char const* label;
    bool forms_enabled;
};

// Names the case in failure messages.
void PrintTo(EnablingCase const& test_case, std::ostream* out)
{
    *out << test_case.label;
}

}

class ShellMenuEnabling : public ShellTest, public ::testing::WithParamInterface<EnablingCase> { };

TEST_P(ShellMenuEnabling, BringsEveryItemUpToDate)
{
    auto const& param = GetParam();
    StartUp();
    auto parabola = ParabolaWindow();
    ASSERT_TRUE(parabola);
    switch (param.front) {
    case Front::Parabola:
        OpenPolynomialWindow();
        Testing::Activate(*parabola);
        break;
    case Front::Polynomial:
        OpenPolynomialWindow();
        break;
    case Front::None:
        parabola->Close();
        Testing::ProcessEvents();
        ASSERT_FALSE(FrontWindow());
        break;
    }

    auto bar = MenuBar1::MenuBar1::Instance();
    std::vector<FlatEntry> entries;
    Flatten(*bar, 0, entries);
    auto expected_enabled = [&](std::string_view name) {
        if (name == "FileMenu" || name == "EditMenu" || name == "QuadraticMenu" || name == "FileQuit")
            return true;
        if (name == "EquationsCurvesketcher")
            return true;
        if (name == "QuadraticVertexForm" || name == "QuadraticPolynomialForm")
            return param.forms_enabled;
        return false; // the Edit menu's items: nothing handles them
    };
    // Each item starts from the opposite of its due state, so none is right by chance.
    for (auto const& entry : entries)
        entry.item->SetEnabled(!expected_enabled(entry.item->Name()));

    UpdateMenuItems();
    for (auto const& entry : entries)
        EXPECT_EQ(entry.item->Enabled(), expected_enabled(entry.item->Name())) << entry.item->Name();
    EXPECT_EQ(EquationsCurvesketcher(), bar->Lookup("EquationsCurvesketcher"));
}

INSTANTIATE_TEST_SUITE_P(, ShellMenuEnabling,
    ::testing::Values(
        EnablingCase { Front::Parabola, "Parabola", true },
        EnablingCase { Front::Polynomial, "Polynomial", false },
        EnablingCase { Front::None, "None", false }),
    [](auto const& info) { return std::string(info.param.label); });

TEST_F(ShellMenuBar, ApplicationEnablingRaisesNilObjectWithoutItsItem)
{
    // No application object registered: the accessor's use of nil raises.
    EXPECT_FALSE(App::Instance());
    EXPECT_THROW(EquationsCurvesketcher(), NilObjectException);

    // A bar without the item: the look-up yields nil and the handler's use of it raises.
    auto app = RuntimeNewObject<App>();
    app->Constructor();
    app->SetMenuBar(RuntimeNewObject<MenuBar>());
    RuntimeRegisterAppObject(app);
    EXPECT_FALSE(EquationsCurvesketcher());
    EXPECT_THROW(app->Event_EnableMenuItems(), NilObjectException);
}
