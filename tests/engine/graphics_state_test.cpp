// The state of a graphics object: transforms and page units, the clip,
// saved states and containers, and the settings' ranges. Rectangles are
// filled crisply (no smoothing, half-pixel offset) so that the ink shows
// exactly where a transform or clip put them.
#include <functional>

#include "drawing_surface.h"

using namespace drawing_test;

namespace {

class StateTest : public ::testing::Test {
protected:
    void SetUp() override {
        startEngine();
        SKIP_IF_MISSING(surface.create(160, 120));
        SKIP_IF_MISSING(GdipCreateSolidFill(0xFF2060A0, &brush.brush));
        ASSERT_EQ(GdipSetPixelOffsetMode(g(), PixelOffsetModeHalf), Ok);
    }
    GpGraphics* g() const { return surface.graphics; }
    void fill(REAL x, REAL y, REAL w, REAL h) { ASSERT_EQ(GdipFillRectangle(g(), brush.get(), x, y, w, h), Ok); }
    void fillEverything() {
        ASSERT_EQ(GdipResetWorldTransform(g()), Ok);
        fill(-1000, -1000, 3000, 3000);
    }

    Surface surface;
    Brush brush;
};

struct TransformCase {
    const char* name;
    std::function<void(GpGraphics*)> setUp;
    GpRectF filled;
    QRect ink;
    friend void PrintTo(const TransformCase& c, std::ostream* os) { *os << c.name; }
};

class TransformTest : public StateTest, public ::testing::WithParamInterface<TransformCase> {};

TEST_P(TransformTest, MovesWhatIsDrawn) {
    GetParam().setUp(g());
    fill(GetParam().filled.X, GetParam().filled.Y, GetParam().filled.Width, GetParam().filled.Height);
    EXPECT_EQ(surface.inkBounds(128), GetParam().ink);
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, TransformTest,
    ::testing::Values(
        TransformCase{"translate", [](GpGraphics* g) { GdipTranslateWorldTransform(g, 50, 20, MatrixOrderPrepend); },
                      {0, 0, 10, 10}, QRect(50, 20, 10, 10)},
        TransformCase{"scale", [](GpGraphics* g) { GdipScaleWorldTransform(g, 2, 3, MatrixOrderPrepend); },
                      {5, 5, 10, 10}, QRect(10, 15, 20, 30)},
        // Clockwise quarter turn, then moved right: (x, y) -> (100 - y, x).
        TransformCase{"rotate_then_translate",
                      [](GpGraphics* g) {
                          GdipRotateWorldTransform(g, 90, MatrixOrderPrepend);
                          GdipTranslateWorldTransform(g, 100, 0, MatrixOrderAppend);
                      },
                      {10, 20, 30, 10}, QRect(70, 10, 10, 30)},
        // Prepending acts first: scale, then the translation already there.
        TransformCase{"prepend_order",
                      [](GpGraphics* g) {
                          GdipTranslateWorldTransform(g, 10, 0, MatrixOrderPrepend);
                          GdipScaleWorldTransform(g, 2, 2, MatrixOrderPrepend);
                      },
                      {0, 0, 5, 5}, QRect(10, 0, 10, 10)},
        TransformCase{"append_order",
                      [](GpGraphics* g) {
                          GdipTranslateWorldTransform(g, 10, 0, MatrixOrderPrepend);
                          GdipScaleWorldTransform(g, 2, 2, MatrixOrderAppend);
                      },
                      {0, 0, 5, 5}, QRect(20, 0, 10, 10)},
        TransformCase{"inches_at_half_scale",
                      [](GpGraphics* g) {
                          GdipSetPageUnit(g, UnitInch);
                          GdipSetPageScale(g, 0.5f);
                      },
                      {0, 0, 1, 1}, QRect(0, 0, 48, 48)},
        TransformCase{"points", [](GpGraphics* g) { GdipSetPageUnit(g, UnitPoint); }, {0, 0, 72, 36},
                      QRect(0, 0, 96, 48)},
        TransformCase{"millimetres", [](GpGraphics* g) { GdipSetPageUnit(g, UnitMillimeter); }, {0, 0, 25.4f, 12.7f},
                      QRect(0, 0, 96, 48)},
        TransformCase{"page_then_world",
                      [](GpGraphics* g) {
                          GdipSetPageUnit(g, UnitDocument);
                          GdipTranslateWorldTransform(g, 300, 0, MatrixOrderPrepend);
                      },
                      {0, 0, 150, 150}, QRect(96, 0, 48, 48)},
        TransformCase{"container",
                      [](GpGraphics* g) {
                          const GpRectF dst{10, 10, 40, 40}, src{0, 0, 20, 20};
                          GraphicsContainer c;
                          GdipBeginContainer(g, &dst, &src, UnitPixel, &c);
                      },
                      {0, 0, 10, 10}, QRect(10, 10, 20, 20)},
        TransformCase{"inside_container_world",
                      [](GpGraphics* g) {
                          GdipTranslateWorldTransform(g, 100, 0, MatrixOrderPrepend);
                          GraphicsContainer c;
                          GdipBeginContainer2(g, &c);
                          GdipTranslateWorldTransform(g, 0, 50, MatrixOrderPrepend);
                      },
                      {0, 0, 10, 10}, QRect(100, 50, 10, 10)}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClipCase {
    const char* name;
    std::function<void(GpGraphics*)> setUp;
    QRect ink;  // empty: nothing may be drawn
    friend void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.name; }
};

class ClipTest : public StateTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(ClipTest, LimitsWhatIsDrawn) {
    GetParam().setUp(g());
    fillEverything();
    EXPECT_EQ(surface.inkBounds(128), GetParam().ink);
}

INSTANTIATE_TEST_SUITE_P(
    Clips, ClipTest,
    ::testing::Values(
        ClipCase{"replace", [](GpGraphics* g) { GdipSetClipRectI(g, 10, 10, 50, 50, CombineModeReplace); },
                 QRect(10, 10, 50, 50)},
        ClipCase{"intersect",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 50, 50, CombineModeReplace);
                     GdipSetClipRectI(g, 30, 30, 50, 50, CombineModeIntersect);
                 },
                 QRect(30, 30, 30, 30)},
        ClipCase{"exclude",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 50, 50, CombineModeReplace);
                     GdipSetClipRectI(g, 0, 0, 100, 35, CombineModeExclude);
                 },
                 QRect(10, 35, 50, 25)},
        ClipCase{"union",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 20, 20, CombineModeReplace);
                     GdipSetClipRectI(g, 100, 50, 20, 20, CombineModeUnion);
                 },
                 QRect(10, 10, 110, 60)},
        ClipCase{"complement",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 0, 0, 50, 120, CombineModeReplace);
                     GdipSetClipRectI(g, 40, 0, 20, 10, CombineModeComplement);
                 },
                 QRect(50, 0, 10, 10)},
        ClipCase{"xor",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 0, 0, 20, 20, CombineModeReplace);
                     GdipSetClipRectI(g, 0, 0, 20, 10, CombineModeXor);
                 },
                 QRect(0, 10, 20, 10)},
        ClipCase{"intersect_with_infinite", [](GpGraphics* g) { GdipSetClipRectI(g, 5, 6, 7, 8, CombineModeIntersect); },
                 QRect(5, 6, 7, 8)},
        ClipCase{"translated",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 20, 20, CombineModeReplace);
                     GdipTranslateClipI(g, 5, -5);
                 },
                 QRect(15, 5, 20, 20)},
        // The clip stays where it was set when the transform changes later.
        ClipCase{"set_under_transform",
                 [](GpGraphics* g) {
                     GdipTranslateWorldTransform(g, 20, 0, MatrixOrderPrepend);
                     GdipSetClipRectI(g, 0, 0, 10, 10, CombineModeReplace);
                 },
                 QRect(20, 0, 10, 10)},
        ClipCase{"empty", [](GpGraphics* g) { GdipSetClipRectI(g, 10, 10, 0, 0, CombineModeReplace); }, QRect()},
        ClipCase{"restored_by_saved_state",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 20, 20, CombineModeReplace);
                     GraphicsState s;
                     GdipSaveGraphics(g, &s);
                     GdipSetClipRectI(g, 100, 100, 5, 5, CombineModeReplace);
                     GdipRestoreGraphics(g, s);
                 },
                 QRect(10, 10, 20, 20)},
        ClipCase{"container_keeps_outer_clip",
                 [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 20, 20, CombineModeReplace);
                     GraphicsContainer c;
                     GdipBeginContainer2(g, &c);
                     GdipSetClipRectI(g, 0, 0, 20, 20, CombineModeReplace);
                 },
                 QRect(10, 10, 10, 10)},
        ClipCase{"reset", [](GpGraphics* g) {
                     GdipSetClipRectI(g, 10, 10, 20, 20, CombineModeReplace);
                     GdipResetClip(g);
                 },
                 QRect(0, 0, 160, 120)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StateTest, ClearStaysWithinTheClip) {
    ASSERT_EQ(GdipSetClipRectI(g(), 20, 20, 30, 30, CombineModeReplace), Ok);
    ASSERT_EQ(GdipGraphicsClear(g(), 0xFFFFFFFF), Ok);
    EXPECT_EQ(surface.inkBounds(), QRect(20, 20, 30, 30));
}

