#include <cstdlib>

#include <gtest/gtest.h>

#include "framework/Runtime.h"
#include "framework/testing/TestSupport.h"

// Every test drives real windows on the offscreen platform, with Qt's own style,
// colours and scale: what the tests expect must not depend on the desktop of the
// person who runs them. A test that wants a theme or a scale sets it itself.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (char const* name : { "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
             "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI" })
        unsetenv(name);
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit();
    int const result = RUN_ALL_TESTS();
    // The platform goes with the last window, so nothing of the tests outlives them.
    Testing::ResetFramework();
    RuntimeExit();
    return result;
}
