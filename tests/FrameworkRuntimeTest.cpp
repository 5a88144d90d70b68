#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Delegate.h"
#include "framework/ExceptionHelper.h"
#include "framework/Runtime.h"
#include "framework/Slider.h"
#include "framework/UnhandledException.h"
#include "tests/FrameworkFixture.h"

namespace {

// A slider whose handler raises what a failing window would.
class FailingWindow : public Window {
public:
    void CreateControls() override
    {
        auto slider = MakeControl<Slider>(*this, "S", { 10, 10, 200, 23, "" });
        RuntimeAddEventHandler(*slider, Slider::ValueChangedEvent, RuntimeCreateDelegate(*this, &FailingWindow::S_ValueChanged));
    }
    void S_ValueChanged(Slider&) { throw NilObjectException("no control named Graph"); }
};

using FrameworkRuntime = FrameworkTest;

int helper_calls = 0;

std::exception_ptr CountingHelper(std::function<void()> const& function)
{
    ++helper_calls;
    return CallFunctionWithExceptionHandling(function);
}

}

TEST_F(FrameworkRuntime, AnExceptionFromAHandlerEndsTheLoopAndIsRethrownByRun)
{
    auto window = Open<FailingWindow>();
    helper_calls = 0;
    RuntimeSetExceptionHelper(CountingHelper);
    Testing::PostToEventLoop([&] { Testing::PressKeys(*window, "Right"); });
    try {
        RuntimeRun();
        ADD_FAILURE() << "RuntimeRun returned normally";
    } catch (NilObjectException const& error) {
        EXPECT_STREQ(error.what(), "no control named Graph");
    }
    EXPECT_GE(helper_calls, 2) << "the posted call and the key's event run through the helper";
    EXPECT_FALSE(Testing::TakeEscapedException());
    EXPECT_TRUE(window->IsOpen());
}

// Queued events still run after the first exception has told the loop to end; none of
// them may run a handler, and a second exception must not replace the first.
TEST_F(FrameworkRuntime, AfterAnEscapedExceptionNoFurtherHandlerRuns)
{
    std::vector<std::string> ran;
    Testing::PostToEventLoop([&] {
        ran.push_back("first");
        throw NilObjectException("first");
    });
    Testing::PostToEventLoop([&] {
        ran.push_back("second");
        throw IllegalCastException("second");
    });
    Testing::PostToEventLoop([&] { ran.push_back("third"); });
    try {
        RuntimeRun();
        ADD_FAILURE() << "RuntimeRun returned normally";
    } catch (RuntimeException const& error) {
        EXPECT_EQ(error.TypeName(), "NilObjectException");
        EXPECT_STREQ(error.what(), "first");
    }
    EXPECT_EQ(ran, std::vector<std::string>({ "first" }));
}

TEST_F(FrameworkRuntime, UnhandledExceptionWritesOneLineAndSetsTheExitStatus)
{
    struct Case {
        std::exception_ptr exception;
        std::string line;
    };
    Case const cases[] {
        { std::make_exception_ptr(NilObjectException("no control named Graph")), "Unhandled NilObjectException: no control named Graph\n" },
        { std::make_exception_ptr(IllegalCastException("object is not of the requested class")), "Unhandled IllegalCastException: object is not of the requested class\n" },
        // Other exceptions are named by their own class.
        { std::make_exception_ptr(std::out_of_range("index 7\nof 6")), "Unhandled std::out_of_range: index 7 of 6\n" },
        { std::make_exception_ptr(std::bad_alloc()), "Unhandled std::bad_alloc: std::bad_alloc\n" },
    };
    for (auto const& each : cases) {
        // Nested inside the tests' own initialisation, as the program entry runs in them.
        RuntimeInit();
        ::testing::internal::CaptureStderr();
        UnhandledException(each.exception);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), each.line);
        EXPECT_EQ(RuntimeExit(), 1);
    }
    RuntimeInit();
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(FrameworkRuntime, ClosingTheLastWindowEndsTheLoop)
{
    // Closed while no loop runs: a left-over quit request must not end the next loop.
    Testing::CloseAsUser(*Open<FailingWindow>());
    auto window = Open<FailingWindow>();
    bool ran = false;
    Testing::PostToEventLoop([&] {
        ran = true;
        Testing::CloseAsUser(*window);
    });
    RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(window->IsOpen());
}

TEST_F(FrameworkRuntime, QuitBeforeTheLoopRunsEndsItAtOnce)
{
    RuntimeQuit();
    bool ran = false;
    Testing::PostToEventLoop([&] { ran = true; });
    RuntimeRun();
    EXPECT_FALSE(ran);
}

TEST_F(FrameworkRuntime, InitialisationCallsTheStartupRoutineOnce)
{
    static int startups = 0;
    startups = 0;
    RunFrameworkInitialization([] { ++startups; });
    EXPECT_EQ(startups, 1);
    EXPECT_THROW(RunFrameworkInitialization(nullptr), NilObjectException);
}

TEST_F(FrameworkRuntime, HandlersAttachOnlyToEventFifteen)
{
    auto window = Open<FailingWindow>();
    auto& slider = window->Find<Slider>("S");
    EXPECT_THROW(RuntimeAddEventHandler(slider, 16, [](Slider&) { }), RuntimeException);
    int calls = 0;
    RuntimeAddEventHandler(slider, Slider::ValueChangedEvent, [&](Slider&) { ++calls; });
    slider.SetValue(1);
    EXPECT_EQ(calls, 1);
}

// The handler runs through a copy of itself, so that attaching another in its place
// cannot destroy the closure it is running in.
TEST_F(FrameworkRuntime, AHandlerThatAttachesAnotherInItsPlaceRunsToItsEnd)
{
    auto window = Open<FailingWindow>();
    auto& slider = window->Find<Slider>("S");
    // Statics: the check after the replacement touches nothing of the closure.
    static std::weak_ptr<int> held_by_the_closure;
    static bool alive_after_replacement = false;
    alive_after_replacement = false;
    auto token = std::make_shared<int>(0);
    held_by_the_closure = token;
    RuntimeAddEventHandler(slider, Slider::ValueChangedEvent, [token = std::move(token)](Slider& self) {
        RuntimeAddEventHandler(self, Slider::ValueChangedEvent, [](Slider&) { });
        alive_after_replacement = !held_by_the_closure.expired();
    });
    slider.SetValue(1);
    EXPECT_TRUE(alive_after_replacement);
    EXPECT_TRUE(held_by_the_closure.expired()) << "the replaced handler goes once it has returned";
}
