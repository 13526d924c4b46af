// The drawing family's own work: which engine calls each operation makes,
// how arrays and records travel, and how statuses reach LastStatus.
#include <gtest/gtest.h>

#include <cmath>

#include "binding.h"
#include "drawing_family.h"
#include "graphics_session.h"

namespace graphics {
namespace {

// A bitmap with its drawing context, drawn on through the family.
class Canvas : public DrawingFamily {
public:
    GpStatus Create(int width, int height) {
        GpStatus s = GDIP(GdipCreateBitmapFromScan0)(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
        if (s != Ok) return s;
        return GDIP(GdipGetImageGraphicsContext)(reinterpret_cast<GpImage*>(bitmap), &context);
    }
    ~Canvas() override {
        if (context) GDIP(GdipDeleteGraphics)(context);
        if (bitmap) GDIP(GdipDisposeImage)(reinterpret_cast<GpImage*>(bitmap));
    }
    ARGB Pixel(int x, int y) {
        ARGB c = 0;
        GDIP(GdipBitmapGetPixel)(bitmap, x, y, &c);
        return c;
    }
    GpBitmap* bitmap = nullptr;
    GpGraphics* context = nullptr;

protected:
    GpGraphics* DrawingContext() const override { return context; }
};

// A wrapper over any engine object, released by the given function.
template <class T, GpStatus (*Release)(T*)>
class Holder : public WrapperObject {
public:
    ~Holder() override { Destroy(); }
    void Destroy() override {
        if (handle) Release(static_cast<T*>(handle));
        SetHandle(nullptr);
    }
    std::unique_ptr<WrapperObject> Copy() const override { return nullptr; }
    void OnHandleSet(void*) override {}
    void Take(void* h) { SetHandle(h); }
};
GpStatus deleteBrush(GpBrush* b) {
    return GDIP(GdipDeleteBrush)(b);
}
GpStatus deleteMatrix(GpMatrix* m) {
    return GDIP(GdipDeleteMatrix)(m);
}
GpStatus disposeImage(GpImage* i) {
    return GDIP(GdipDisposeImage)(i);
}
using Brush = Holder<GpBrush, deleteBrush>;
using Matrix = Holder<GpMatrix, deleteMatrix>;
using Image = Holder<GpImage, disposeImage>;

class Empty : public WrapperObject {
public:
    void Destroy() override {}
    std::unique_ptr<WrapperObject> Copy() const override { return nullptr; }
    void OnHandleSet(void*) override {}
};

class DrawingFamilyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        const GpStatus s = canvas.Create(60, 40);
        if (s == NotImplemented) GTEST_SKIP() << "bitmaps not available";
        ASSERT_EQ(s, Ok);
        resetCallCounts();
    }
    Canvas canvas;
};

TEST_F(DrawingFamilyTest, ScaleAndRotateAtKeepThePointInPlace) {
    struct Case {
        const char* name;
        bool rotate;
        int order;
    };
    for (const Case c : {Case{"scale prepend", false, MatrixOrderPrepend}, Case{"scale append", false, MatrixOrderAppend},
                         Case{"rotate prepend", true, MatrixOrderPrepend},
                         Case{"rotate append", true, MatrixOrderAppend}}) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(canvas.ResetWorldTransform());
        // A transform already in place, so that the order matters.
        ASSERT_TRUE(canvas.TranslateWorldTransform(5, 7));
        resetCallCounts();
        const FloatPoint at{10, 20};
        ASSERT_TRUE(c.rotate ? canvas.RotateWorldTransformAt(90, at, c.order)
                             : canvas.ScaleWorldTransformAt(2, 3, at, c.order));
        EXPECT_EQ(callCount("GdipTranslateWorldTransform"), 2u);
        EXPECT_EQ(callCount(c.rotate ? "GdipRotateWorldTransform" : "GdipScaleWorldTransform"), 1u);
        // Prepended, the fixed point is in world coordinates; appended, it is
        // where the earlier transform put things.
        std::vector<FloatPoint> pts = {at, {at.x + 1, at.y}};
        ASSERT_TRUE(canvas.TransformPoints(CoordinateSpacePage, CoordinateSpaceWorld, pts));
        const FloatPoint fixed = c.order == MatrixOrderPrepend ? FloatPoint{15, 27} : FloatPoint{10, 20};
        if (c.order == MatrixOrderPrepend) {
            EXPECT_NEAR(pts[0].x, fixed.x, 1e-4);
            EXPECT_NEAR(pts[0].y, fixed.y, 1e-4);
        } else {
            std::vector<FloatPoint> q = {{5, 13}};  // world point that lands on (10, 20) before the operation
            ASSERT_TRUE(canvas.TransformPoints(CoordinateSpacePage, CoordinateSpaceWorld, q));
            EXPECT_NEAR(q[0].x, fixed.x, 1e-4);
            EXPECT_NEAR(q[0].y, fixed.y, 1e-4);
        }
        // One unit to the right of the point: doubled by the scale, or turned
        // to point down by the clockwise quarter turn.
        const float dx = pts[1].x - pts[0].x, dy = pts[1].y - pts[0].y;
        EXPECT_NEAR(dx, c.rotate ? 0 : 2, 1e-4);
        EXPECT_NEAR(dy, c.rotate ? 1 : 0, 1e-4);
    }
}

