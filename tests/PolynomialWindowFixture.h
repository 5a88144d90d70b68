#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include "framework/Object.h"
#include "framework/testing/TestSupport.h"
#include "polynomial/Curvesketcher.h"
#include "tests/ShellTestFixture.h"

// Polynomial windows on a clean framework, as the shell's tests have it.
class PolynomialWindowTest : public ShellTest {
protected:
    // A new window made as the menu command makes one; with `painted` its canvas has
    // had its first Paint, and so its first update.
    static std::shared_ptr<Curvesketcher::Curvesketcher> OpenWindow(bool painted = true)
    {
        auto window = RuntimeNewObject<Curvesketcher::Curvesketcher>();
        window->Constructor();
        if (painted)
            Testing::ProcessEvents();
        return window;
    }

    // Sets the six slider positions as code, each raising its own update.
    static void SetPositions(Curvesketcher::Curvesketcher& window, std::array<std::int32_t, 6> const& positions)
    {
        for (std::int32_t i = 0; i < 6; ++i)
            window.ValueSlider(i).SetValue(positions[static_cast<std::size_t>(i)]);
    }

    // Chooses the rows as the user does.
    static void Choose(Curvesketcher::Curvesketcher& window, std::int32_t order, std::int32_t mode)
    {
        Testing::ChoosePopupRow(window.OrderMenu(), order);
        Testing::ChoosePopupRow(window.ModeMenu(), mode);
    }
};
