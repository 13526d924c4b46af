// The Region wrapper: shapes, defaults, ownership and the scan algorithm.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "binding.h"
#include "graphics_session.h"
#include "region.h"
#include "win32/gdi_region.h"

namespace graphics {
namespace {

// Any engine object a test makes itself (a matrix, a path), offered the way
// the library offers its own wrappers: through GetHandle.
class Held : public WrapperObject {
public:
    explicit Held(void* h = nullptr) { SetHandle(h); }
    void Destroy() override {}
    std::unique_ptr<WrapperObject> Copy() const override { return std::make_unique<Held>(handle); }
    void OnHandleSet(void*) override {}
};

class RegionWrapperTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GraphicsSession::Start(); }
    void SetUp() override {
        GDIP(GdipCreateMatrix)(&identity);
        resetCallCounts();
    }
    void TearDown() override { GDIP(GdipDeleteMatrix)(identity); }

    GpMatrix* identity = nullptr;
    Held none;  // an Empty graphics argument
};

TEST_F(RegionWrapperTest, CombineWithoutAModeIntersects) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRect({0, 0, 10, 10}));
    EXPECT_TRUE(region.CombineRegionRect({5, 5, 10, 10}));
    EXPECT_TRUE(region.IsVisibleRegionPoint({7, 7}, none));
    EXPECT_FALSE(region.IsVisibleRegionPoint({2, 2}, none));
    EXPECT_FALSE(region.IsVisibleRegionPointI({12, 12}, none));

    // A given mode is used, Replace (0) included.
    EXPECT_TRUE(region.CombineRegionRectI({20, 20, 5, 5}, CombineModeReplace));
    EXPECT_TRUE(region.IsVisibleRegionRectI({21, 21, 1, 1}, none));
    EXPECT_FALSE(region.IsVisibleRegionRect({7, 7, 1, 1}, none));

    Region other;
    ASSERT_TRUE(other.CreateRegionRect({0, 0, 100, 22}));
    EXPECT_TRUE(region.CombineRegionRegion(other));
    const RectF b = region.GetRegionBounds(none);
    EXPECT_EQ(b.Y, 20);
    EXPECT_EQ(b.Height, 2);
}

TEST_F(RegionWrapperTest, EmptyWrapperGivesZerosAndTheEngineStatus) {
    Region empty;
    const RectF b = empty.GetRegionBounds(none);
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(b.X, 0);
    EXPECT_EQ(b.Y, 0);
    EXPECT_EQ(b.Width, 0);
    EXPECT_EQ(b.Height, 0);
    const Rect bi = empty.GetRegionBoundsI(none);
    EXPECT_EQ(bi.X + bi.Y + bi.Width + bi.Height, 0);
    EXPECT_EQ(empty.GetRegionDataSize(), 0u);
    EXPECT_FALSE(empty.IsInfiniteRegion(none));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(callCount("GdipGetRegionBounds"), 1u);

    // A failed count leaves the caller's array alone and asks no scans.
    std::vector<RectF> rects(2, RectF{1, 2, 3, 4});
    Held matrix(identity);
    EXPECT_EQ(empty.GetRegionScans(matrix, rects), 0);
    EXPECT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].X, 1);
    EXPECT_EQ(callCount("GdipGetRegionScans"), 0u);
}

TEST_F(RegionWrapperTest, CreateReleasesTheOldRegionAndReleaseRunsOnce) {
    {
        Region region;
        ASSERT_TRUE(region.CreateRegion());
        EXPECT_TRUE(region.IsInfiniteRegion(none));
        ASSERT_TRUE(region.CreateRegionRectI({0, 0, 4, 4}));
        EXPECT_EQ(callCount("GdipDeleteRegion"), 1u);
        EXPECT_FALSE(region.IsInfiniteRegion(none));
        EXPECT_TRUE(region.SetEmpty());
        EXPECT_TRUE(region.IsEmptyRegion(none));
        EXPECT_TRUE(region.SetInfinite());
        EXPECT_TRUE(region.IsInfiniteRegion(none));
        region.Destroy();
        EXPECT_FALSE(region.IsValid());
        LastStatus = 55;
        EXPECT_FALSE(region.DeleteRegion());
        EXPECT_EQ(LastStatus, 55);
    }
    EXPECT_EQ(callCount("GdipDeleteRegion"), 2u);
    {
        Region held;
        ASSERT_TRUE(held.CreateRegion());
    }
    EXPECT_EQ(callCount("GdipDeleteRegion"), 3u);
}

