// Regions at the engine's interface: combinations, exactness, queries,
// scans, data and GDI region round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "gdiplus_flat.h"
#include "win32/gdi_region.h"

// Found by argument lookup for the engine's records, which live in the
// global namespace; internal to this file.
static bool operator==(const GpRectF& a, const GpRectF& b) {
    return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

static void PrintTo(const GpRectF& r, std::ostream* os) {
    *os << "(" << r.X << ", " << r.Y << ", " << r.Width << ", " << r.Height << ")";
}

namespace {

bool visible(GpRegion* r, REAL x, REAL y) {
    BOOL result = FALSE;
    EXPECT_EQ(GdipIsVisibleRegionPoint(r, x, y, nullptr, &result), Ok);
    return result != FALSE;
}

bool isEmpty(GpRegion* r) {
    BOOL result = FALSE;
    EXPECT_EQ(GdipIsEmptyRegion(r, nullptr, &result), Ok);
    return result != FALSE;
}

bool isInfinite(GpRegion* r) {
    BOOL result = FALSE;
    EXPECT_EQ(GdipIsInfiniteRegion(r, nullptr, &result), Ok);
    return result != FALSE;
}

bool equal(GpRegion* a, GpRegion* b) {
    BOOL result = FALSE;
    EXPECT_EQ(GdipIsEqualRegion(a, b, nullptr, &result), Ok);
    return result != FALSE;
}

struct Matrix {
    Matrix(REAL m11 = 1, REAL m12 = 0, REAL m21 = 0, REAL m22 = 1, REAL dx = 0, REAL dy = 0) {
        GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &m);
    }
    ~Matrix() { GdipDeleteMatrix(m); }
    GpMatrix* m = nullptr;
};

std::vector<GpRectF> scans(GpRegion* r, const Matrix& matrix = Matrix()) {
    UINT count = 0;
    EXPECT_EQ(GdipGetRegionScansCount(r, &count, matrix.m), Ok);
    std::vector<GpRectF> rects(count);
    INT filled = static_cast<INT>(count);
    EXPECT_EQ(GdipGetRegionScans(r, rects.data(), &filled, matrix.m), Ok);
    EXPECT_EQ(filled, static_cast<INT>(count));
    return rects;
}

GpRegion* rectRegion(GpRectF rect) {
    GpRegion* r = nullptr;
    EXPECT_EQ(GdipCreateRegionRect(&rect, &r), Ok);
    return r;
}

// A at quarter offsets, B overlapping its lower right quarter. Exact float
// results show that nothing is rounded to whole units.
const GpRectF kA{0.25f, 0.25f, 10, 10};
const GpRectF kB{5.25f, 5.25f, 10, 10};

struct ModeCase {
    CombineMode mode;
    bool inA, inB, inBoth;  // at (1, 1), (14, 14) and (7, 7)
    std::vector<GpRectF> scans;
};

const ModeCase kModeCases[] = {
    {CombineModeReplace, false, true, true, {kB}},
    {CombineModeIntersect, false, false, true, {{5.25f, 5.25f, 5, 5}}},
    {CombineModeUnion,
     true,
     true,
     true,
     {{0.25f, 0.25f, 10, 5}, {0.25f, 5.25f, 15, 5}, {5.25f, 10.25f, 10, 5}}},
    {CombineModeXor,
     true,
     true,
     false,
     {{0.25f, 0.25f, 10, 5}, {0.25f, 5.25f, 5, 5}, {10.25f, 5.25f, 5, 5}, {5.25f, 10.25f, 10, 5}}},
    {CombineModeExclude, true, false, false, {{0.25f, 0.25f, 10, 5}, {0.25f, 5.25f, 5, 5}}},
    {CombineModeComplement, false, true, false, {{10.25f, 5.25f, 5, 5}, {5.25f, 10.25f, 10, 5}}},
};

// B given as a rectangle, an integer-free path, or another region.
using Combiner = std::function<GpStatus(GpRegion*, CombineMode)>;
struct OperandCase {
    const char* name;
    Combiner combine;
};

const OperandCase kOperands[] = {
    {"rect", [](GpRegion* r, CombineMode m) { return GdipCombineRegionRect(r, &kB, m); }},
    {"path",
     [](GpRegion* r, CombineMode m) {
         GpPath* path = nullptr;
         GdipCreatePath(FillModeAlternate, &path);
         GdipAddPathRectangle(path, kB.X, kB.Y, kB.Width, kB.Height);
         const GpStatus s = GdipCombineRegionPath(r, path, m);
         GdipDeletePath(path);
         return s;
     }},
    {"region",
     [](GpRegion* r, CombineMode m) {
         GpRegion* other = rectRegion(kB);
         const GpStatus s = GdipCombineRegionRegion(r, other, m);
         GdipDeleteRegion(other);
         return s;
     }},
};

TEST(RegionTest, EveryModeOverRectanglesPathsAndRegionsIsExact) {
    for (const OperandCase& operand : kOperands) {
        for (const ModeCase& c : kModeCases) {
            SCOPED_TRACE(std::string(operand.name) + " mode " + std::to_string(c.mode));
            GpRegion* r = rectRegion(kA);
            ASSERT_EQ(operand.combine(r, c.mode), Ok);
            EXPECT_EQ(visible(r, 1, 1), c.inA);
            EXPECT_EQ(visible(r, 14, 14), c.inB);
            EXPECT_EQ(visible(r, 7, 7), c.inBoth);
            EXPECT_FALSE(visible(r, 20, 1));
            EXPECT_EQ(scans(r), c.scans);
            GdipDeleteRegion(r);
        }
    }
}

TEST(RegionTest, EdgesBelongOnTheLeftAndTopOnly) {
    GpRegion* r = rectRegion(kA);
    EXPECT_TRUE(visible(r, 0.25f, 0.25f));
    EXPECT_FALSE(visible(r, 0.2f, 5));
    EXPECT_FALSE(visible(r, 10.25f, 5));
    EXPECT_FALSE(visible(r, 5, 10.25f));
    EXPECT_TRUE(visible(r, 10.2f, 10.2f));
    BOOL result = TRUE;
    // Touching along an edge shares no area.
    EXPECT_EQ(GdipIsVisibleRegionRect(r, 10.25f, 0, 5, 5, nullptr, &result), Ok);
    EXPECT_FALSE(result);
    EXPECT_EQ(GdipIsVisibleRegionRect(r, 10, 0, 5, 5, nullptr, &result), Ok);
    EXPECT_TRUE(result);
    EXPECT_EQ(GdipIsVisibleRegionRectI(r, 3, 3, 0, 5, nullptr, &result), Ok);
    EXPECT_FALSE(result);  // no area of its own
    GdipDeleteRegion(r);
}

TEST(RegionTest, InfiniteAndEmptyCombine) {
    struct Case {
        bool startInfinite;
        CombineMode mode;
        bool infinite, inA, far;  // infinite afterwards; (1, 1) and (100, 100) visible
    };
    const Case cases[] = {
        {true, CombineModeIntersect, false, true, false},  {true, CombineModeUnion, true, true, true},
        {true, CombineModeXor, false, false, true},        {true, CombineModeExclude, false, false, true},
        {true, CombineModeComplement, false, false, false}, {false, CombineModeUnion, false, true, false},
        {false, CombineModeComplement, false, true, false}, {false, CombineModeExclude, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.startInfinite) + " mode " + std::to_string(c.mode));
        GpRegion* r = nullptr;
        GdipCreateRegion(&r);
        if (!c.startInfinite) GdipSetEmpty(r);
        ASSERT_EQ(GdipCombineRegionRect(r, &kA, c.mode), Ok);
        EXPECT_EQ(isInfinite(r), c.infinite);
        EXPECT_EQ(visible(r, 1, 1), c.inA);
        EXPECT_EQ(visible(r, 100, 100), c.far);
        GdipDeleteRegion(r);
    }

    GpRegion *r = rectRegion(kA), *all = nullptr;
    GdipCreateRegion(&all);
    ASSERT_EQ(GdipCombineRegionRegion(r, all, CombineModeExclude), Ok);
    EXPECT_TRUE(isEmpty(r));
    EXPECT_EQ(GdipCombineRegionRegion(r, all, 6), InvalidParameter);
    GdipDeleteRegion(r);
    GdipDeleteRegion(all);
}

