#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "framework/Canvas.h"
#include "framework/Delegate.h"
#include "framework/Slider.h"
#include "tests/FrameworkFixture.h"

namespace {

// Counts its canvas's Paint events and its drawings. Paint draws, as the system's
// windows do, and so does every slider change, outside Paint.
class DrawingWindow : public Window {
public:
    static inline std::int32_t canvas_width = 200;

    void Layout() override { Resize(300, 200); }
    void CreateControls() override
    {
        auto canvas = MakeControl<Canvas>(*this, "Graph", { 10, 10, canvas_width, 100, "LTRB" });
        RuntimeAddEventHandler(*canvas, Canvas::PaintEvent, RuntimeCreateDelegate(*this, &DrawingWindow::Graph_Paint));
        auto slider = MakeControl<Slider>(*this, "S", { 10, 150, 200, 23, "LB" });
        slider->SetMaximum(10);
        RuntimeAddEventHandler(*slider, Slider::ValueChangedEvent, RuntimeCreateDelegate(*this, &DrawingWindow::S_ValueChanged));
    }

    void Graph_Paint(Canvas& canvas, Graphics&)
    {
        ++paints;
        Draw(canvas, 0x0000FF);
    }
    void S_ValueChanged(Slider& slider) { Draw(Find<Canvas>("Graph"), slider.Value() % 2 ? 0xFF0000 : 0x00FF00); }

    void Draw(Canvas& canvas, std::uint32_t color)
    {
        ++draws;
        auto graphics = canvas.Graphics();
        graphics->SetForeColor(color);
        graphics->FillRect(0, 0, graphics->Width(), graphics->Height());
        graphics->SetForeColor(0x000000);
        graphics->DrawRect(0, 0, graphics->Width(), graphics->Height());
    }

    Canvas& Graph() { return Find<Canvas>("Graph"); }

    int paints { 0 };
    int draws { 0 };
};

using FrameworkCanvas = FrameworkTest;

}

TEST_F(FrameworkCanvas, PaintsOnceWhenFirstShownAndDrawingInsidePaintAsksForNoMore)
{
    auto window = Open<DrawingWindow>();
    for (int i = 0; i < 3; ++i)
        Testing::ProcessEvents();
    EXPECT_EQ(window->paints, 1);
    EXPECT_EQ(window->draws, 1);
    EXPECT_EQ(Testing::ShownPixel(window->Graph(), 50, 50), 0x0000FFu);
    EXPECT_EQ(Testing::ShownPixel(window->Graph(), 0, 50), 0x000000u);
}

TEST_F(FrameworkCanvas, OneSliderStepIsOneDrawingAndReachesTheScreenWithoutPaint)
{
    auto window = Open<DrawingWindow>();
    Testing::PressKeys(*window, "Right");
    EXPECT_EQ(window->draws, 2);
    EXPECT_EQ(window->paints, 1);
    EXPECT_EQ(window->Graph().Graphics()->Pixel(50, 50), 0xFF0000u);
    EXPECT_EQ(Testing::ShownPixel(window->Graph(), 50, 50), 0xFF0000u);

    // Several drawings between two frames: each is drawn, none raises Paint.
    auto& slider = window->Find<Slider>("S");
    slider.SetValue(2);
    slider.SetValue(3);
    slider.SetValue(4);
    Testing::ProcessEvents();
    EXPECT_EQ(window->draws, 5);
    EXPECT_EQ(window->paints, 1);
    EXPECT_EQ(Testing::ShownPixel(window->Graph(), 50, 50), 0x00FF00u);
}

TEST_F(FrameworkCanvas, AResizeLosesTheContentAndPaintsAgainAtTheNewSize)
{
    auto window = Open<DrawingWindow>();
    Testing::ResizeAsUser(*window, 400, 260);
    auto& graph = window->Graph();
    EXPECT_EQ(graph.Width(), 300);
    EXPECT_EQ(graph.Height(), 160);
    EXPECT_EQ(graph.Graphics()->Width(), 300);
    EXPECT_EQ(graph.Graphics()->Height(), 160);
    EXPECT_EQ(window->paints, 2);
    EXPECT_EQ(Testing::ShownPixel(graph, 299, 80), 0x000000u);
    EXPECT_EQ(Testing::ShownPixel(graph, 298, 80), 0x0000FFu);
}

TEST_F(FrameworkCanvas, ACanvasOfZeroWidthDrawsNothingAndFailsNothing)
{
    DrawingWindow::canvas_width = 0;
    auto window = Open<DrawingWindow>();
    DrawingWindow::canvas_width = 200;
    auto& graph = window->Graph();
    EXPECT_EQ(graph.Graphics()->Width(), 0);
    EXPECT_EQ(window->paints, 0);
    window->Draw(graph, 0xFF0000);
    graph.Graphics()->DrawLine(-5, -5, 5, 5);
    Testing::ProcessEvents();
    EXPECT_EQ(graph.Graphics()->Pixel(0, 0), 0u);

    // Grown to a size, it paints.
    Testing::ResizeAsUser(*window, 350, 200);
    EXPECT_EQ(graph.Width(), 50);
    EXPECT_EQ(window->paints, 1);
}

TEST_F(FrameworkCanvas, APixelTheWindowSystemDoesNotShowIsNoColor)
{
    // Wider than its window: its right part lies outside, where nothing is shown.
    DrawingWindow::canvas_width = 400;
    auto window = Open<DrawingWindow>();
    DrawingWindow::canvas_width = 200;
    auto& graph = window->Graph();
    EXPECT_EQ(Testing::ShownPixel(graph, 100, 50), 0x0000FFu);
    EXPECT_EQ(graph.Graphics()->Pixel(350, 50), 0x0000FFu);
    EXPECT_EQ(Testing::ShownPixel(graph, 350, 50), Testing::NoShownPixel);
    EXPECT_EQ(Testing::ShownPixel(graph, -1, 50), Testing::NoShownPixel);
    EXPECT_EQ(Testing::ShownPixel(graph, 100, 100), Testing::NoShownPixel);
}

namespace {

// Sets an environment variable for its lifetime, and puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(char const* name, char const* value)
        : m_name(name)
    {
        if (char const* old = std::getenv(name))
            m_old = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnvironment(ScopedEnvironment const&) = delete;
    ScopedEnvironment& operator=(ScopedEnvironment const&) = delete;

private:
    char const* m_name;
    std::optional<std::string> m_old;
};

void ReportOneSliderStep()
{
    auto window = RuntimeNewObject<DrawingWindow>();
    window->Constructor();
    Testing::ProcessEvents();
    Testing::PressKeys(*window, "Right");
    Testing::ProcessEvents();
    std::fprintf(stderr, "paints %d draws %d\n", window->paints, window->draws);
    std::fflush(stderr);
    std::_Exit(0);
}

// The toolkit reads its scale factor once, at start-up: these run in a process of
// their own, started afresh with the factor set.
using FrameworkCanvasDeathTest = FrameworkTest;

}

// Below a device pixel ratio of 1 the surface keeps logical pixels; that must not look
// like a change of screen at every frame, which would lose the content and raise Paint.
TEST_F(FrameworkCanvasDeathTest, BelowUnitPixelRatioOneSliderStepIsOneDrawing)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScopedEnvironment const scale("QT_SCALE_FACTOR", "0.5");
    EXPECT_EXIT(ReportOneSliderStep(), ::testing::ExitedWithCode(0), "paints 1 draws 2");
}
