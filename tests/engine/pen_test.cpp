// Pens and solid fills at the engine's flat interface.
#include <gtest/gtest.h>

#include <QTransform>

#include <cmath>
#include <string>
#include <utility>
#include <limits>
#include <vector>

#include "gdiplus_flat.h"

namespace {

class EnginePen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }

    void SetUp() override { ASSERT_EQ(GdipCreatePen1(0xFF102030, 2.5f, UnitPixel, &pen), Ok); }
    void TearDown() override {
        if (pen) {
            EXPECT_EQ(GdipDeletePen(pen), Ok);
        }
    }

    static ULONG_PTR token;
    GpPen* pen = nullptr;
};
ULONG_PTR EnginePen::token = 0;

TEST_F(EnginePen, NewPenHasItsArgumentsAndTheDocumentedDefaults) {
    REAL width = 0, miter = 0, offset = -1;
    GpUnit unit = -1;
    ARGB color = 0;
    GpLineCap start = -1, end = -1;
    GpDashCap dashCap = -1;
    GpLineJoin join = -1;
    GpPenAlignment mode = -1;
    GpPenType type = -2;
    GpDashStyle dash = -1;
    INT dashCount = -1, compoundCount = -1;
    EXPECT_EQ(GdipGetPenWidth(pen, &width), Ok);
    EXPECT_EQ(GdipGetPenUnit(pen, &unit), Ok);
    EXPECT_EQ(GdipGetPenColor(pen, &color), Ok);
    EXPECT_EQ(GdipGetPenStartCap(pen, &start), Ok);
    EXPECT_EQ(GdipGetPenEndCap(pen, &end), Ok);
    EXPECT_EQ(GdipGetPenDashCap197819(pen, &dashCap), Ok);
    EXPECT_EQ(GdipGetPenLineJoin(pen, &join), Ok);
    EXPECT_EQ(GdipGetPenMiterLimit(pen, &miter), Ok);
    EXPECT_EQ(GdipGetPenMode(pen, &mode), Ok);
    EXPECT_EQ(GdipGetPenFillType(pen, &type), Ok);
    EXPECT_EQ(GdipGetPenDashStyle(pen, &dash), Ok);
    EXPECT_EQ(GdipGetPenDashOffset(pen, &offset), Ok);
    EXPECT_EQ(GdipGetPenDashCount(pen, &dashCount), Ok);
    EXPECT_EQ(GdipGetPenCompoundCount(pen, &compoundCount), Ok);
    EXPECT_FLOAT_EQ(width, 2.5f);
    EXPECT_EQ(unit, UnitPixel);
    EXPECT_EQ(color, 0xFF102030u);
    EXPECT_EQ(start, LineCapFlat);
    EXPECT_EQ(end, LineCapFlat);
    EXPECT_EQ(dashCap, DashCapFlat);
    EXPECT_EQ(join, LineJoinMiter);
    EXPECT_FLOAT_EQ(miter, 10.0f);
    EXPECT_EQ(mode, PenAlignmentCenter);
    EXPECT_EQ(type, PenTypeSolidColor);
    EXPECT_EQ(dash, DashStyleSolid);
    EXPECT_FLOAT_EQ(offset, 0.0f);
    EXPECT_EQ(dashCount, 0);
    EXPECT_EQ(compoundCount, 0);
}

