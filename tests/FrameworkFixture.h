#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include <gtest/gtest.h>

#include "framework/Object.h"
#include "framework/RectControl.h"
#include "framework/Window.h"
#include "framework/testing/TestSupport.h"

// Each framework test starts from a clean framework, leaves one behind and lets no
// exception escape a handler unnoticed.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override { Testing::ResetFramework(); }
    void TearDown() override
    {
        EXPECT_FALSE(Testing::TakeEscapedException()) << "an exception escaped a handler";
        Testing::ResetFramework();
    }

    template<class W>
    static std::shared_ptr<W> Open()
    {
        auto window = RuntimeNewObject<W>();
        window->Constructor();
        Testing::ProcessEvents();
        return window;
    }
};

// The place of a control in its window's content; locks as letters of "LTRB".
struct Place {
    std::int32_t left, top, width, height;
    std::string_view locks;
};

// Makes a control inside a window the way the windows of the system do: allocated in
// the window, constructed, registered, then placed.
template<class T>
std::shared_ptr<T> MakeControl(Window& window, std::string_view name, Place const& place, std::int32_t index = Control::NoIndex)
{
    auto control = window.New<T>();
    control->SetIndex(index);
    control->Constructor();
    window.AddControl(name, control);
    control->SetLeft(place.left);
    control->SetTop(place.top);
    control->SetWidth(place.width);
    control->SetHeight(place.height);
    control->SetLockLeft(place.locks.find('L') != std::string_view::npos);
    control->SetLockTop(place.locks.find('T') != std::string_view::npos);
    control->SetLockRight(place.locks.find('R') != std::string_view::npos);
    control->SetLockBottom(place.locks.find('B') != std::string_view::npos);
    return control;
}
