#include <gtest/gtest.h>

#include "binding.h"
#include "graphics_session.h"

namespace {

using graphics::callCount;
using graphics::GraphicsSession;

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        GraphicsSession::Stop();
        graphics::resetCallCounts();
    }
    void TearDown() override { GraphicsSession::Stop(); }
};

TEST_F(Session, InitializeModuleThenStartStartsTheEngineOnce) {
    EXPECT_EQ(GraphicsSession::InitializeModule(), 0);
    EXPECT_NE(GraphicsSession::Token(), 0u);
    EXPECT_TRUE(GraphicsSession::Start());
    EXPECT_TRUE(GraphicsSession::Start());
    EXPECT_EQ(callCount("GdiplusStartup"), 1u);
}

TEST_F(Session, StopBeforeStartOrTwiceMakesNoCall) {
    EXPECT_FALSE(GraphicsSession::Stop());
    EXPECT_EQ(callCount("GdiplusShutdown"), 0u);
    ASSERT_TRUE(GraphicsSession::Start());
    EXPECT_TRUE(GraphicsSession::Stop());
    EXPECT_FALSE(GraphicsSession::Stop());
    EXPECT_EQ(callCount("GdiplusShutdown"), 1u);
    EXPECT_EQ(GraphicsSession::Token(), 0u);
}

TEST_F(Session, StartAfterStopStartsAgain) {
    ASSERT_TRUE(GraphicsSession::Start());
    ASSERT_TRUE(GraphicsSession::Stop());
    EXPECT_TRUE(GraphicsSession::Start());
    EXPECT_EQ(callCount("GdiplusStartup"), 2u);
}

using BindingDeathTest = ::testing::Test;

TEST_F(BindingDeathTest, AMissingEntryPointEndsTheProgramNamingLibraryAndEntry) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(graphics::bindEntryPoint(graphics::entryPoint(graphics::kGdiplusLibrary, "GdipNoSuchFunction")),
                ::testing::ExitedWithCode(EXIT_FAILURE), "GdipNoSuchFunction.*libzelvaro-gdiplus\\.so");
    EXPECT_EXIT(graphics::bindEntryPoint(graphics::entryPoint("libzelvaro-missing.so", "GdipCreatePen1")),
                ::testing::ExitedWithCode(EXIT_FAILURE), "GdipCreatePen1.*libzelvaro-missing\\.so");
}

}  // namespace