TEST(RegionTest, BoundsOfEmptyInfiniteAndExactRegions) {
    GpRegion* r = nullptr;
    GdipCreateRegion(&r);
    GpRectF b{};
    ASSERT_EQ(GdipGetRegionBounds(r, nullptr, &b), Ok);
    EXPECT_EQ(b, (GpRectF{-4194304.0f, -4194304.0f, 8388608.0f, 8388608.0f}));
    GdipSetEmpty(r);
    b = {1, 1, 1, 1};
    ASSERT_EQ(GdipGetRegionBounds(r, nullptr, &b), Ok);
    EXPECT_EQ(b, (GpRectF{0, 0, 0, 0}));
    EXPECT_TRUE(isEmpty(r));
    GdipCombineRegionRect(r, &kA, CombineModeUnion);
    GdipCombineRegionRect(r, &kB, CombineModeUnion);
    ASSERT_EQ(GdipGetRegionBounds(r, nullptr, &b), Ok);
    EXPECT_EQ(b, (GpRectF{0.25f, 0.25f, 15, 15}));
    GpRect bi{};
    ASSERT_EQ(GdipGetRegionBoundsI(r, nullptr, &bi), Ok);
    EXPECT_EQ(bi.X, 0);
    EXPECT_EQ(bi.Width, 16);
    // A graphics argument must be a live graphics object.
    EXPECT_EQ(GdipGetRegionBounds(r, reinterpret_cast<GpGraphics*>(r), &b), InvalidParameter);
    EXPECT_EQ(GdipGetRegionBounds(nullptr, nullptr, &b), InvalidParameter);
    GdipDeleteRegion(r);
}

