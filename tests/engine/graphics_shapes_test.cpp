// Graphics on bitmaps: which images take a graphics, and where lines, arcs
// and fills land.
#include <cmath>

#include "drawing_surface.h"

using namespace drawing_test;

namespace {

constexpr ARGB kBlack = 0xFF000000;

class ShapesTest : public ::testing::Test {
protected:
    void SetUp() override {
        startEngine();
        SKIP_IF_MISSING(surface.create(200, 130));
        SKIP_IF_MISSING(GdipCreatePen1(kBlack, 2, UnitWorld, &pen.pen));
        SKIP_IF_MISSING(GdipCreateSolidFill(0xFFFF0000, &brush.brush));
    }
    Surface surface;
    Pen pen;
    Brush brush;
};

struct FormatCase {
    PixelFormat format;
    GpStatus expected;
    friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << std::hex << "format 0x" << c.format; }
};

class ContextFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ContextFormatTest, OnlyDrawableFormatsGetAGraphics) {
    startEngine();
    GpBitmap* bitmap = nullptr;
    SKIP_IF_MISSING(GdipCreateBitmapFromScan0(8, 8, 0, GetParam().format, nullptr, &bitmap));
    GpGraphics* graphics = reinterpret_cast<GpGraphics*>(0x1);
    EXPECT_EQ(GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics), GetParam().expected);
    if (GetParam().expected == Ok) EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
    else EXPECT_EQ(graphics, reinterpret_cast<GpGraphics*>(0x1)) << "output touched on failure";
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
}

INSTANTIATE_TEST_SUITE_P(Formats, ContextFormatTest,
                         ::testing::Values(FormatCase{PixelFormat32bppARGB, Ok}, FormatCase{PixelFormat32bppPARGB, Ok},
                                           FormatCase{PixelFormat32bppRGB, Ok}, FormatCase{PixelFormat24bppRGB, Ok},
                                           FormatCase{PixelFormat1bppIndexed, OutOfMemory},
                                           FormatCase{PixelFormat4bppIndexed, OutOfMemory},
                                           FormatCase{PixelFormat8bppIndexed, OutOfMemory},
                                           FormatCase{PixelFormat16bppGrayScale, OutOfMemory},
                                           FormatCase{PixelFormat16bppARGB1555, OutOfMemory}));

TEST(GraphicsHandles, NullAndStaleHandlesAreRefused) {
    startEngine();
    EXPECT_EQ(GdipGetImageGraphicsContext(nullptr, nullptr), InvalidParameter);
    EXPECT_EQ(GdipDeleteGraphics(nullptr), InvalidParameter);
    Surface s;
    SKIP_IF_MISSING(s.create(4, 4));
    GpGraphics* g = s.graphics;
    ASSERT_EQ(GdipDeleteGraphics(g), Ok);
    s.graphics = nullptr;
    EXPECT_EQ(GdipDeleteGraphics(g), InvalidParameter);
    EXPECT_EQ(GdipGraphicsClear(g, kBlack), InvalidParameter);
}

// An arc is drawn clockwise from its start angle (y down), on the ray's
// polar angle: ink at both documented end points and the middle, none on
// the mirror image that counter-clockwise angles would give.
struct ArcCase {
    const char* name;
    GpRectF rect;
    REAL start, sweep;
    double x0, y0, x1, y1;  // expected end points
    friend void PrintTo(const ArcCase& c, std::ostream* os) { *os << c.name; }
};

