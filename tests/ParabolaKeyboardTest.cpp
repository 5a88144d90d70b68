#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ParabolaWindowFixture.h"
#include "framework/MenuDispatch.h"
#include "framework/Object.h"
#include "polynomial/Curvesketcher.h"

namespace {

class ParabolaKeyboardTest : public ParabolaWindowTest {
protected:
    static std::shared_ptr<Curvesketcher::Curvesketcher> OpenPolynomialWindow()
    {
        auto window = RuntimeNewObject<Curvesketcher::Curvesketcher>();
        window->Constructor();
        Testing::ProcessEvents();
        return window;
    }

    // Whether the menu bar view of the window shows the item enabled.
    static bool ShownEnabled(::Window& window, std::string const& text)
    {
        for (auto const& entry : Testing::MenuView(window))
            if (entry.text == text)
                return entry.enabled;
        ADD_FAILURE() << "no menu entry " << text;
        return false;
    }
};

TEST_F(ParabolaKeyboardTest, TabReachesKThenHThenA)
{
    auto window = OpenWindow();
    Testing::Activate(*window);
    EXPECT_EQ(window->FocusControl().get(), &window->KSlider());
    Testing::PressKeys(*window, "Tab");
    EXPECT_EQ(window->FocusControl().get(), &window->HSlider());
    Testing::PressKeys(*window, "Tab");
    EXPECT_EQ(window->FocusControl().get(), &window->ASlider());
    Testing::PressKeys(*window, "Backtab");
    EXPECT_EQ(window->FocusControl().get(), &window->HSlider());
}

// Arrows move a line step of 0.05, Page Up and Down a page step of 1.00; each step
// is one update with exactly one drawing.
TEST_F(ParabolaKeyboardTest, StepsRewriteTheLabelsWithOneDrawingEach)
{
    auto window = OpenWindow();
    Testing::Activate(*window);
    struct Step {
        char const* keys;
        char const* k_text;
    } const steps[] = {
        { "Right", "k = 0.05" },
        { "PgUp", "k = 1.05" },
        { "Left", "k = 1" },
        { "PgDown", "k = 0" },
        { "Home", "k = -5" },
        { "End", "k = 5" },
    };
    for (auto const& step : steps) {
        SCOPED_TRACE(step.keys);
        int const drawings = Drawings(*window, [&] {
            Testing::PressKeys(*window, step.keys);
            Testing::ProcessEvents();
        });
        EXPECT_EQ(drawings, 1);
        EXPECT_EQ(window->KValue().Text(), step.k_text);
    }
    EXPECT_EQ(window->Formula().Text(), "y = 0 * (x  + 0) ^ 2  + 5");

    Testing::PressKeys(*window, "Tab,Tab,Right,Right");
    EXPECT_EQ(window->AValue().Text(), "a = 0.1");
}

TEST_F(ParabolaKeyboardTest, DraggingDrawsOncePerPosition)
{
    auto window = OpenWindow();
    std::vector<std::int32_t> const positions { 1, 2, 3, 10, 40 };
    int const drawings = Drawings(*window, [&] {
        Testing::DragSlider(window->ASlider(), positions);
        Testing::ProcessEvents();
    });
    EXPECT_EQ(drawings, static_cast<int>(positions.size()));
    EXPECT_EQ(window->AValue().Text(), "a = 2");
}

TEST_F(ParabolaKeyboardTest, ShortcutsSwitchFormsWhileTheWindowIsInFront)
{
    auto window = OpenWindow();
    Prepare(*window, true, 40, 20, -20);
    Testing::Activate(*window);
    EXPECT_TRUE(ShownEnabled(*window, "Vertex Form"));
    EXPECT_TRUE(ShownEnabled(*window, "Polynomial Form"));

    Testing::PressKeys(*window, "Ctrl+2");
    EXPECT_EQ(PositionsOf(*window), (Positions { 40, -80, 20 }));
    EXPECT_FALSE(window->vertexForm);
    EXPECT_EQ(window->Formula().Text(), "y = 2 * x^2  - 4 * x + 1");
    // Both items stay enabled in polynomial form.
    Testing::ProcessEvents();
    EXPECT_TRUE(ShownEnabled(*window, "Vertex Form"));
    EXPECT_TRUE(ShownEnabled(*window, "Polynomial Form"));

    Testing::PressKeys(*window, "Ctrl+1");
    EXPECT_EQ(PositionsOf(*window), (Positions { 40, 20, -20 }));
    EXPECT_TRUE(window->vertexForm);
    EXPECT_EQ(window->Formula().Text(), "y = 2 * (x  - 1) ^ 2  - 1");
}

TEST_F(ParabolaKeyboardTest, ShortcutsChangeNothingWithAPolynomialWindowInFront)
{
    auto parabola = OpenWindow();
    Prepare(*parabola, true, 40, 20, -20);
    auto polynomial = OpenPolynomialWindow();
    Testing::Activate(*polynomial);
    EXPECT_FALSE(ShownEnabled(*polynomial, "Vertex Form"));
    EXPECT_FALSE(ShownEnabled(*polynomial, "Polynomial Form"));

    Testing::PressKeys(*polynomial, "Ctrl+2");
    Testing::PressKeys(*polynomial, "Ctrl+1");
    EXPECT_EQ(PositionsOf(*parabola), (Positions { 40, 20, -20 }));
    EXPECT_TRUE(parabola->vertexForm);

    parabola->Close();
    Testing::ProcessEvents();
    EXPECT_FALSE(ChooseMenuItem("QuadraticVertexForm"));
    EXPECT_FALSE(ChooseMenuItem("QuadraticPolynomialForm"));
}

// A new window starts with a = 0, where Vertex Form has no vertex to go to.
TEST_F(ParabolaKeyboardTest, VertexFormOnANewWindowChangesNothing)
{
    auto window = OpenWindow(false);
    Testing::Activate(*window);
    Testing::PressKeys(*window, "Ctrl+1");
    Testing::ProcessEvents();
    EXPECT_EQ(PositionsOf(*window), (Positions { 0, 0, 0 }));
    EXPECT_TRUE(window->vertexForm);
    EXPECT_EQ(window->Formula().Text(), "y = 0 * (x  + 0) ^ 2  + 0");
}

}