TEST_F(StateTest, ClipQueriesAnswerInWorldCoordinates) {
    BOOL answer = TRUE;
    EXPECT_EQ(GdipIsClipEmpty(g(), &answer), Ok);
    EXPECT_FALSE(answer);
    ASSERT_EQ(GdipSetClipRectI(g(), 10, 10, 40, 20, CombineModeReplace), Ok);
    ASSERT_EQ(GdipTranslateWorldTransform(g(), 10, 0, MatrixOrderPrepend), Ok);
    GpRectF bounds{};
    ASSERT_EQ(GdipGetClipBounds(g(), &bounds), Ok);
    EXPECT_FLOAT_EQ(bounds.X, 0);  // device 10 is world 0 now
    EXPECT_FLOAT_EQ(bounds.Width, 40);
    EXPECT_EQ(GdipIsVisiblePoint(g(), 5, 15, &answer), Ok);
    EXPECT_TRUE(answer);
    EXPECT_EQ(GdipIsVisiblePointI(g(), 45, 15, &answer), Ok);
    EXPECT_FALSE(answer);
    EXPECT_EQ(GdipIsVisibleRect(g(), 35, 25, 20, 20, &answer), Ok);
    EXPECT_TRUE(answer);
    // The visible clip is also limited by the surface.
    ASSERT_EQ(GdipSetClipRectI(g(), 100, 100, 500, 500, CombineModeReplace), Ok);
    GpRect visible{};
    ASSERT_EQ(GdipGetVisibleClipBoundsI(g(), &visible), Ok);
    EXPECT_EQ(visible.X, 100);
    EXPECT_EQ(visible.Width, 50);  // device 110..160
    EXPECT_EQ(visible.Height, 20);
    ASSERT_EQ(GdipSetClipRectI(g(), 500, 500, 10, 10, CombineModeReplace), Ok);
    EXPECT_EQ(GdipIsClipEmpty(g(), &answer), Ok);
    EXPECT_FALSE(answer);
    EXPECT_EQ(GdipIsVisibleClipEmpty(g(), &answer), Ok);
    EXPECT_TRUE(answer);
}