class ArcTest : public ShapesTest, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ArcTest, RunsClockwiseBetweenItsDocumentedEnds) {
    const ArcCase& c = GetParam();
    ASSERT_EQ(GdipDrawArc(surface.graphics, pen.pen, c.rect.X, c.rect.Y, c.rect.Width, c.rect.Height, c.start,
                          c.sweep),
              Ok);
    EXPECT_TRUE(surface.inkNear(c.x0, c.y0)) << "start";
    EXPECT_TRUE(surface.inkNear(c.x1, c.y1)) << "end";
    // Middle of the arc, and its reflection in the horizontal axis.
    const double cx = c.rect.X + c.rect.Width / 2, cy = c.rect.Y + c.rect.Height / 2;
    const double mid = (c.start + c.sweep / 2) * M_PI / 180;
    const double a = c.rect.Width / 2, b = c.rect.Height / 2;
    const double r = a * b / std::hypot(b * std::cos(mid), a * std::sin(mid));
    EXPECT_TRUE(surface.inkNear(cx + r * std::cos(mid), cy + r * std::sin(mid))) << "middle";
    EXPECT_FALSE(surface.inkNear(cx + r * std::cos(mid), cy - r * std::sin(mid), 2)) << "mirrored middle";
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcTest,
    ::testing::Values(ArcCase{"upper_shell_arc", {50, 0, 100, 100}, -50, 40, 132.1, 11.7, 149.2, 41.3},
                      ArcCase{"lower_shell_arc", {50, 20, 100, 100}, 10, 40, 149.2, 78.7, 132.1, 108.3},
                      // The same lower arc given from its other end.
                      ArcCase{"negative_sweep", {50, 20, 100, 100}, 50, -40, 132.1, 108.3, 149.2, 78.7},
                      // A wide ellipse: the 40..50 degree rays meet it at
                      // (100 + r cos, 50 + r sin), r = ab / |(b cos, a sin)|.
                      ArcCase{"polar_angle_on_ellipse", {0, 0, 200, 100}, 40, 10, 151.2, 92.9, 138.7, 96.1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShapesTest, FullSweepDrawsTheWholeEllipse) {
    ASSERT_EQ(GdipDrawArc(surface.graphics, pen.pen, 10, 10, 100, 100, 30, 400), Ok);
    for (int deg = 0; deg < 360; deg += 45) {
        const double t = deg * M_PI / 180;
        EXPECT_TRUE(surface.inkNear(60 + 50 * std::cos(t), 60 + 50 * std::sin(t))) << deg;
    }
}

TEST_F(ShapesTest, PenIsCentredOnTheOutline) {
    ASSERT_EQ(GdipSetSmoothingMode(surface.graphics, SmoothingModeNone), Ok);
    Pen wide;
    SKIP_IF_MISSING(GdipCreatePen1(kBlack, 5, UnitWorld, &wide.pen));
    ASSERT_EQ(GdipDrawLine(surface.graphics, wide.pen, 20, 50, 120, 50), Ok);
    // The band 47.5 .. 52.5 holds the centres of rows 48 to 52 (pixel
    // centres sit on whole coordinates).
    const QRect ink = surface.inkBounds();
    EXPECT_EQ(ink.top(), 48);
    EXPECT_EQ(ink.bottom(), 52);
}

TEST_F(ShapesTest, PenTransformShapesTheNibAndInsetKeepsInside) {
    ASSERT_EQ(GdipSetPixelOffsetMode(surface.graphics, PixelOffsetModeHalf), Ok);
    Pen tall;
    SKIP_IF_MISSING(GdipCreatePen1(kBlack, 4, UnitWorld, &tall.pen));
    // A nib three times as tall: a horizontal line 12 pixels thick, along
    // its own length.
    ASSERT_EQ(GdipScalePenTransform(tall.pen, 1, 3, MatrixOrderPrepend), Ok);
    ASSERT_EQ(GdipDrawLine(surface.graphics, tall.pen, 20, 50, 120, 50), Ok);
    EXPECT_EQ(surface.inkBounds(128), QRect(20, 44, 100, 12));

    ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
    Pen inset;
    ASSERT_EQ(GdipCreatePen1(kBlack, 6, UnitWorld, &inset.pen), Ok);
    ASSERT_EQ(GdipSetPenMode(inset.pen, PenAlignmentInset), Ok);
    ASSERT_EQ(GdipDrawRectangle(surface.graphics, inset.pen, 20, 20, 60, 40), Ok);
    EXPECT_EQ(surface.inkBounds(128), QRect(20, 20, 60, 40));
    EXPECT_EQ(surface.alpha(22, 40), 255);
    EXPECT_EQ(surface.alpha(30, 40), 0);
}

TEST_F(ShapesTest, SmoothingModeDecidesAntialiasing) {
    struct Case {
        SmoothingMode mode;
        bool smooth;
    };
    for (const Case c : {Case{SmoothingModeDefault, false}, Case{SmoothingModeHighSpeed, false},
                         Case{SmoothingModeNone, false}, Case{SmoothingModeHighQuality, true},
                         Case{SmoothingModeAntiAlias, true}}) {
        ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
        ASSERT_EQ(GdipSetSmoothingMode(surface.graphics, c.mode), Ok);
        ASSERT_EQ(GdipFillEllipse(surface.graphics, brush.get(), 10, 10, 100, 100), Ok);
        bool partial = false;
        for (int y = 0; y < 120 && !partial; ++y)
            for (int x = 0; x < 120 && !partial; ++x) partial = surface.alpha(x, y) > 0 && surface.alpha(x, y) < 255;
        EXPECT_EQ(partial, c.smooth) << "mode " << c.mode;
    }
    SmoothingMode mode = -1;
    EXPECT_EQ(GdipGetSmoothingMode(surface.graphics, &mode), Ok);
    EXPECT_EQ(mode, SmoothingModeAntiAlias);
    EXPECT_EQ(GdipSetSmoothingMode(surface.graphics, 6), InvalidParameter);
    EXPECT_EQ(GdipSetSmoothingMode(surface.graphics, SmoothingModeInvalid), InvalidParameter);
}

TEST_F(ShapesTest, FillCoversWholePixelsWithHalfPixelOffset) {
    ASSERT_EQ(GdipSetSmoothingMode(surface.graphics, SmoothingModeAntiAlias), Ok);
    ASSERT_EQ(GdipSetPixelOffsetMode(surface.graphics, PixelOffsetModeHalf), Ok);
    ASSERT_EQ(GdipFillRectangleI(surface.graphics, brush.get(), 10, 10, 5, 5), Ok);
    EXPECT_EQ(surface.inkBounds(), QRect(10, 10, 5, 5));
    EXPECT_EQ(surface.pixel(10, 10), 0xFFFF0000u);
    // Without the offset, pixel centres are on the corners: the edges are
    // half covered.
    ASSERT_EQ(GdipSetPixelOffsetMode(surface.graphics, PixelOffsetModeNone), Ok);
    ASSERT_EQ(GdipFillRectangleI(surface.graphics, brush.get(), 50, 50, 5, 5), Ok);
    EXPECT_NEAR(surface.alpha(50, 52), 128, 2);
    EXPECT_EQ(surface.alpha(51, 52), 255);
}

TEST_F(ShapesTest, ClearWritesTheColourWithoutBlending) {
    ASSERT_EQ(GdipFillRectangleI(surface.graphics, brush.get(), 0, 0, 200, 130), Ok);
    ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0x400000FF), Ok);
    const ARGB c = surface.pixel(100, 60);
    EXPECT_EQ(c >> 24, 0x40u);
    EXPECT_NEAR(int(c & 0xFF), 0xFF, 3);
    EXPECT_EQ((c >> 16) & 0xFF, 0u) << "old red blended in";
}

