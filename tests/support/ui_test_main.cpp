// Screen tests run without a display: the offscreen platform is set here when none is given.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/guarded_application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