TEST_F(StateTest, GetClipFillsTheCallersRegion) {
    GpRegion* region = nullptr;
    SKIP_IF_MISSING(GdipCreateRegion(&region));
    BOOL infinite = FALSE;
    ASSERT_EQ(GdipGetClip(g(), region), Ok);
    ASSERT_EQ(GdipIsInfiniteRegion(region, g(), &infinite), Ok);
    EXPECT_TRUE(infinite);
    ASSERT_EQ(GdipSetClipRectI(g(), 10, 20, 30, 40, CombineModeReplace), Ok);
    ASSERT_EQ(GdipScaleWorldTransform(g(), 2, 2, MatrixOrderPrepend), Ok);
    ASSERT_EQ(GdipGetClip(g(), region), Ok);
    GpRectF bounds{};
    ASSERT_EQ(GdipGetRegionBounds(region, g(), &bounds), Ok);
    EXPECT_FLOAT_EQ(bounds.X, 5);
    EXPECT_FLOAT_EQ(bounds.Y, 10);
    EXPECT_FLOAT_EQ(bounds.Width, 15);
    // The region sets the clip of another graphics back where it was.
    ASSERT_EQ(GdipResetClip(g()), Ok);
    ASSERT_EQ(GdipSetClipRegion(g(), region, CombineModeReplace), Ok);
    fillEverything();
    EXPECT_EQ(surface.inkBounds(128), QRect(10, 20, 30, 40));
    GdipDeleteRegion(region);
}

