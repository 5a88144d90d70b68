#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "framework/MenuDispatch.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "tests/ShellTestFixture.h"

using ShellMenuCommands = ShellTest;

TEST_F(ShellMenuCommands, EachCurvesketcherChoiceOpensOneMoreWindow)
{
    StartUp();
    auto parabola = ParabolaWindow();
    ASSERT_TRUE(parabola);

    std::vector<std::shared_ptr<Curvesketcher::Curvesketcher>> opened;
    for (std::size_t n = 1; n <= 4; ++n) {
        auto window = OpenPolynomialWindow();
        ASSERT_TRUE(window);
        // Each is a window of its own, with the one in front the newest.
        EXPECT_EQ(std::count(opened.begin(), opened.end(), window), 0);
        opened.push_back(window);
        EXPECT_EQ(PolynomialWindows().size(), n);
        EXPECT_EQ(window->Title(), "Curvesketcher");
        EXPECT_EQ(FrontWindow(), window);
    }
    EXPECT_EQ(ParabolaWindow(), parabola);
    EXPECT_EQ(OpenWindows().size(), 5u);
}

TEST_F(ShellMenuCommands, CtrlThreeOpensAWindowAlsoFromAPolynomialWindowInFront)
{
    StartUp();
    auto parabola = ParabolaWindow();
    ASSERT_TRUE(parabola);
    Testing::Activate(*parabola);
    Testing::PressKeys(*parabola, "Ctrl+3");
    Testing::ProcessEvents();
    ASSERT_EQ(PolynomialWindows().size(), 1u);

    auto front = PolynomialWindows().front();
    Testing::Activate(*front);
    Testing::PressKeys(*front, "Ctrl+3,Ctrl+3");
    Testing::ProcessEvents();
    EXPECT_EQ(PolynomialWindows().size(), 3u);
    EXPECT_EQ(ParabolaWindow(), parabola);
}

namespace {

struct DispatchCase {
    char const* label;
    bool window_handler_result;
    std::size_t windows_opened;
};

// Names the case in failure messages.
void PrintTo(DispatchCase const& test_case, std::ostream* out)
{
    *out << test_case.label;
}

}

class ShellMenuDispatch : public ShellTest, public ::testing::WithParamInterface<DispatchCase> { };

// The front window is asked before the application, and the first that takes the
// command ends it.
TEST_P(ShellMenuDispatch, FrontWindowIsAskedFirst)
{
    StartUp();
    auto window = OpenPolynomialWindow();
    ASSERT_TRUE(window);
    int window_calls = 0;
    window->AddMenuHandler("EquationsCurvesketcher", [&] {
        ++window_calls;
        return GetParam().window_handler_result;
    });
    UpdateMenuItems();

    EXPECT_TRUE(ChooseMenuItem("EquationsCurvesketcher"));
    Testing::ProcessEvents();
    EXPECT_EQ(window_calls, 1);
    EXPECT_EQ(PolynomialWindows().size(), 1 + GetParam().windows_opened);
}

INSTANTIATE_TEST_SUITE_P(, ShellMenuDispatch,
    ::testing::Values(
        DispatchCase { "WindowDeclines", false, 1 },
        DispatchCase { "WindowTakesIt", true, 0 }),
    [](auto const& info) { return std::string(info.param.label); });

namespace {

// What the window system shows of a window's controls.
using ControlSnapshot = std::vector<std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool, std::string, std::int32_t>>;

ControlSnapshot Snapshot(Window& window)
{
    ControlSnapshot snapshot;
    for (auto const& control : window.Controls()) {
        if (auto rect = std::dynamic_pointer_cast<RectControl>(control)) {
            auto state = Testing::NativeState(*rect);
            snapshot.emplace_back(state.left, state.top, state.width, state.height, state.visible, state.text, state.position);
        }
    }
    return snapshot;
}

}

TEST_F(ShellMenuCommands, EditItemsChangeNothing)
{
    StartUp();
    auto parabola = ParabolaWindow();
    auto polynomial = OpenPolynomialWindow();
    ASSERT_TRUE(parabola && polynomial);

    for (Window* front : { static_cast<Window*>(parabola.get()), static_cast<Window*>(polynomial.get()) }) {
        SCOPED_TRACE(front->Title());
        Testing::Activate(*front);
        auto const windows = OpenWindows();
        auto const parabola_controls = Snapshot(*parabola);
        auto const polynomial_controls = Snapshot(*polynomial);

        for (std::string_view item : { "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll" })
            EXPECT_FALSE(ChooseMenuItem(item)) << item;
        Testing::PressKeys(*front, "Ctrl+Z,Ctrl+X,Ctrl+C,Ctrl+V,Ctrl+A");
        Testing::ProcessEvents();

        EXPECT_EQ(OpenWindows(), windows);
        EXPECT_EQ(Snapshot(*parabola), parabola_controls);
        EXPECT_EQ(Snapshot(*polynomial), polynomial_controls);
    }
}

TEST_F(ShellMenuCommands, ClosedParabolaWindowStaysClosedWhilePolynomialWindowsWork)
{
    StartUp();
    auto first = OpenPolynomialWindow();
    ASSERT_TRUE(first);
    {
        auto parabola = ParabolaWindow();
        ASSERT_TRUE(parabola);
        Testing::CloseAsUser(*parabola);
        Testing::ProcessEvents();
    }
    EXPECT_FALSE(ParabolaWindow());

    Testing::Activate(*first);
    UpdateMenuItems();
    auto bar = MenuBar1::MenuBar1::Instance();
    EXPECT_TRUE(bar->Lookup("EquationsCurvesketcher")->Enabled());
    EXPECT_FALSE(bar->Lookup("QuadraticVertexForm")->Enabled());
    // The form switches have no taker any more and open nothing.
    EXPECT_FALSE(ChooseMenuItem("QuadraticVertexForm"));
    EXPECT_FALSE(ChooseMenuItem("QuadraticPolynomialForm"));

    // The window still answers its own controls.
    auto& order = first->OrderMenu();
    auto const equation = first->Formula().Text();
    Testing::ChoosePopupRow(order, (order.ListIndex() + 1) % 5);
    Testing::ProcessEvents();
    EXPECT_NE(first->Formula().Text(), equation);

    Testing::PressKeys(*first, "Ctrl+3");
    Testing::ProcessEvents();
    EXPECT_EQ(PolynomialWindows().size(), 2u);
    EXPECT_FALSE(ParabolaWindow());
    EXPECT_EQ(OpenWindows().size(), 2u);
}