TEST_F(RegionWrapperTest, PathsMatricesAndScans) {
    GpPath* path = nullptr;
    GDIP(GdipCreatePath)(FillModeAlternate, &path);
    GDIP(GdipAddPathRectangle)(path, 0.25f, 0, 10, 10);
    Held pathWrapper(path);
    Region region;
    ASSERT_TRUE(region.CreateRegionPath(pathWrapper));
    EXPECT_TRUE(region.CombineRegionPath(pathWrapper, CombineModeUnion));

    GpMatrix* scale = nullptr;
    GDIP(GdipCreateMatrix2)(2, 0, 0, 1, 0, 0, &scale);
    Held scaleWrapper(scale);
    EXPECT_TRUE(region.TransformRegion(scaleWrapper));
    EXPECT_TRUE(region.TranslateRegionI(1, 0));
    EXPECT_TRUE(region.TranslateRegion(0, 0.5f));

    Held matrix(identity);
    EXPECT_EQ(region.GetRegionScansCount(matrix), 1u);
    std::vector<RectF> rects(5);
    resetCallCounts();
    ASSERT_EQ(region.GetRegionScans(matrix, rects), 1);
    EXPECT_EQ(callCount("GdipGetRegionScansCount"), 1u);
    EXPECT_EQ(callCount("GdipGetRegionScans"), 1u);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].X, 1.5f);
    EXPECT_EQ(rects[0].Y, 0.5f);
    EXPECT_EQ(rects[0].Width, 20);
    std::vector<Rect> units;
    ASSERT_EQ(region.GetRegionScansI(matrix, units), 1);
    EXPECT_EQ(units[0].X, 1);  // units whose centres lie inside: 1.5 .. 21.5
    EXPECT_EQ(units[0].Width, 20);

    GDIP(GdipDeleteMatrix)(scale);
    GDIP(GdipDeletePath)(path);
}

TEST_F(RegionWrapperTest, DataGdiRegionsAndClonesRoundTrip) {
    Region region;
    ASSERT_TRUE(region.CreateRegionRect({0.5f, 0.5f, 3, 3}));
    ASSERT_TRUE(region.CombineRegionRect({2, 2, 4, 4}, CombineModeXor));
    const UINT size = region.GetRegionDataSize();
    ASSERT_GT(size, 0u);
    UINT filled = 0;
    const ByteArray data = region.GetRegionData(size, &filled);
    EXPECT_EQ(filled, size);
    EXPECT_EQ(data.size(), size);
    Region fromData;
    ASSERT_TRUE(fromData.CreateRegionRgnData(data, static_cast<INT>(size)));
    EXPECT_TRUE(fromData.IsEqualRegion(region, none));
    // A size past the end of the array never reads beyond it.
    Region tooLong;
    EXPECT_FALSE(tooLong.CreateRegionRgnData(ByteArray(data.begin(), data.end() - 1), static_cast<INT>(size)));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_FALSE(tooLong.IsValid());

    Region clone;
    ASSERT_TRUE(clone.CreateRegion());
    resetCallCounts();
    ASSERT_TRUE(region.CloneRegion(clone));
    EXPECT_EQ(callCount("GdipDeleteRegion"), 1u);  // the target's old region
    EXPECT_NE(clone.GetHandle(), region.GetHandle());
    EXPECT_TRUE(clone.IsEqualRegion(region, none));

    Region whole;
    ASSERT_TRUE(whole.CreateRegionRectI({1, 1, 5, 5}));
    HRGN hrgn = whole.GetRegionHRgn(none);
    ASSERT_NE(hrgn, nullptr);
    Region fromGdi;
    ASSERT_TRUE(fromGdi.CreateRegionHrgn(hrgn));
    EXPECT_TRUE(fromGdi.IsEqualRegion(whole, none));
    DeleteObject(hrgn);
}

}  // namespace
}  // namespace graphics