TEST_F(EnginePen, BadArgumentsAreRefusedAndLeaveTheOutputAlone) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* what;
        REAL width;
        GpUnit unit;
    };
    for (const Case& c : {Case{"negative width", -1, UnitWorld}, Case{"NaN width", nan, UnitWorld},
                          Case{"infinite width", std::numeric_limits<float>::infinity(), UnitWorld},
                          Case{"unit past the last", 1, 7}, Case{"negative unit", 1, -1}}) {
        GpPen* out = reinterpret_cast<GpPen*>(0x1);
        EXPECT_EQ(GdipCreatePen1(0, c.width, c.unit, &out), InvalidParameter) << c.what;
        EXPECT_EQ(out, reinterpret_cast<GpPen*>(0x1)) << c.what;
    }
    EXPECT_EQ(GdipCreatePen1(0, 1, UnitWorld, nullptr), InvalidParameter);

    // Setters refuse what the getters could not give back.
    EXPECT_EQ(GdipSetPenWidth(pen, -0.5f), InvalidParameter);
    EXPECT_EQ(GdipSetPenUnit(pen, 9), InvalidParameter);
    EXPECT_EQ(GdipSetPenLineJoin(pen, 4), InvalidParameter);
    EXPECT_EQ(GdipSetPenMode(pen, 2), InvalidParameter);
    EXPECT_EQ(GdipSetPenDashStyle(pen, 6), InvalidParameter);
    EXPECT_EQ(GdipSetPenStartCap(pen, LineCapCustom), InvalidParameter);
    EXPECT_EQ(GdipRotatePenTransform(pen, 30, 2), InvalidParameter);
    REAL width = 0;
    EXPECT_EQ(GdipGetPenWidth(pen, &width), Ok);
    EXPECT_FLOAT_EQ(width, 2.5f);
}

TEST_F(EnginePen, LineCapsAreSetTogetherOrNotAtAll) {
    EXPECT_EQ(GdipSetPenLineCap197819(pen, LineCapRound, LineCapArrowAnchor, DashCapTriangle), Ok);
    // Dash cap 1 does not exist: nothing of the call may land.
    EXPECT_EQ(GdipSetPenLineCap197819(pen, LineCapSquare, LineCapSquare, 1), InvalidParameter);
    GpLineCap start = 0, end = 0;
    GpDashCap dashCap = 0;
    GdipGetPenStartCap(pen, &start);
    GdipGetPenEndCap(pen, &end);
    GdipGetPenDashCap197819(pen, &dashCap);
    EXPECT_EQ(start, LineCapRound);
    EXPECT_EQ(end, LineCapArrowAnchor);
    EXPECT_EQ(dashCap, DashCapTriangle);
}

TEST_F(EnginePen, DashStylesCarryTheirPatterns) {
    struct Case {
        GpDashStyle style;
        std::vector<REAL> pattern;
    };
    for (const Case& c : {Case{DashStyleDash, {3, 1}}, Case{DashStyleDot, {1, 1}},
                          Case{DashStyleDashDot, {3, 1, 1, 1}}, Case{DashStyleDashDotDot, {3, 1, 1, 1, 1, 1}},
                          Case{DashStyleSolid, {}}}) {
        ASSERT_EQ(GdipSetPenDashStyle(pen, c.style), Ok);
        INT count = -1;
        ASSERT_EQ(GdipGetPenDashCount(pen, &count), Ok);
        std::vector<REAL> got(static_cast<std::size_t>(count));
        ASSERT_EQ(GdipGetPenDashArray(pen, got.data(), count), Ok);
        EXPECT_EQ(got, c.pattern) << "style " << c.style;
    }
}

TEST_F(EnginePen, DashArrayMakesTheStyleCustomAndRefusesNonPositiveLengths) {
    const REAL dashes[] = {2, 0.5f, 4};
    ASSERT_EQ(GdipSetPenDashArray(pen, dashes, 3), Ok);
    GpDashStyle style = -1;
    GdipGetPenDashStyle(pen, &style);
    EXPECT_EQ(style, DashStyleCustom);

    const REAL zero[] = {1, 0};
    EXPECT_EQ(GdipSetPenDashArray(pen, zero, 2), InvalidParameter);
    EXPECT_EQ(GdipSetPenDashArray(pen, dashes, 0), InvalidParameter);
    REAL got[3] = {};
    EXPECT_EQ(GdipGetPenDashArray(pen, got, 3), Ok);
    EXPECT_EQ(std::vector<REAL>(got, got + 3), std::vector<REAL>(dashes, dashes + 3));
    // Asking for more than there is would read past the pattern.
    REAL more[4] = {};
    EXPECT_EQ(GdipGetPenDashArray(pen, more, 4), InvalidParameter);
}

