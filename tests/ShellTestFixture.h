#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "framework/ExceptionHelper.h"
#include "framework/MenuDispatch.h"
#include "framework/Runtime.h"
#include "framework/Trace.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "parabola/Arcsketcher.h"
#include "polynomial/Curvesketcher.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"

// Each test starts from a clean framework and leaves one behind: no window, no
// application object, no shared menu bar, no trace sink.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override
    {
        EXPECT_FALSE(Testing::TakeEscapedException()) << "an exception escaped a handler";
        Reset();
    }

    static void Reset()
    {
        SetTraceSink(nullptr);
        Testing::ResetFramework();
        MenuBar1::MenuBar1::ReleaseInstance();
    }

    // Starts the program as its entry point does and leaves the event loop to the
    // test, which runs pending events with Testing::ProcessEvents.
    static void StartUp()
    {
        RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
        RunFrameworkInitialization(Startup);
        Testing::ProcessEvents();
    }

    static std::shared_ptr<Arcsketcher::Arcsketcher> ParabolaWindow()
    {
        return std::dynamic_pointer_cast<Arcsketcher::Arcsketcher>(GetImplicitWindow(Arcsketcher::Arcsketcher::ClassNameText));
    }

    static std::vector<std::shared_ptr<Curvesketcher::Curvesketcher>> PolynomialWindows()
    {
        std::vector<std::shared_ptr<Curvesketcher::Curvesketcher>> windows;
        for (auto const& window : OpenWindows()) {
            if (auto polynomial = std::dynamic_pointer_cast<Curvesketcher::Curvesketcher>(window))
                windows.push_back(polynomial);
        }
        return windows;
    }

    // Opens one more polynomial window through the menu and makes it the front one.
    static std::shared_ptr<Curvesketcher::Curvesketcher> OpenPolynomialWindow()
    {
        auto before = PolynomialWindows();
        EXPECT_TRUE(ChooseMenuItem("EquationsCurvesketcher"));
        Testing::ProcessEvents();
        for (auto const& window : PolynomialWindows()) {
            if (std::find(before.begin(), before.end(), window) == before.end()) {
                Testing::Activate(*window);
                return window;
            }
        }
        ADD_FAILURE() << "no new polynomial window";
        return nullptr;
    }
};