TEST_F(StateTest, TransformPointsMapsBetweenSpaces) {
    ASSERT_EQ(GdipSetPageUnit(g(), UnitInch), Ok);
    ASSERT_EQ(GdipTranslateWorldTransform(g(), 1, 0, MatrixOrderPrepend), Ok);
    GpPointF p[] = {{0.5f, 0.25f}};
    ASSERT_EQ(GdipTransformPoints(g(), CoordinateSpaceDevice, CoordinateSpaceWorld, p, 1), Ok);
    EXPECT_FLOAT_EQ(p[0].X, 144);
    EXPECT_FLOAT_EQ(p[0].Y, 24);
    ASSERT_EQ(GdipTransformPoints(g(), CoordinateSpacePage, CoordinateSpaceDevice, p, 1), Ok);
    EXPECT_FLOAT_EQ(p[0].X, 1.5f);
    ASSERT_EQ(GdipTransformPoints(g(), CoordinateSpaceWorld, CoordinateSpacePage, p, 1), Ok);
    EXPECT_FLOAT_EQ(p[0].X, 0.5f);
    EXPECT_EQ(GdipTransformPoints(g(), 3, CoordinateSpaceWorld, p, 1), InvalidParameter);
    EXPECT_EQ(GdipTransformPoints(g(), CoordinateSpaceWorld, CoordinateSpacePage, p, 0), InvalidParameter);
}

TEST_F(StateTest, SavedStatesNest) {
    GraphicsState outer, inner;
    ASSERT_EQ(GdipSetSmoothingMode(g(), SmoothingModeAntiAlias), Ok);
    ASSERT_EQ(GdipSaveGraphics(g(), &outer), Ok);
    ASSERT_EQ(GdipSetSmoothingMode(g(), SmoothingModeNone), Ok);
    ASSERT_EQ(GdipSaveGraphics(g(), &inner), Ok);
    ASSERT_EQ(GdipSetSmoothingMode(g(), SmoothingModeHighSpeed), Ok);
    // Restoring the outer state drops the inner one too.
    ASSERT_EQ(GdipRestoreGraphics(g(), outer), Ok);
    SmoothingMode mode = -1;
    ASSERT_EQ(GdipGetSmoothingMode(g(), &mode), Ok);
    EXPECT_EQ(mode, SmoothingModeAntiAlias);
    ASSERT_EQ(GdipSetSmoothingMode(g(), SmoothingModeHighQuality), Ok);
    ASSERT_EQ(GdipRestoreGraphics(g(), inner), Ok);
    ASSERT_EQ(GdipGetSmoothingMode(g(), &mode), Ok);
    EXPECT_EQ(mode, SmoothingModeHighQuality);
}

