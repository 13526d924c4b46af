// Images drawn onto a graphics object: scaled, mirrored onto a
// parallelogram, in part, at their physical size, and cached.
#include "drawing_surface.h"

using namespace drawing_test;

namespace {

constexpr ARGB kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class ImagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        startEngine();
        SKIP_IF_MISSING(surface.create(100, 80));
        // A 2 x 2 source: red, green / blue, white.
        SKIP_IF_MISSING(source.create(2, 2));
        SKIP_IF_MISSING(GdipBitmapSetPixel(source.bitmap, 0, 0, kRed));
        ASSERT_EQ(GdipBitmapSetPixel(source.bitmap, 1, 0, kGreen), Ok);
        ASSERT_EQ(GdipBitmapSetPixel(source.bitmap, 0, 1, kBlue), Ok);
        ASSERT_EQ(GdipBitmapSetPixel(source.bitmap, 1, 1, kWhite), Ok);
        ASSERT_EQ(GdipSetInterpolationMode(g(), InterpolationModeNearestNeighbor), Ok);
    }
    GpGraphics* g() const { return surface.graphics; }
    // The colours at the centres of the four quarters of (x, y, 2s, 2s).
    void expectQuarters(int x, int y, int s, ARGB tl, ARGB tr, ARGB bl, ARGB br) {
        EXPECT_EQ(surface.pixel(x + s / 2, y + s / 2), tl);
        EXPECT_EQ(surface.pixel(x + s + s / 2, y + s / 2), tr);
        EXPECT_EQ(surface.pixel(x + s / 2, y + s + s / 2), bl);
        EXPECT_EQ(surface.pixel(x + s + s / 2, y + s + s / 2), br);
    }

    Surface surface, source;
};

TEST_F(ImagesTest, RectangleStretchesTheWholeImage) {
    ASSERT_EQ(GdipDrawImageRectI(g(), source.image(), 10, 20, 20, 20), Ok);
    expectQuarters(10, 20, 10, kRed, kGreen, kBlue, kWhite);
    EXPECT_EQ(surface.inkBounds(), QRect(10, 20, 20, 20));
}

TEST_F(ImagesTest, ThreePointsMapOntoAParallelogram) {
    // Upper-left at the right, upper-right at the left: mirrored.
    const GpPointF mirrored[] = {{40, 10}, {20, 10}, {40, 30}};
    ASSERT_EQ(GdipDrawImagePoints(g(), source.image(), mirrored, 3), Ok);
    expectQuarters(20, 10, 10, kGreen, kRed, kWhite, kBlue);
    // A quarter turn clockwise: the top row runs down the right side.
    ASSERT_EQ(GdipGraphicsClear(g(), 0), Ok);
    const GpPoint turned[] = {{70, 10}, {70, 30}, {50, 10}};
    ASSERT_EQ(GdipDrawImagePointsI(g(), source.image(), turned, 3), Ok);
    expectQuarters(50, 10, 10, kBlue, kRed, kWhite, kGreen);
    EXPECT_EQ(GdipDrawImagePoints(g(), source.image(), mirrored, 2), InvalidParameter);
}

TEST_F(ImagesTest, SourceRectanglesPickAPart) {
    ASSERT_EQ(GdipDrawImageRectRectI(g(), source.image(), 0, 0, 10, 10, 1, 0, 1, 2, UnitPixel, nullptr, nullptr,
                                     nullptr),
              Ok);
    EXPECT_EQ(surface.pixel(5, 2), kGreen);
    EXPECT_EQ(surface.pixel(5, 7), kWhite);
    // At a point, unscaled: one pixel per source pixel.
    ASSERT_EQ(GdipDrawImagePointRectI(g(), source.image(), 50, 50, 0, 1, 2, 1, UnitPixel), Ok);
    EXPECT_EQ(surface.pixel(50, 50), kBlue);
    EXPECT_EQ(surface.pixel(51, 50), kWhite);
    EXPECT_EQ(surface.alpha(50, 51), 0);
    // The source in inches: 1/96 inch is one pixel at 96 dpi.
    const GpPointF at[] = {{60, 60}, {70, 60}, {60, 70}};
    ASSERT_EQ(GdipDrawImagePointsRect(g(), source.image(), at, 3, 0, 0, 1.0f / 96, 1.0f / 96, UnitInch, nullptr,
                                      nullptr, nullptr),
              Ok);
    EXPECT_EQ(surface.pixel(65, 65), kRed);
}