TEST(RegionTest, TranslateAndTransformMoveTheArea) {
    GpRegion* r = rectRegion({0, 0, 10, 10});
    ASSERT_EQ(GdipTranslateRegion(r, 0.5f, 0.25f), Ok);
    EXPECT_EQ(scans(r), (std::vector<GpRectF>{{0.5f, 0.25f, 10, 10}}));
    Matrix scale(2, 0, 0, 3, 1, 0);
    ASSERT_EQ(GdipTransformRegion(r, scale.m), Ok);
    EXPECT_EQ(scans(r), (std::vector<GpRectF>{{2, 0.75f, 20, 30}}));
    EXPECT_EQ(GdipTransformRegion(r, nullptr), InvalidParameter);
    // Scans see the region through their matrix without changing it.
    Matrix shift(1, 0, 0, 1, -2, 0);
    EXPECT_EQ(scans(r, shift), (std::vector<GpRectF>{{0, 0.75f, 20, 30}}));
    EXPECT_EQ(scans(r), (std::vector<GpRectF>{{2, 0.75f, 20, 30}}));

    GpRegion* all = nullptr;
    GdipCreateRegion(&all);
    GdipTranslateRegionI(all, 5, 5);
    EXPECT_TRUE(isInfinite(all));
    GdipDeleteRegion(all);
    GdipDeleteRegion(r);
}

