#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/testing/GraphicsRecorder.h"
#include "framework/testing/TestSupport.h"
#include "parabola/Arcsketcher.h"
#include "shell/MenuBar1.h"

// Each test starts from a clean framework and leaves one behind.
class ParabolaWindowTest : public ::testing::Test {
protected:
    using ParabolaWindow = Arcsketcher::Arcsketcher;

    void SetUp() override { Reset(); }
    void TearDown() override
    {
        EXPECT_FALSE(Testing::TakeEscapedException()) << "an exception escaped a handler";
        Reset();
    }

    static void Reset()
    {
        Testing::ResetFramework();
        MenuBar1::MenuBar1::ReleaseInstance();
    }

    // The window as start-up makes it; with `painted` its canvas has had its first
    // Paint, and so its first update.
    static std::shared_ptr<ParabolaWindow> OpenWindow(bool painted = true)
    {
        auto window = ParabolaWindow::Instance();
        if (painted)
            Testing::ProcessEvents();
        return window;
    }

    // Puts the window into a form with the given positions of the A, H and K
    // sliders, then updates it once more so that the stored vertex is current.
    static void Prepare(ParabolaWindow& window, bool vertex_form, std::int32_t a, std::int32_t h, std::int32_t k)
    {
        window.vertexForm = vertex_form;
        window.ASlider().SetValue(a);
        window.HSlider().SetValue(h);
        window.KSlider().SetValue(k);
        window.UpdateGraph();
    }

    struct Positions {
        std::int32_t a, h, k;
        bool operator==(Positions const&) const = default;
    };
    static Positions PositionsOf(ParabolaWindow& window)
    {
        return { window.ASlider().Value(), window.HSlider().Value(), window.KSlider().Value() };
    }

    // The drawing calls that the action makes on the graph's surface.
    static std::vector<Testing::GraphicsCall> Record(ParabolaWindow& window, std::function<void()> const& action)
    {
        return Testing::RecordGraphicsCalls(*window.Graph().Graphics(), action);
    }

    // How many whole drawings the action makes: each begins with its one FillRect.
    static int Drawings(ParabolaWindow& window, std::function<void()> const& action)
    {
        int drawings = 0;
        for (auto const& call : Record(window, action))
            drawings += call.kind == Testing::GraphicsCall::Kind::FillRect;
        return drawings;
    }

    static std::uint32_t PixelAt(ParabolaWindow& window, std::int32_t x, std::int32_t y)
    {
        return window.Graph().Graphics()->Pixel(x, y);
    }

    static std::vector<std::uint32_t> AllPixels(ParabolaWindow& window)
    {
        auto surface = window.Graph().Graphics();
        std::vector<std::uint32_t> pixels;
        for (std::int32_t y = 0; y < surface->Height(); ++y)
            for (std::int32_t x = 0; x < surface->Width(); ++x)
                pixels.push_back(surface->Pixel(x, y));
        return pixels;
    }
};
