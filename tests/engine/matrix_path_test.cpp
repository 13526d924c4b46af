// Matrices and paths at the engine's interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "gdiplus_flat.h"

namespace {

using Elements = std::array<REAL, 6>;

Elements elementsOf(GpMatrix* m) {
    Elements e{};
    EXPECT_EQ(GdipGetMatrixElements(m, e.data()), Ok);
    return e;
}

GpPointF mapped(GpMatrix* m, GpPointF p) {
    EXPECT_EQ(GdipTransformMatrixPoints(m, &p, 1), Ok);
    return p;
}

struct OrderCase {
    const char* name;
    GpStatus (*op)(GpMatrix*, GpMatrixOrder);
    GpPointF prepended, appended;  // (1, 0) through translate(10, 0) and the op
};

// The matrix starts as a translation by (10, 0); Prepend applies the new
// operation before it, Append after it.
const OrderCase kOrderCases[] = {
    {"rotate 90 (clockwise, y down)", [](GpMatrix* m, GpMatrixOrder o) { return GdipRotateMatrix(m, 90, o); },
     {10, 1}, {0, 11}},
    {"scale 2, 3", [](GpMatrix* m, GpMatrixOrder o) { return GdipScaleMatrix(m, 2, 3, o); }, {12, 0}, {22, 0}},
    {"shear x 0, y 0.5", [](GpMatrix* m, GpMatrixOrder o) { return GdipShearMatrix(m, 0, 0.5f, o); },
     {11, 0.5f}, {11, 5.5f}},
    {"translate 0, 5", [](GpMatrix* m, GpMatrixOrder o) { return GdipTranslateMatrix(m, 0, 5, o); }, {11, 5}, {11, 5}},
    {"multiply by rotate 90",
     [](GpMatrix* m, GpMatrixOrder o) {
         GpMatrix* r = nullptr;
         GdipCreateMatrix2(0, 1, -1, 0, 0, 0, &r);
         const GpStatus s = GdipMultiplyMatrix(m, r, o);
         GdipDeleteMatrix(r);
         return s;
     },
     {10, 1}, {0, 11}},
};

TEST(MatrixTest, PrependAppliesTheOperationFirstAndAppendLast) {
    for (const OrderCase& c : kOrderCases) {
        for (GpMatrixOrder order : {MatrixOrderPrepend, MatrixOrderAppend}) {
            GpMatrix* m = nullptr;
            ASSERT_EQ(GdipCreateMatrix2(1, 0, 0, 1, 10, 0, &m), Ok);
            ASSERT_EQ(c.op(m, order), Ok) << c.name;
            const GpPointF want = order == MatrixOrderPrepend ? c.prepended : c.appended;
            const GpPointF got = mapped(m, {1, 0});
            EXPECT_FLOAT_EQ(got.X, want.X) << c.name << " order " << order;
            EXPECT_FLOAT_EQ(got.Y, want.Y) << c.name << " order " << order;
            GdipDeleteMatrix(m);
        }
    }
}

TEST(MatrixTest, InvertUndoesTheMatrixAndRefusesASingularOne) {
    GpMatrix *m = nullptr, *inverse = nullptr;
    GdipCreateMatrix2(2, 1, -1, 3, 5, -7, &m);
    GdipCloneMatrix(m, &inverse);
    ASSERT_EQ(GdipInvertMatrix(inverse), Ok);
    GdipMultiplyMatrix(inverse, m, MatrixOrderAppend);
    const Elements e = elementsOf(inverse);
    const Elements identity{1, 0, 0, 1, 0, 0};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(e[i], identity[i], 1e-6) << i;

    GpMatrix* singular = nullptr;
    GdipCreateMatrix2(1, 2, 2, 4, 3, 3, &singular);
    BOOL invertible = TRUE;
    EXPECT_EQ(GdipIsMatrixInvertible(singular, &invertible), Ok);
    EXPECT_FALSE(invertible);
    EXPECT_EQ(GdipInvertMatrix(singular), InvalidParameter);
    EXPECT_EQ(elementsOf(singular), (Elements{1, 2, 2, 4, 3, 3}));
    for (GpMatrix* x : {m, inverse, singular}) GdipDeleteMatrix(x);
}

TEST(MatrixTest, QuarterTurnsAreExactAndEqualityComparesElements) {
    GpMatrix *m = nullptr, *other = nullptr;
    GdipCreateMatrix(&m);
    GdipCreateMatrix(&other);
    for (int i = 0; i < 4; ++i) GdipRotateMatrix(m, 90, MatrixOrderAppend);
    BOOL result = FALSE;
    EXPECT_EQ(GdipIsMatrixIdentity(m, &result), Ok);
    EXPECT_TRUE(result);
    GdipTranslateMatrix(m, 0.5f, 0, MatrixOrderPrepend);
    GdipIsMatrixIdentity(m, &result);
    EXPECT_FALSE(result);
    GdipIsMatrixEqual(m, other, &result);
    EXPECT_FALSE(result);
    GdipSetMatrixElements(other, 1, 0, 0, 1, 0.5f, 0);
    GdipIsMatrixEqual(m, other, &result);
    EXPECT_TRUE(result);
    GdipDeleteMatrix(m);
    GdipDeleteMatrix(other);
}

TEST(MatrixTest, PointTransformsRoundIntegersAndVectorsIgnoreTheOffset) {
    GpMatrix* m = nullptr;
    GdipCreateMatrix2(1.5f, 0, 0, 1, 100, 200, &m);
    GpPoint pts[2] = {{1, 1}, {-3, 2}};
    ASSERT_EQ(GdipTransformMatrixPointsI(m, pts, 2), Ok);
    EXPECT_EQ(pts[0].X, 102);  // 101.5 rounds up
    EXPECT_EQ(pts[1].X, 96);   // 95.5 rounds up
    GpPointF v{2, 3};
    ASSERT_EQ(GdipVectorTransformMatrixPoints(m, &v, 1), Ok);
    EXPECT_FLOAT_EQ(v.X, 3);
    EXPECT_FLOAT_EQ(v.Y, 3);
    EXPECT_EQ(GdipTransformMatrixPoints(m, &v, 0), InvalidParameter);
    EXPECT_EQ(GdipRotateMatrix(m, 10, 2), InvalidParameter);  // no such order
    GdipDeleteMatrix(m);
    EXPECT_EQ(GdipDeleteMatrix(m), InvalidParameter);
}

TEST(MatrixTest, ParallelogramMatrixMapsTheRectangleCorners) {
    const GpRectF rect{10, 20, 100, 50};
    const GpPointF corners[3] = {{0, 0}, {0, 200}, {-50, 0}};
    GpMatrix* m = nullptr;
    ASSERT_EQ(GdipCreateMatrix3(&rect, corners, &m), Ok);
    const GpPointF want[3] = {corners[0], corners[1], corners[2]};
    const GpPointF from[3] = {{10, 20}, {110, 20}, {10, 70}};
    for (int i = 0; i < 3; ++i) {
        const GpPointF got = mapped(m, from[i]);
        EXPECT_FLOAT_EQ(got.X, want[i].X) << i;
        EXPECT_FLOAT_EQ(got.Y, want[i].Y) << i;
    }
    GdipDeleteMatrix(m);
    const GpRectF flat{0, 0, 0, 5};
    EXPECT_EQ(GdipCreateMatrix3(&flat, corners, &m), InvalidParameter);
}

// Paths ------------------------------------------------------------------

std::vector<GpPointF> pointsOf(GpPath* path) {
    INT count = 0;
    GdipGetPointCount(path, &count);
    std::vector<GpPointF> pts(static_cast<std::size_t>(count));
    if (count) {
        EXPECT_EQ(GdipGetPathPoints(path, pts.data(), count), Ok);
    }
    return pts;
}

std::vector<BYTE> typesOf(GpPath* path) {
    INT count = 0;
    GdipGetPointCount(path, &count);
    std::vector<BYTE> types(static_cast<std::size_t>(count));
    if (count) {
        EXPECT_EQ(GdipGetPathTypes(path, types.data(), count), Ok);
    }
    return types;
}

struct ArcCase {
    GpRectF rect;
    REAL start, sweep;
    int beziers;
};

const ArcCase kArcCases[] = {
    {{0, 0, 200, 100}, 0, 90, 1},   {{0, 0, 200, 100}, 45, 90, 1},  {{0, 0, 200, 100}, 30, -200, 3},
    {{10, 20, 50, 50}, 270, 360, 4}, {{0, 0, 100, 300}, 100, 500, 4}, {{0, 0, 200, 100}, -60, 10, 1},
};

// The point where the ray from the ellipse's centre at `degrees` meets it.
GpPointF polarPoint(const GpRectF& r, double degrees) {
    const double a = r.Width / 2, b = r.Height / 2, t = degrees * M_PI / 180;
    const double radius = a * b / std::hypot(b * std::cos(t), a * std::sin(t));
    return {static_cast<REAL>(r.X + a + radius * std::cos(t)), static_cast<REAL>(r.Y + b + radius * std::sin(t))};
}

TEST(PathTest, ArcEndsWhereTheRaysAtItsAnglesMeetTheEllipse) {
    for (const ArcCase& c : kArcCases) {
        GpPath* path = nullptr;
        GdipCreatePath(FillModeAlternate, &path);
        ASSERT_EQ(GdipAddPathArc(path, c.rect.X, c.rect.Y, c.rect.Width, c.rect.Height, c.start, c.sweep), Ok);
        const std::vector<GpPointF> pts = pointsOf(path);
        ASSERT_EQ(pts.size(), static_cast<std::size_t>(1 + 3 * c.beziers)) << c.start << " " << c.sweep;
        const REAL sweep = std::clamp(c.sweep, -360.0f, 360.0f);
        const GpPointF start = polarPoint(c.rect, c.start), end = polarPoint(c.rect, c.start + sweep);
        EXPECT_NEAR(pts.front().X, start.X, 1e-3) << c.start;
        EXPECT_NEAR(pts.front().Y, start.Y, 1e-3) << c.start;
        EXPECT_NEAR(pts.back().X, end.X, 1e-3) << c.start << " " << c.sweep;
        EXPECT_NEAR(pts.back().Y, end.Y, 1e-3) << c.start << " " << c.sweep;
        const std::vector<BYTE> types = typesOf(path);
        EXPECT_EQ(types[0], PathPointTypeStart);
        for (std::size_t i = 1; i < types.size(); ++i) EXPECT_EQ(types[i], PathPointTypeBezier);
        GdipDeletePath(path);
    }
}

TEST(PathTest, FiguresJoinCloseAndStartAsGdiPlusKeepsThem) {
    GpPath* path = nullptr;
    GdipCreatePath(FillModeWinding, &path);
    GdipAddPathLine(path, 0, 0, 10, 0);
    GdipAddPathLine(path, 10, 0, 10, 10);  // continues without repeating (10, 0)
    GdipAddPathLine(path, 20, 20, 30, 30);  // joined to the open figure by a line
    GdipClosePathFigure(path);
    GdipAddPathRectangle(path, 1, 2, 3, 4);
    GdipAddPathRectangle(path, 1, 2, 0, 4);  // no area: nothing
    GdipStartPathFigure(path);
    GdipAddPathBezier(path, 0, 0, 1, 1, 2, 1, 3, 0);
    const std::vector<BYTE> want = {0, 1, 1, 1, 1 | 0x80, 0, 1, 1, 1 | 0x80, 0, 3, 3, 3};  // 0x80: closed
    EXPECT_EQ(typesOf(path), want);
    const std::vector<GpPointF> pts = pointsOf(path);
    ASSERT_EQ(pts.size(), want.size());
    EXPECT_EQ(pts[5].X, 1);
    EXPECT_EQ(pts[7].Y, 6);

    GpFillMode mode = FillModeAlternate;
    EXPECT_EQ(GdipGetPathFillMode(path, &mode), Ok);
    EXPECT_EQ(mode, FillModeWinding);
    GpPointF small[2];
    EXPECT_EQ(GdipGetPathPoints(path, small, 2), InsufficientBuffer);
    GpPointF bad[3] = {{0, 0}, {1, 1}, {2, 2}};
    EXPECT_EQ(GdipAddPathBeziers(path, bad, 3), InvalidParameter);
    EXPECT_EQ(GdipAddPathPolygon(path, bad, 2), InvalidParameter);

    ASSERT_EQ(GdipResetPath(path), Ok);
    GdipGetPathFillMode(path, &mode);
    EXPECT_EQ(mode, FillModeAlternate);
    EXPECT_TRUE(pointsOf(path).empty());
    GdipDeletePath(path);
}

TEST(PathTest, WorldBoundsFollowTheMatrixAndThePenAndTransformMovesPoints) {
    GpPath* path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathEllipse(path, 0.5f, 0, 10, 20);
    GpMatrix* m = nullptr;
    GdipCreateMatrix2(2, 0, 0, 1, 5, 0, &m);
    GpRectF b{};
    ASSERT_EQ(GdipGetPathWorldBounds(path, &b, nullptr, nullptr), Ok);
    EXPECT_FLOAT_EQ(b.X, 0.5f);
    EXPECT_FLOAT_EQ(b.Width, 10);
    EXPECT_FLOAT_EQ(b.Height, 20);
    ASSERT_EQ(GdipGetPathWorldBounds(path, &b, m, nullptr), Ok);
    EXPECT_FLOAT_EQ(b.X, 6);
    EXPECT_FLOAT_EQ(b.Width, 20);
    GpRect bi{};
    ASSERT_EQ(GdipGetPathWorldBoundsI(path, &bi, nullptr, nullptr), Ok);
    EXPECT_EQ(bi.X, 0);
    EXPECT_EQ(bi.Width, 11);

    ASSERT_EQ(GdipTransformPath(path, m), Ok);
    ASSERT_EQ(GdipGetPathWorldBounds(path, &b, nullptr, nullptr), Ok);
    EXPECT_FLOAT_EQ(b.X, 6);
    EXPECT_EQ(GdipTransformPath(path, nullptr), Ok);

    GpPath* empty = nullptr;
    GdipCreatePath(FillModeAlternate, &empty);
    b = {1, 1, 1, 1};
    EXPECT_EQ(GdipGetPathWorldBounds(empty, &b, nullptr, nullptr), Ok);
    EXPECT_EQ(b.Width, 0);
    EXPECT_EQ(GdipGetPathWorldBounds(empty, &b, reinterpret_cast<GpMatrix*>(path), nullptr), InvalidParameter);
    for (GpPath* p : {path, empty}) GdipDeletePath(p);
    GdipDeleteMatrix(m);
}

}  // namespace
