#include <cstdlib>

#include <gtest/gtest.h>

#include "framework/Runtime.h"
#include "framework/testing/TestSupport.h"

// Every test drives real windows on the offscreen platform unless a display is asked
// for explicitly.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit();
    int const result = RUN_ALL_TESTS();
    // The platform goes with the last window, so nothing of the tests outlives them.
    Testing::ResetFramework();
    RuntimeExit();
    return result;
}
