#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/MenuBar.h"
#include "framework/MenuDispatch.h"
#include "framework/Object.h"
#include "framework/Runtime.h"
#include "framework/Trace.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/ProgramEntry.h"
#include "tests/ShellTestFixture.h"

namespace {

// The steps of the start-up and shut-down, the framework's and the program's own;
// the trace also has steps that do not matter here, such as a window's hooks.
constexpr std::string_view LifeSteps[] = {
    "Main",
    "RunFrameworkInitialization",
    "Startup",
    "RuntimeInitExternalClasses",
    "InitPluginEntrypoints",
    "InitFileTypes",
    "NewAppInstance",
    "MenuBar1.Constructor",
    "Application.SetMenuBar",
    "RuntimeRegisterAppObject",
    "ApplicationAddMenuHandlers",
    "MakeDefaultView",
    "RuntimeRun",
    "FrameworkFinalize",
    "MenuBar1.ReleaseInstance",
    "RuntimeExit",
};

bool IsLifeStep(std::string_view step)
{
    return std::find(std::begin(LifeSteps), std::end(LifeSteps), step) != std::end(LifeSteps);
}

// Lines of the text that contain the fragment.
int LinesContaining(std::string const& text, std::string_view fragment)
{
    int count = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (std::string_view(text).substr(start, end - start).find(fragment) != std::string_view::npos)
            ++count;
        start = end + 1;
    }
    return count;
}

}

using ShellStartup = ShellTest;

TEST_F(ShellStartup, RunsItsStepsInOrderAndReleasesTheMenuBarLast)
{
    std::vector<std::string> steps;
    bool registered_before_its_step = true;
    std::weak_ptr<MenuBar> bar;
    bool bar_went_with_its_release = false;
    bool framework_released_before = false;
    SetTraceSink([&](std::string_view step) {
        steps.emplace_back(step);
        if (step == "NewAppInstance")
            registered_before_its_step = GetAppObject() != nullptr;
        if (step == "ApplicationAddMenuHandlers" && App::Instance())
            bar = App::Instance()->MenuBar();
        if (step == "MenuBar1.ReleaseInstance") {
            bar_went_with_its_release = bar.expired();
            framework_released_before = !GetAppObject() && OpenWindows().empty();
        }
    });

    // What the event loop finds when it starts: start-up has run completely.
    bool app_complete = false;
    bool parabola_open = false;
    Testing::PostToEventLoop([&] {
        auto app = App::Instance();
        app_complete = app && app->MenuBar() == MenuBar1::MenuBar1::Instance() && app->Handlers().Has("EquationsCurvesketcher");
        auto parabola = GetImplicitWindow("Arcsketcher.Arcsketcher");
        parabola_open = parabola && parabola->MenuBar() == app->MenuBar() && FrontWindow() == parabola;
        ChooseMenuItem("FileQuit");
    });
    int status = ProgramEntry();
    SetTraceSink(nullptr);

    EXPECT_EQ(status, 0);
    std::vector<std::string> life_steps;
    for (auto const& step : steps) {
        if (IsLifeStep(step))
            life_steps.push_back(step);
    }
    EXPECT_EQ(life_steps, std::vector<std::string>(std::begin(LifeSteps), std::end(LifeSteps)));
    EXPECT_FALSE(registered_before_its_step);
    EXPECT_TRUE(app_complete);
    EXPECT_TRUE(parabola_open);
    EXPECT_TRUE(framework_released_before);
    EXPECT_TRUE(bar_went_with_its_release);
}

namespace {

struct EndCase {
    char const* label;
    std::function<void()> posted;
    int status;
    // Text of the one line on standard error; empty when nothing may be reported.
    std::string_view report;
    // Whether a run that ends in an unhandled exception comes first, in the same
    // process and with nothing reset in between.
    bool after_a_failed_run { false };
};

// Names the case in failure messages.
void PrintTo(EndCase const& test_case, std::ostream* out)
{
    *out << test_case.label;
}

struct ReportedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}

class ShellExit : public ShellTest, public ::testing::WithParamInterface<EndCase> { };

// The program ends as after a quit whatever ends the event loop: the framework's
// state and the menu bar are released, and the status tells how it ended.
TEST_P(ShellExit, ShutsDownAndReportsTheStatus)
{
    if (GetParam().after_a_failed_run) {
        Testing::PostToEventLoop([] { throw ReportedError("the run before fails"); });
        testing::internal::CaptureStderr();
        int const status_before = ProgramEntry();
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(status_before, 1);
    }

    std::weak_ptr<MenuBar> bar;
    bool bar_made = false;
    SetTraceSink([&](std::string_view step) {
        if (step == "MakeDefaultView" && App::Instance()) {
            bar = App::Instance()->MenuBar();
            bar_made = !bar.expired();
        }
    });
    Testing::PostToEventLoop(GetParam().posted);

    testing::internal::CaptureStderr();
    int status = ProgramEntry();
    std::string errors = testing::internal::GetCapturedStderr();
    SetTraceSink(nullptr);
    Testing::TakeEscapedException();

    EXPECT_EQ(status, GetParam().status);
    EXPECT_TRUE(bar_made);
    EXPECT_TRUE(bar.expired());
    EXPECT_FALSE(GetAppObject());
    EXPECT_TRUE(OpenWindows().empty());
    if (GetParam().report.empty()) {
        EXPECT_EQ(LinesContaining(errors, "Unhandled"), 0) << errors;
    } else {
        EXPECT_EQ(LinesContaining(errors, GetParam().report), 1) << errors;
        EXPECT_EQ(LinesContaining(errors, "Unhandled"), 1) << errors;
    }
}

INSTANTIATE_TEST_SUITE_P(, ShellExit,
    ::testing::Values(
        EndCase { "QuitChosen", [] { ChooseMenuItem("FileQuit"); }, 0, "" },
        EndCase { "CtrlQ", [] { Testing::PressKeys(NilCheck(FrontWindow()), "Ctrl+Q"); }, 0, "" },
        EndCase { "NilObjectEscapes", [] { throw NilObjectException("no control named Graph"); }, 1, "NilObjectException: no control named Graph" },
        EndCase { "StandardExceptionEscapes", [] { throw ReportedError("slider lost"); }, 1, "slider lost" },
        EndCase { "MenuHandlerThrowsOnItsShortcut",
            [] {
                auto front = FrontWindow();
                NilCheck(front).AddMenuHandler("EditUndo", []() -> bool { throw NilObjectException("undo has nothing"); });
                UpdateMenuItems();
                Testing::PressKeys(*front, "Ctrl+Z");
            },
            1, "undo has nothing" },
        // The fixture resets the status before each test, so only a failed run in
        // the same test shows that its status does not outlive it.
        EndCase { "QuitAfterAFailure", [] { ChooseMenuItem("FileQuit"); }, 0, "", true }),
    [](auto const& info) { return std::string(info.param.label); });
