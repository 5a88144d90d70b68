#include <cstdlib>

#include <gtest/gtest.h>

#include "framework/Runtime.h"

// Every test drives real windows on the offscreen platform unless a display is asked
// for explicitly.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit();
    return RUN_ALL_TESTS();
}