TEST(RegionTest, CurvedRegionScansCoverExactlyTheUnitsWhoseCentresAreInside) {
    GpPath* path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathEllipse(path, 0.5f, 1, 17, 11);
    const GpPointF triangle[3] = {{20, 0}, {30, 0}, {20, 9.5f}};
    GdipAddPathPolygon(path, triangle, 3);
    GpRegion* r = nullptr;
    ASSERT_EQ(GdipCreateRegionPath(path, &r), Ok);
    const std::vector<GpRectF> rects = scans(r);
    ASSERT_FALSE(rects.empty());
    std::vector<std::vector<bool>> covered(15, std::vector<bool>(32, false));
    for (const GpRectF& s : rects) {
        ASSERT_EQ(s.X, std::floor(s.X));
        ASSERT_EQ(s.Height, std::floor(s.Height));
        for (int y = static_cast<int>(s.Y); y < s.Y + s.Height; ++y)
            for (int x = static_cast<int>(s.X); x < s.X + s.Width; ++x) {
                ASSERT_TRUE(y >= 0 && y < 15 && x >= 0 && x < 32);
                EXPECT_FALSE(covered[y][x]) << "overlap at " << x << "," << y;
                covered[y][x] = true;
            }
    }
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 32; ++x)
            EXPECT_EQ(covered[y][x], visible(r, x + 0.5f, y + 0.5f)) << x << "," << y;

    // The integer scans are the same rectangles, one for one.
    INT count = static_cast<INT>(rects.size());
    std::vector<GpRect> units(rects.size());
    ASSERT_EQ(GdipGetRegionScansI(r, units.data(), &count, Matrix().m), Ok);
    ASSERT_EQ(count, static_cast<INT>(rects.size()));
    for (std::size_t i = 0; i < units.size(); ++i) EXPECT_EQ(units[i].Width, static_cast<INT>(rects[i].Width));
    // Too small a buffer is refused and told the size needed.
    count = 1;
    EXPECT_EQ(GdipGetRegionScansI(r, units.data(), &count, Matrix().m), InsufficientBuffer);
    EXPECT_EQ(count, static_cast<INT>(rects.size()));
    GdipDeleteRegion(r);
    GdipDeletePath(path);
}

TEST(RegionTest, FillModeOfThePathDecidesTheArea) {
    for (GpFillMode mode : {FillModeAlternate, FillModeWinding}) {
        GpPath* path = nullptr;
        GdipCreatePath(mode, &path);
        GdipAddPathRectangle(path, 0, 0, 10, 10);
        GdipAddPathRectangle(path, 2, 2, 4, 4);
        GpRegion* r = nullptr;
        GdipCreateRegionPath(path, &r);
        EXPECT_TRUE(visible(r, 1, 1));
        EXPECT_EQ(visible(r, 3, 3), mode == FillModeWinding) << mode;
        // Combinations keep the hole (or its absence).
        GdipCombineRegionRect(r, &kB, CombineModeUnion);
        EXPECT_EQ(visible(r, 3, 3), mode == FillModeWinding) << mode;
        GdipDeleteRegion(r);
        GdipDeletePath(path);
    }
}

GpRegion* roundTrip(GpRegion* r, std::vector<BYTE>* bytes = nullptr) {
    UINT size = 0;
    EXPECT_EQ(GdipGetRegionDataSize(r, &size), Ok);
    std::vector<BYTE> data(size);
    UINT filled = 0;
    EXPECT_EQ(GdipGetRegionData(r, data.data(), size, &filled), Ok);
    EXPECT_EQ(filled, size);
    GpRegion* back = nullptr;
    EXPECT_EQ(GdipCreateRegionRgnData(data.data(), static_cast<INT>(size), &back), Ok);
    if (bytes) *bytes = data;
    return back;
}

