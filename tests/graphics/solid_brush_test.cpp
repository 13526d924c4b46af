// SolidBrush: the two-level wrapper, its create and release shapes.
#include <gtest/gtest.h>

#include "binding.h"
#include "graphics_session.h"
#include "last_status.h"
#include "solid_brush.h"

namespace graphics {
namespace {

class GraphicsSolidBrush : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        resetCallCounts();
    }
};

TEST_F(GraphicsSolidBrush, EveryHandleFieldFollowsCreateAndRelease) {
    SolidBrush brush;
    EXPECT_FALSE(brush.IsValid());
    ASSERT_TRUE(brush.CreateSolidFill(0xFF336699));
    EXPECT_TRUE(brush.IsValid());
    EXPECT_NE(brush.GetHandle(), nullptr);
    EXPECT_EQ(brush.GetSolidFillColor(), 0xFF336699u);
    EXPECT_EQ(brush.GetBrushType(), BrushTypeSolidColor);  // through the Brush-level field
    ASSERT_TRUE(brush.SetSolidFillColor(0x80FFFFFF));
    EXPECT_EQ(brush.GetSolidFillColor(), 0x80FFFFFFu);

    ASSERT_TRUE(brush.DeleteBrush());
    EXPECT_FALSE(brush.IsValid());
    EXPECT_EQ(brush.GetHandle(), nullptr);
    // The Brush-level field was cleared too: the engine is asked with null.
    EXPECT_EQ(brush.GetBrushType(), 0);
    EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(GraphicsSolidBrush, CreatingAgainDeletesTheHeldBrushOnce) {
    SolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(0xFF000000));
    ASSERT_TRUE(brush.CreateSolidFill(0xFFFFFFFF));
    EXPECT_EQ(callCount("GdipCreateSolidFill"), 2u);
    EXPECT_EQ(callCount("GdipDeleteBrush"), 1u);
    EXPECT_EQ(brush.GetSolidFillColor(), 0xFFFFFFFFu);
    brush.Destroy();
}

TEST_F(GraphicsSolidBrush, DestroyReleasesExactlyOnce) {
    {
        SolidBrush brush;
        ASSERT_TRUE(brush.CreateSolidFill(0xFF123456));
        brush.Destroy();
        EXPECT_EQ(callCount("GdipDeleteBrush"), 1u);
        EXPECT_FALSE(brush.IsValid());
        // Releasing again: false, no call, LastStatus left as it was.
        LastStatus = 7;
        EXPECT_FALSE(brush.DeleteBrush());
        EXPECT_EQ(LastStatus, 7);
    }
    // The destructor of an Empty wrapper makes no call either; one that
    // still holds a brush releases it.
    EXPECT_EQ(callCount("GdipDeleteBrush"), 1u);
    {
        SolidBrush held;
        ASSERT_TRUE(held.CreateSolidFill(0));
    }
    EXPECT_EQ(callCount("GdipDeleteBrush"), 2u);
}

TEST_F(GraphicsSolidBrush, CloneGoesToTheTargetAfterItsOldBrushIsReleased) {
    SolidBrush source, target;
    ASSERT_TRUE(source.CreateSolidFill(0xFFAA0000));
    ASSERT_TRUE(target.CreateSolidFill(0xFF00AA00));
    void* old = target.GetHandle();
    resetCallCounts();
    ASSERT_TRUE(source.CloneBrush(target));
    EXPECT_EQ(callCount("GdipDeleteBrush"), 1u);
    EXPECT_NE(target.GetHandle(), old);
    EXPECT_NE(target.GetHandle(), source.GetHandle());
    EXPECT_EQ(target.GetSolidFillColor(), 0xFFAA0000u);
}

TEST_F(GraphicsSolidBrush, CopySharesTheHandleWithoutCloning) {
    SolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(0xFF010203));
    resetCallCounts();
    auto copy = brush.Copy();
    EXPECT_EQ(copy->GetHandle(), brush.GetHandle());
    EXPECT_EQ(static_cast<SolidBrush&>(*copy).GetSolidFillColor(), 0xFF010203u);
    EXPECT_EQ(callCount("GdipCloneBrush"), 0u);
    copy->SetHandle(nullptr);  // only one of the two may release
}

}  // namespace
}  // namespace graphics
