// Test entry: the engine makes its own offscreen GUI application when it
// starts, so nothing is needed here beyond GoogleTest's own start.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