TEST_F(DrawingFamilyTest, TransformPointsCopiesTheRecordsBack) {
    ASSERT_TRUE(canvas.TranslateWorldTransform(10, 20));
    ASSERT_TRUE(canvas.SetPageUnit(UnitPoint));
    std::vector<IntPoint> pts = {{0, 0}, {72, 36}};
    ASSERT_TRUE(canvas.TransformPointsI(CoordinateSpaceDevice, CoordinateSpaceWorld, pts));
    EXPECT_EQ(callCount("GdipTransformPointsI"), 1u);
    // (x + 10, y + 20) points, at 96 pixels per 72 points.
    EXPECT_EQ(pts[0].x, 13);
    EXPECT_EQ(pts[0].y, 27);
    EXPECT_EQ(pts[1].x, 109);
    EXPECT_EQ(pts[1].y, 75);
}

TEST_F(DrawingFamilyTest, MeasureCharacterRangesRefusesCountsBelowOne) {
    Empty font, format;
    std::vector<std::unique_ptr<Empty>> regions;
    LastStatus = Ok;
    for (int count : {0, -1}) {
        EXPECT_FALSE(canvas.MeasureCharacterRanges("abc", font, FloatRect{0, 0, 100, 20}, format, count, regions));
        EXPECT_EQ(LastStatus, InvalidParameter);
    }
    EXPECT_EQ(callCount("GdipCreateRegion"), 0u);
    EXPECT_EQ(callCount("GdipMeasureCharacterRanges"), 0u);
    EXPECT_TRUE(regions.empty());
}

TEST_F(DrawingFamilyTest, FailuresReachLastStatusAndGettersAnswerZero) {
    Empty pen;  // never created: its handle is null
    EXPECT_FALSE(canvas.DrawArc(pen, 0, 0, 10, 10, 0, 90));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(callCount("GdipDrawArc"), 1u);

    class NoContext : public DrawingFamily {
    protected:
        GpGraphics* DrawingContext() const override { return nullptr; }
    } none;
    EXPECT_EQ(none.GetPageScale(), 0.0f);
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(none.GetDpiX(), 0.0f);
    EXPECT_FALSE(none.IsVisiblePoint(1, 1));
    EXPECT_EQ(canvas.GetDpiX(), 96.0f);
    EXPECT_EQ(LastStatus, Ok);
}