TEST_F(EnginePen, CompoundArrayMustBeAscendingPairsWithinTheWidth) {
    struct Case {
        std::vector<REAL> values;
        GpStatus status;
    };
    for (const Case& c : {Case{{0, 0.25f, 0.75f, 1}, Ok}, Case{{0, 0.5f, 0.25f, 1}, InvalidParameter},
                          Case{{0, 0.5f, 1}, InvalidParameter}, Case{{0, 1.5f}, InvalidParameter},
                          Case{{-0.1f, 1}, InvalidParameter}}) {
        EXPECT_EQ(GdipSetPenCompoundArray(pen, c.values.data(), static_cast<INT>(c.values.size())), c.status);
    }
    INT count = 0;
    GdipGetPenCompoundCount(pen, &count);
    EXPECT_EQ(count, 4);  // the one good array stays
}

TEST_F(EnginePen, CloneIsIndependentOfItsOriginal) {
    const REAL dashes[] = {5, 2};
    GdipSetPenDashArray(pen, dashes, 2);
    GpPen* clone = nullptr;
    ASSERT_EQ(GdipClonePen(pen, &clone), Ok);
    ASSERT_NE(clone, pen);
    GdipSetPenWidth(pen, 9);
    GdipSetPenColor(pen, 0xFFFFFFFF);
    GdipResetPenTransform(pen);
    EXPECT_EQ(GdipDeletePen(pen), Ok);
    pen = nullptr;

    REAL width = 0;
    ARGB color = 0;
    INT count = 0;
    EXPECT_EQ(GdipGetPenWidth(clone, &width), Ok);
    GdipGetPenColor(clone, &color);
    GdipGetPenDashCount(clone, &count);
    EXPECT_FLOAT_EQ(width, 2.5f);
    EXPECT_EQ(color, 0xFF102030u);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(GdipDeletePen(clone), Ok);
    // A deleted pen is no pen.
    EXPECT_EQ(GdipGetPenWidth(clone, &width), InvalidParameter);
    EXPECT_EQ(GdipDeletePen(clone), InvalidParameter);
}

TEST_F(EnginePen, PenFilledWithABrushKeepsItsOwnCopy) {
    GpSolidFill* fill = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(0x80FF0000, &fill), Ok);
    GpPen* brushPen = nullptr;
    ASSERT_EQ(GdipCreatePen2(reinterpret_cast<GpBrush*>(fill), 3, UnitWorld, &brushPen), Ok);
    ASSERT_EQ(GdipDeleteBrush(reinterpret_cast<GpBrush*>(fill)), Ok);

    ARGB color = 0;
    EXPECT_EQ(GdipGetPenColor(brushPen, &color), Ok);
    EXPECT_EQ(color, 0x80FF0000u);
    GpBrush* got = nullptr;
    ASSERT_EQ(GdipGetPenBrushFill(brushPen, &got), Ok);
    GpBrushType type = -1;
    ARGB gotColor = 0;
    EXPECT_EQ(GdipGetBrushType(got, &type), Ok);
    EXPECT_EQ(type, BrushTypeSolidColor);
    EXPECT_EQ(GdipGetSolidFillColor(reinterpret_cast<GpSolidFill*>(got), &gotColor), Ok);
    EXPECT_EQ(gotColor, 0x80FF0000u);
    EXPECT_EQ(GdipDeleteBrush(got), Ok);

    // Filling with a brush the engine does not know is refused.
    EXPECT_EQ(GdipSetPenBrushFill(brushPen, reinterpret_cast<GpBrush*>(brushPen)), InvalidParameter);
    EXPECT_EQ(GdipDeletePen(brushPen), Ok);
}