TEST_F(ShapesTest, FillModesDifferOnSelfOverlappingFigures) {
    // A pentagram: the centre is inside with winding, outside with alternate.
    GpPointF star[5];
    for (int i = 0; i < 5; ++i) {
        const double t = (-90 + i * 144) * M_PI / 180;
        star[i] = {REAL(100 + 50 * std::cos(t)), REAL(65 + 50 * std::sin(t))};
    }
    ASSERT_EQ(GdipFillPolygon(surface.graphics, brush.get(), star, 5, FillModeAlternate), Ok);
    EXPECT_EQ(surface.alpha(100, 65), 0);
    EXPECT_GT(surface.alpha(100, 25), 0);
    ASSERT_EQ(GdipFillPolygon(surface.graphics, brush.get(), star, 5, FillModeWinding), Ok);
    EXPECT_EQ(surface.alpha(100, 65), 255);
    EXPECT_EQ(GdipFillPolygon(surface.graphics, brush.get(), star, 5, 2), InvalidParameter);
}

TEST_F(ShapesTest, CurvesPassThroughTheirPoints) {
    const GpPointF pts[] = {{20, 100}, {60, 20}, {100, 100}, {140, 20}, {180, 100}};
    ASSERT_EQ(GdipDrawCurve2(surface.graphics, pen.pen, pts, 5, 0.5f), Ok);
    for (const GpPointF& p : pts) EXPECT_TRUE(surface.inkNear(p.X, p.Y)) << p.X;
    // Tension 0 is the polyline: its segment midpoints are inked.
    ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
    ASSERT_EQ(GdipDrawCurve3(surface.graphics, pen.pen, pts, 5, 1, 2, 0), Ok);
    EXPECT_TRUE(surface.inkNear(80, 60));
    EXPECT_TRUE(surface.inkNear(120, 60));
    EXPECT_FALSE(surface.inkNear(40, 60, 3)) << "segment before the offset drawn";
    EXPECT_EQ(GdipDrawCurve3(surface.graphics, pen.pen, pts, 5, 3, 2, 0.5f), InvalidParameter);
    EXPECT_EQ(GdipDrawClosedCurve(surface.graphics, pen.pen, pts, 2), InvalidParameter);
}

TEST_F(ShapesTest, ArrayCallsCheckTheirCounts) {
    const GpPointF pts[] = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
    EXPECT_EQ(GdipDrawLines(surface.graphics, pen.pen, pts, 1), InvalidParameter);
    EXPECT_EQ(GdipDrawLines(surface.graphics, pen.pen, nullptr, 4), InvalidParameter);
    EXPECT_EQ(GdipDrawBeziers(surface.graphics, pen.pen, pts, 3), InvalidParameter);
    EXPECT_EQ(GdipDrawBeziers(surface.graphics, pen.pen, pts, 4), Ok);
    EXPECT_EQ(GdipFillRectangles(surface.graphics, brush.get(), nullptr, 0), InvalidParameter);
    EXPECT_EQ(GdipDrawLine(surface.graphics, nullptr, 0, 0, 1, 1), InvalidParameter);
}

TEST_F(ShapesTest, PiesAreWedgesFromTheCentre) {
    ASSERT_EQ(GdipFillPie(surface.graphics, brush.get(), 0, 0, 120, 120, 0, 90), Ok);
    EXPECT_EQ(surface.alpha(80, 80), 255);  // lower right quarter
    EXPECT_EQ(surface.alpha(40, 40), 0);
    EXPECT_EQ(surface.alpha(80, 40), 0);
}

}  // namespace