TEST_F(DrawingFamilyTest, FillRectangleFormsAndClearLandOnTheImage) {
    Brush brush;
    GpSolidFill* fill = nullptr;
    ASSERT_EQ(GDIP(GdipCreateSolidFill)(0xFF00FF00, &fill), Ok);
    brush.Take(fill);
    ASSERT_TRUE(canvas.FillRectangle(brush, FloatRect{0, 0, 10, 10}));
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFF00FF00u);
    EXPECT_EQ(canvas.Pixel(15, 5), 0u);
    ASSERT_TRUE(canvas.GraphicsClear());  // left out: transparent black
    EXPECT_EQ(canvas.Pixel(5, 5), 0u);
    ASSERT_TRUE(canvas.GraphicsClear(0xFF0000FFu));
    EXPECT_EQ(canvas.Pixel(30, 30), 0xFF0000FFu);
}

TEST_F(DrawingFamilyTest, DrawImageRectDrawsAtTheImagesOwnSize) {
    Canvas source;
    ASSERT_EQ(source.Create(4, 3), Ok);
    ASSERT_TRUE(source.GraphicsClear(0xFFFF0000u));
    Image image;
    image.Take(source.bitmap);
    UINT width = 0;
    if (GDIP(GdipGetImageWidth)(static_cast<GpImage*>(image.GetHandle()), &width) == NotImplemented) {
        image.Take(nullptr);
        GTEST_SKIP() << "image sizes not available";
    }
    resetCallCounts();
    ASSERT_TRUE(canvas.DrawImageRect(image, 10.0f, 5.0f));
    EXPECT_EQ(callCount("GdipGetImageWidth"), 1u);
    EXPECT_EQ(callCount("GdipGetImageHeight"), 1u);
    EXPECT_EQ(callCount("GdipDrawImageRect"), 1u);
    EXPECT_EQ(canvas.Pixel(10, 5), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(13, 7), 0xFFFF0000u);
    EXPECT_EQ(canvas.Pixel(14, 7), 0u);
    EXPECT_EQ(canvas.Pixel(13, 8), 0u);
    image.Take(nullptr);  // the source canvas disposes it
}

TEST_F(DrawingFamilyTest, GetWorldTransformHandsANewMatrixToTheTarget) {
    ASSERT_TRUE(canvas.ScaleWorldTransform(2, 4));
    Matrix target;
    const bool got = canvas.GetWorldTransform(target);
    if (!got && LastStatus == NotImplemented) GTEST_SKIP() << "matrices not available";
    ASSERT_TRUE(got);
    ASSERT_NE(target.GetHandle(), nullptr);
    REAL m[6] = {};
    ASSERT_EQ(GDIP(GdipGetMatrixElements)(static_cast<GpMatrix*>(target.GetHandle()), m), Ok);
    EXPECT_EQ(m[0], 2);
    EXPECT_EQ(m[3], 4);
    // A second get releases the first matrix before taking the new one.
    resetCallCounts();
    ASSERT_TRUE(canvas.GetWorldTransform(target));
    EXPECT_EQ(callCount("GdipDeleteMatrix"), 1u);
}

TEST_F(DrawingFamilyTest, SavedStatesAndContainersRestoreTheClip) {
    ASSERT_TRUE(canvas.SetClipRect(0, 0, 10, 10));
    const GraphicsState saved = canvas.SaveGraphics();
    ASSERT_TRUE(canvas.SetClipRect(20, 20, 5, 5, CombineModeReplace));
    EXPECT_FALSE(canvas.IsVisiblePoint(5, 5));
    ASSERT_TRUE(canvas.RestoreGraphics(saved));
    EXPECT_TRUE(canvas.IsVisiblePoint(5, 5));
    const GraphicsContainer c = canvas.BeginContainer(FloatRect{0, 0, 20, 20}, FloatRect{0, 0, 10, 10}, UnitPixel);
    EXPECT_NE(c, 0u);
    // Inside: twice the scale, the outer clip still in force.
    const FloatRect bounds = canvas.GetClipBounds();
    EXPECT_FLOAT_EQ(bounds.width, 5);
    EXPECT_TRUE(canvas.EndContainer(c));
    EXPECT_FLOAT_EQ(canvas.GetClipBounds().width, 10);
}

}  // namespace
}  // namespace graphics