TEST_F(EnginePen, TransformOrderDecidesWhatComesFirst) {
    GpMatrix* matrix = nullptr;
    ASSERT_EQ(GdipCreateMatrix(&matrix), Ok);
    auto transform = [&] {
        REAL e[6] = {};
        EXPECT_EQ(GdipGetPenTransform(pen, matrix), Ok);
        EXPECT_EQ(GdipGetMatrixElements(matrix, e), Ok);
        return QTransform(e[0], e[1], e[2], e[3], e[4], e[5]);
    };
    struct Case {
        GpMatrixOrder order;
        qreal dx;  // where the origin lands after translate (10, 0) and scale 2
    };
    for (const Case& c : {Case{MatrixOrderAppend, 20}, Case{MatrixOrderPrepend, 10}}) {
        ASSERT_EQ(GdipResetPenTransform(pen), Ok);
        ASSERT_EQ(GdipTranslatePenTransform(pen, 10, 0, MatrixOrderPrepend), Ok);
        ASSERT_EQ(GdipScalePenTransform(pen, 2, 2, c.order), Ok);
        EXPECT_FLOAT_EQ(transform().map(QPointF(0, 0)).x(), c.dx) << "order " << c.order;
    }
    // Clockwise on a y-down surface: +x turns to +y.
    ASSERT_EQ(GdipResetPenTransform(pen), Ok);
    ASSERT_EQ(GdipRotatePenTransform(pen, 90, MatrixOrderPrepend), Ok);
    const QPointF turned = transform().map(QPointF(1, 0));
    EXPECT_NEAR(turned.x(), 0, 1e-6);
    EXPECT_NEAR(turned.y(), 1, 1e-6);
    EXPECT_EQ(GdipScalePenTransform(pen, 0, 1, MatrixOrderPrepend), InvalidParameter);
    GdipDeleteMatrix(matrix);
}

TEST_F(EnginePen, CustomCapsAreCopiedInAndOut) {
    GpPath* path = nullptr;
    ASSERT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
    ASSERT_EQ(GdipAddPathLine(path, -1, -1, 0, 0), Ok);
    GpCustomLineCap* cap = nullptr;
    EXPECT_EQ(GdipCreateCustomLineCap(nullptr, nullptr, LineCapFlat, 0, &cap), InvalidParameter);
    ASSERT_EQ(GdipCreateCustomLineCap(nullptr, path, LineCapRound, 0.5f, &cap), Ok);
    ASSERT_EQ(GdipDeletePath(path), Ok);  // the cap keeps its own outline

    GpCustomLineCap* none = nullptr;
    EXPECT_EQ(GdipGetPenCustomStartCap(pen, &none), InvalidParameter);
    ASSERT_EQ(GdipSetPenCustomStartCap(pen, cap), Ok);
    ASSERT_EQ(GdipDeleteCustomLineCap(cap), Ok);  // the pen keeps its own copy
    GpLineCap start = 0;
    GdipGetPenStartCap(pen, &start);
    EXPECT_EQ(start, LineCapCustom);

    GpCustomLineCap* got = nullptr;
    ASSERT_EQ(GdipGetPenCustomStartCap(pen, &got), Ok);
    GpCustomLineCap* clone = nullptr;
    ASSERT_EQ(GdipCloneCustomLineCap(got, &clone), Ok);
    EXPECT_NE(clone, got);
    EXPECT_EQ(GdipDeleteCustomLineCap(got), Ok);
    EXPECT_EQ(GdipDeleteCustomLineCap(clone), Ok);

    // A plain cap replaces the custom one.
    ASSERT_EQ(GdipSetPenStartCap(pen, LineCapRound), Ok);
    EXPECT_EQ(GdipGetPenCustomStartCap(pen, &none), InvalidParameter);
    EXPECT_EQ(none, nullptr);
}

// What a pen's settings do to the pixels: strokes on a small bitmap, no
// antialiasing, so each pixel is either painted or not.
class EnginePenStroke : public EnginePen {
protected:
    void SetUp() override {
        EnginePen::SetUp();
        ASSERT_EQ(GdipCreateBitmapFromScan0(48, 16, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
        ASSERT_EQ(GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics), Ok);
    }
    void TearDown() override {
        GdipDeleteGraphics(graphics);
        GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
        EnginePen::TearDown();
    }
    // Which pixels of row y are painted, as a string of '#' and '.'.
    std::string Row(int y) {
        std::string row;
        for (int x = 0; x < 48; ++x) {
            ARGB c = 0;
            EXPECT_EQ(GdipBitmapGetPixel(bitmap, x, y, &c), Ok);
            row += (c >> 24) > 0x80 ? '#' : '.';
        }
        return row;
    }
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
};

// The painted runs of a row: (first pixel, length) each. Where a run starts
// on the pixel grid is the drawing code's business; lengths and spacing are
// the pen's.
std::vector<std::pair<int, int>> Runs(const std::string& row) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        if (row[x] != '#') continue;
        if (x > 0 && row[x - 1] == '#') {
            ++runs.back().second;
        } else {
            runs.push_back({x, 1});
        }
    }
    return runs;
}