TEST_F(ImagesTest, PointDrawsAtPhysicalSize) {
    SKIP_IF_MISSING(GdipBitmapSetResolution(source.bitmap, 48, 48));
    ASSERT_EQ(GdipDrawImageI(g(), source.image(), 10, 10), Ok);
    // 2 pixels at 48 dpi are 4 pixels at 96.
    EXPECT_EQ(surface.inkBounds(), QRect(10, 10, 4, 4));
}

TEST_F(ImagesTest, AbortingCallbackStopsTheDraw) {
    auto abort = [](void*) -> BOOL { return TRUE; };
    EXPECT_EQ(GdipDrawImageRectRect(g(), source.image(), 0, 0, 10, 10, 0, 0, 2, 2, UnitPixel, nullptr, abort, nullptr),
              Aborted);
    EXPECT_TRUE(surface.inkBounds().isEmpty());
    EXPECT_EQ(GdipDrawImageRectRect(g(), source.image(), 0, 0, 10, 10, 0, 0, 2, 2, UnitWorld, nullptr, nullptr,
                                    nullptr),
              InvalidParameter);
}

TEST_F(ImagesTest, ImageDrawnOntoItselfReadsTheOldPixels) {
    ASSERT_EQ(GdipDrawImageRectI(g(), source.image(), 0, 0, 20, 20), Ok);
    ASSERT_EQ(GdipDrawImageI(g(), surface.image(), 20, 0), Ok);
    expectQuarters(20, 0, 10, kRed, kGreen, kBlue, kWhite);
}

TEST_F(ImagesTest, CachedBitmapsDrawUnscaledAfterTranslation) {
    GpCachedBitmap* cached = nullptr;
    ASSERT_EQ(GdipCreateCachedBitmap(source.bitmap, g(), &cached), Ok);
    ASSERT_EQ(GdipTranslateWorldTransform(g(), 5, 7, MatrixOrderPrepend), Ok);
    ASSERT_EQ(GdipDrawCachedBitmap(g(), cached, 10, 10), Ok);
    EXPECT_EQ(surface.pixel(15, 17), kRed);
    EXPECT_EQ(surface.pixel(16, 18), kWhite);
    ASSERT_EQ(GdipScaleWorldTransform(g(), 2, 2, MatrixOrderPrepend), Ok);
    EXPECT_EQ(GdipDrawCachedBitmap(g(), cached, 10, 10), WrongState);
    EXPECT_EQ(GdipDeleteCachedBitmap(cached), Ok);
    EXPECT_EQ(GdipDeleteCachedBitmap(cached), InvalidParameter);
}

TEST_F(ImagesTest, DisposedImageLeavesItsGraphicsHarmless) {
    Surface other;
    ASSERT_EQ(other.create(4, 4), Ok);
    ASSERT_EQ(GdipDisposeImage(other.image()), Ok);
    other.bitmap = nullptr;
    EXPECT_EQ(GdipGraphicsClear(other.graphics, kRed), InvalidParameter);
    EXPECT_EQ(GdipDeleteGraphics(other.graphics), Ok);
    other.graphics = nullptr;
}

TEST_F(ImagesTest, MetafilePlaybackIsNotOffered) {
    const PointF at{0, 0};
    EXPECT_EQ(GdipEnumerateMetafileDestPoint(g(), nullptr, at, nullptr, nullptr, nullptr), NotImplemented);
}

}  // namespace