TEST_F(StateTest, SettingsKeepValidValuesAndRefuseOthers) {
    struct Setting {
        const char* name;
        std::function<GpStatus(GpGraphics*, int)> set;
        std::function<GpStatus(GpGraphics*, int*)> get;
        int defaultValue, valid, invalid;
    };
    const Setting settings[] = {
        {"compositing mode", GdipSetCompositingMode, GdipGetCompositingMode, 0, 1, 2},
        {"compositing quality", GdipSetCompositingQuality, GdipGetCompositingQuality, 0, 3, -1},
        {"smoothing", GdipSetSmoothingMode, GdipGetSmoothingMode, 0, 4, -1},
        {"pixel offset", GdipSetPixelOffsetMode, GdipGetPixelOffsetMode, PixelOffsetModeHalf, 3, 5},
        {"text hint", GdipSetTextRenderingHint, GdipGetTextRenderingHint, 0, 5, 6},
        {"interpolation", GdipSetInterpolationMode, GdipGetInterpolationMode, 0, 7, 8},
        {"page unit", GdipSetPageUnit, GdipGetPageUnit, UnitDisplay, UnitMillimeter, UnitWorld},
        {"text contrast", [](GpGraphics* g, int v) { return GdipSetTextContrast(g, UINT(v)); },
         [](GpGraphics* g, int* v) { return GdipGetTextContrast(g, reinterpret_cast<UINT*>(v)); }, 4, 12, 13},
    };
    for (const Setting& s : settings) {
        SCOPED_TRACE(s.name);
        int value = -99;
        ASSERT_EQ(s.get(g(), &value), Ok);
        EXPECT_EQ(value, s.defaultValue);
        EXPECT_EQ(s.set(g(), s.valid), Ok);
        EXPECT_EQ(s.set(g(), s.invalid), InvalidParameter);
        ASSERT_EQ(s.get(g(), &value), Ok);
        EXPECT_EQ(value, s.valid);
        EXPECT_EQ(s.get(g(), nullptr), InvalidParameter);
    }
    REAL scale = 0, dpi = 0;
    EXPECT_EQ(GdipSetPageScale(g(), 0), InvalidParameter);
    EXPECT_EQ(GdipGetPageScale(g(), &scale), Ok);
    EXPECT_EQ(scale, 1);
    EXPECT_EQ(GdipGetDpiX(g(), &dpi), Ok);
    EXPECT_EQ(dpi, 96);
    INT x = 0, y = 0;
    EXPECT_EQ(GdipSetRenderingOrigin(g(), 3, -4), Ok);
    EXPECT_EQ(GdipGetRenderingOrigin(g(), &x, &y), Ok);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -4);
    EXPECT_EQ(GdipFlush(g(), FlushIntentionSync), Ok);
    EXPECT_EQ(GdipComment(g(), 3, reinterpret_cast<const BYTE*>("abc")), Ok);
}

TEST_F(StateTest, WorldTransformRoundTripsThroughMatrices) {
    GpMatrix* m = nullptr;
    SKIP_IF_MISSING(GdipCreateMatrix2(1, 2, 3, 4, 5, 6, &m));
    ASSERT_EQ(GdipSetWorldTransform(g(), m), Ok);
    GpMatrix* out = nullptr;
    ASSERT_EQ(GdipCreateMatrix(&out), Ok);
    ASSERT_EQ(GdipGetWorldTransform(g(), out), Ok);
    REAL e[6] = {};
    ASSERT_EQ(GdipGetMatrixElements(out, e), Ok);
    EXPECT_EQ(e[1], 2);
    EXPECT_EQ(e[5], 6);
    GpMatrix* singular = nullptr;
    ASSERT_EQ(GdipCreateMatrix2(1, 2, 2, 4, 0, 0, &singular), Ok);
    EXPECT_EQ(GdipSetWorldTransform(g(), singular), InvalidParameter);
    for (GpMatrix* x : {m, out, singular}) GdipDeleteMatrix(x);
}

TEST_F(StateTest, CompositingSourceCopyReplacesPixels) {
    fill(0, 0, 20, 20);
    Brush half;
    SKIP_IF_MISSING(GdipCreateSolidFill(0x80FF0000, &half.brush));
    ASSERT_EQ(GdipSetCompositingMode(g(), CompositingModeSourceCopy), Ok);
    ASSERT_EQ(GdipFillRectangleI(g(), half.get(), 0, 0, 10, 10), Ok);
    const ARGB c = surface.pixel(5, 5);
    EXPECT_NEAR(int(c >> 24), 0x80, 1);
    EXPECT_NEAR(int((c >> 16) & 0xFF), 0xFF, 2);
    EXPECT_EQ(c & 0xFF, 0u) << "blended with what was there";
}

}  // namespace