TEST_F(EnginePenStroke, DashesRepeatInPenWidths) {
    // Width 2: Dash is 6 pixels on, 2 off, so runs of 6 start every 8 pixels.
    ASSERT_EQ(GdipSetPenWidth(pen, 2), Ok);
    ASSERT_EQ(GdipSetPenDashStyle(pen, DashStyleDash), Ok);
    ASSERT_EQ(GdipDrawLine(graphics, pen, 0, 8, 48, 8), Ok);
    const auto runs = Runs(Row(8));
    ASSERT_GE(runs.size(), 5u) << Row(8);
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
        EXPECT_EQ(runs[i].second, 6) << Row(8);
        EXPECT_EQ(runs[i].first - runs[i - 1].first, 8) << Row(8);
    }
}

TEST_F(EnginePenStroke, SquareCapsReachHalfTheWidthPastTheEnds) {
    ASSERT_EQ(GdipSetPenWidth(pen, 6), Ok);
    std::vector<std::pair<int, int>> flat, square;
    for (auto* runs : {&flat, &square}) {
        const GpLineCap cap = runs == &flat ? LineCapFlat : LineCapSquare;
        GdipGraphicsClear(graphics, 0);
        ASSERT_EQ(GdipSetPenLineCap197819(pen, cap, cap, DashCapFlat), Ok);
        ASSERT_EQ(GdipDrawLine(graphics, pen, 10, 8, 30, 8), Ok);
        *runs = Runs(Row(8));
        ASSERT_EQ(runs->size(), 1u) << Row(8);
    }
    EXPECT_EQ(flat[0].second, 20);
    EXPECT_EQ(square[0].second, 26);
    EXPECT_EQ(square[0].first, flat[0].first - 3);
}

TEST_F(EnginePenStroke, BrushFillPaintsInTheBrushColour) {
    GpSolidFill* fill = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(0xFF00C000, &fill), Ok);
    ASSERT_EQ(GdipSetPenBrushFill(pen, reinterpret_cast<GpBrush*>(fill)), Ok);
    GdipDeleteBrush(reinterpret_cast<GpBrush*>(fill));
    ASSERT_EQ(GdipDrawLine(graphics, pen, 0, 8, 48, 8), Ok);
    ARGB c = 0;
    ASSERT_EQ(GdipBitmapGetPixel(bitmap, 20, 8, &c), Ok);
    EXPECT_EQ(c, 0xFF00C000u);
}

TEST(EngineSolidFill, ColourTypeAndCloneBehave) {
    GpSolidFill* fill = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(0x12345678, &fill), Ok);
    GpBrush* brush = reinterpret_cast<GpBrush*>(fill);
    GpBrush* clone = nullptr;
    ASSERT_EQ(GdipCloneBrush(brush, &clone), Ok);
    EXPECT_EQ(GdipSetSolidFillColor(fill, 0xFF00FF00), Ok);

    ARGB color = 0;
    GdipGetSolidFillColor(fill, &color);
    EXPECT_EQ(color, 0xFF00FF00u);
    GdipGetSolidFillColor(reinterpret_cast<GpSolidFill*>(clone), &color);
    EXPECT_EQ(color, 0x12345678u);  // the clone kept the colour it was made with
    GpBrushType type = -1;
    EXPECT_EQ(GdipGetBrushType(clone, &type), Ok);
    EXPECT_EQ(type, BrushTypeSolidColor);

    EXPECT_EQ(GdipDeleteBrush(brush), Ok);
    EXPECT_EQ(GdipDeleteBrush(brush), InvalidParameter);
    EXPECT_EQ(GdipGetSolidFillColor(fill, &color), InvalidParameter);
    EXPECT_EQ(GdipDeleteBrush(clone), Ok);
    EXPECT_EQ(GdipCreateSolidFill(0, nullptr), InvalidParameter);
}

}  // namespace