TEST(RegionTest, DataRoundTripsExactly) {
    GpPath* path = nullptr;
    GdipCreatePath(FillModeWinding, &path);
    GdipAddPathEllipse(path, 0.1f, 0.2f, 30.3f, 20.7f);
    GdipAddPathArc(path, 3, 3, 10, 10, 30, 200);
    GpRegion* curved = nullptr;
    GdipCreateRegionPath(path, &curved);
    GdipCombineRegionRect(curved, &kA, CombineModeXor);
    GpRegion *all = nullptr, *none = nullptr;
    GdipCreateRegion(&all);
    GdipCreateRegion(&none);
    GdipSetEmpty(none);
    for (GpRegion* r : {curved, all, none}) {
        std::vector<BYTE> first, second;
        GpRegion* back = roundTrip(r, &first);
        ASSERT_NE(back, nullptr);
        GpRegion* again = roundTrip(back, &second);
        EXPECT_EQ(first, second);
        EXPECT_TRUE(equal(r, back));
        EXPECT_EQ(isInfinite(r), isInfinite(back));
        EXPECT_EQ(scans(r), scans(back));
        GdipDeleteRegion(back);
        GdipDeleteRegion(again);
    }

    UINT size = 0;
    GdipGetRegionDataSize(curved, &size);
    std::vector<BYTE> data(size);
    EXPECT_EQ(GdipGetRegionData(curved, data.data(), size - 1, nullptr), InsufficientBuffer);
    ASSERT_EQ(GdipGetRegionData(curved, data.data(), size, nullptr), Ok);
    GpRegion* bad = nullptr;
    EXPECT_EQ(GdipCreateRegionRgnData(data.data(), static_cast<INT>(size) - 1, &bad), InvalidParameter);
    data[0] ^= 0xFF;
    EXPECT_EQ(GdipCreateRegionRgnData(data.data(), static_cast<INT>(size), &bad), InvalidParameter);
    EXPECT_EQ(bad, nullptr);
    for (GpRegion* r : {curved, all, none}) GdipDeleteRegion(r);
    GdipDeletePath(path);
}

TEST(RegionTest, GdiRegionsHoldTheCoveredUnits) {
    GpRegion* r = rectRegion({0.5f, 1.4f, 10, 5});  // holds the centres of units x 0..9, y 1..5
    HRGN hrgn = nullptr;
    ASSERT_EQ(GdipGetRegionHRgn(r, nullptr, &hrgn), Ok);
    ASSERT_NE(hrgn, nullptr);
    RECT box{};
    EXPECT_EQ(GetRgnBox(hrgn, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(box.bottom, 6);

    GpRegion* back = nullptr;
    ASSERT_EQ(GdipCreateRegionHrgn(hrgn, &back), Ok);
    GpRegion* expected = rectRegion({0, 1, 10, 5});
    EXPECT_TRUE(equal(back, expected));
    EXPECT_TRUE(DeleteObject(hrgn));
    EXPECT_EQ(GdipCreateRegionHrgn(hrgn, &back), InvalidParameter);  // deleted

    GpRegion* all = nullptr;
    GdipCreateRegion(&all);
    hrgn = reinterpret_cast<HRGN>(0x1);
    ASSERT_EQ(GdipGetRegionHRgn(all, nullptr, &hrgn), Ok);
    EXPECT_EQ(hrgn, nullptr);  // an infinite region has no GDI region
    for (GpRegion* x : {r, back, expected, all}) GdipDeleteRegion(x);
}

TEST(RegionTest, CloneIsIndependentAndEqualityIsByArea) {
    GpRegion* r = rectRegion({0, 0, 10, 10});
    GpRegion* clone = nullptr;
    ASSERT_EQ(GdipCloneRegion(r, &clone), Ok);
    EXPECT_TRUE(equal(r, clone));
    GdipCombineRegionRect(clone, &kB, CombineModeExclude);
    EXPECT_FALSE(equal(r, clone));
    EXPECT_TRUE(visible(r, 7, 7));

    // The same area built another way.
    GpRegion* halves = rectRegion({0, 0, 10, 4.5f});
    const GpRectF lower{0, 4.5f, 10, 5.5f};
    GdipCombineRegionRect(halves, &lower, CombineModeUnion);
    EXPECT_TRUE(equal(r, halves));
    for (GpRegion* x : {r, clone, halves}) GdipDeleteRegion(x);
    EXPECT_EQ(GdipDeleteRegion(r), InvalidParameter);
}

}  // namespace
