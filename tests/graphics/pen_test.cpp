// Pen: create shapes, the unit conversion, the array getters and the
// transform about a point.
#include <gtest/gtest.h>

#include <QTransform>

#include <limits>

#include "binding.h"
#include "graphics_session.h"
#include "last_status.h"
#include "pen.h"
#include "solid_brush.h"

namespace graphics {
namespace {

// Holds a matrix the way a Matrix wrapper would, and releases it.
class MatrixHolder : public WrapperObject {
public:
    ~MatrixHolder() override { Destroy(); }
    void Destroy() override {
        if (GetHandle()) GDIP(GdipDeleteMatrix)(static_cast<GpMatrix*>(GetHandle()));
        SetHandle(nullptr);
    }
    std::unique_ptr<WrapperObject> Copy() const override { return nullptr; }
    void OnHandleSet(void*) override {}
};

class GraphicsPen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        resetCallCounts();
    }
    // The pen's transform, through a matrix handed out by GetPenTransform.
    static QTransform TransformOf(Pen& pen) {
        MatrixHolder matrix;
        EXPECT_TRUE(pen.GetPenTransform(matrix));
        REAL e[6] = {};
        EXPECT_EQ(GDIP(GdipGetMatrixElements)(static_cast<GpMatrix*>(matrix.GetHandle()), e), Ok);
        return QTransform(e[0], e[1], e[2], e[3], e[4], e[5]);
    }
};

TEST_F(GraphicsPen, CreatePen1UnitDefaultsToWorld) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 2.0f));
    EXPECT_EQ(pen.GetPenUnit(), UnitWorld);
    EXPECT_FLOAT_EQ(pen.GetPenWidth(), 2.0f);
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 2.0f, UnitPixel));
    EXPECT_EQ(pen.GetPenUnit(), UnitPixel);
    EXPECT_EQ(callCount("GdipDeletePen"), 1u);  // the first pen, before the second
    EXPECT_TRUE(pen.DeletePen());
    EXPECT_FALSE(pen.IsValid());
    EXPECT_FALSE(pen.DeletePen());
    EXPECT_EQ(callCount("GdipDeletePen"), 2u);
}

TEST_F(GraphicsPen, SetPenUnitTruncatesTowardZero) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    struct Case {
        float given;
        int unit;
    };
    for (const Case& c : {Case{2.9f, UnitPixel}, Case{3.0f, UnitPoint}, Case{0.99f, UnitWorld},
                          Case{6.5f, UnitMillimeter}, Case{-0.5f, UnitWorld}}) {
        ASSERT_TRUE(pen.SetPenUnit(c.given)) << c.given;
        EXPECT_EQ(pen.GetPenUnit(), c.unit) << c.given;
    }
    // Values that name no unit are refused and change nothing.
    ASSERT_TRUE(pen.SetPenUnit(2.5f));
    for (float bad : {7.0f, std::numeric_limits<float>::quiet_NaN(), 3e9f, -3e9f}) {
        EXPECT_FALSE(pen.SetPenUnit(bad)) << bad;
        EXPECT_EQ(LastStatus, InvalidParameter) << bad;
    }
    EXPECT_EQ(pen.GetPenUnit(), UnitPixel);
}

TEST_F(GraphicsPen, FailedCreateLeavesThePenEmpty) {
    Pen pen;
    EXPECT_FALSE(pen.CreatePen1(0xFF000000, -1));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_FALSE(pen.IsValid());
    // A value getter on an Empty pen gives 0 and leaves the status.
    EXPECT_FLOAT_EQ(pen.GetPenWidth(), 0.0f);
    EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(GraphicsPen, CreatePen2TakesTheBrushHandle) {
    SolidBrush brush;
    ASSERT_TRUE(brush.CreateSolidFill(0xFF00FF00));
    Pen pen;
    ASSERT_TRUE(pen.CreatePen2(brush, 3));
    EXPECT_EQ(pen.GetPenColor(), 0xFF00FF00u);
    EXPECT_EQ(pen.GetPenFillType(), PenTypeSolidColor);
    SolidBrush fill;
    ASSERT_TRUE(pen.GetPenBrushFill(fill));
    EXPECT_TRUE(fill.IsValid());
    EXPECT_NE(fill.GetHandle(), brush.GetHandle());
    EXPECT_EQ(fill.GetSolidFillColor(), 0xFF00FF00u);
}

TEST_F(GraphicsPen, ArrayGettersReplaceTheCallersArray) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    ASSERT_TRUE(pen.SetPenDashArray({4, 2, 1}));
    ASSERT_TRUE(pen.SetPenCompoundArray({0, 0.3f, 0.7f, 1}));
    std::vector<float> dashes(7, 9.0f), compound;
    EXPECT_EQ(pen.GetPenDashArray(dashes), 3);
    EXPECT_EQ(dashes, (std::vector<float>{4, 2, 1}));
    EXPECT_EQ(pen.GetPenCompoundArray(compound), 4);
    EXPECT_EQ(compound, (std::vector<float>{0, 0.3f, 0.7f, 1}));
    EXPECT_EQ(pen.GetPenDashStyle(), DashStyleCustom);

    // No count to be had: 0, and the array stays as it was.
    Pen empty;
    std::vector<float> kept{1, 2};
    EXPECT_EQ(empty.GetPenDashArray(kept), 0);
    EXPECT_EQ(kept, (std::vector<float>{1, 2}));
    EXPECT_EQ(callCount("GdipGetPenDashArray"), 1u);
}

TEST_F(GraphicsPen, TransformAboutAPointKeepsThatPointInPlace) {
    const FloatPoint centre{10, 5};
    struct Case {
        const char* what;
        bool rotate;
        Optional<int> order;
    };
    for (const Case& c : {Case{"rotate, prepend", true, {}}, Case{"rotate, append", true, MatrixOrderAppend},
                          Case{"scale, prepend", false, MatrixOrderPrepend},
                          Case{"scale, append", false, MatrixOrderAppend}}) {
        Pen pen;
        ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
        // A transform already in place tells the orders apart.
        ASSERT_TRUE(pen.TranslatePenTransform(3, 0));
        const QTransform before = TransformOf(pen);
        resetCallCounts();
        ASSERT_TRUE(c.rotate ? pen.RotatePenTransformAt(90, centre, c.order)
                             : pen.ScalePenTransformAt(2, 3, centre, c.order))
            << c.what;
        EXPECT_EQ(callCount("GdipTranslatePenTransform"), 2u) << c.what;

        QTransform about;
        about.translate(centre.x, centre.y);
        c.rotate ? about.rotate(90) : about.scale(2, 3);
        about.translate(-centre.x, -centre.y);
        const QTransform expected = c.order.value == MatrixOrderAppend ? before * about : about * before;
        const QTransform got = TransformOf(pen);
        for (QPointF p : {QPointF(0, 0), QPointF(1, 0), QPointF(0, 1)}) {
            EXPECT_NEAR(got.map(p).x(), expected.map(p).x(), 1e-4) << c.what;
            EXPECT_NEAR(got.map(p).y(), expected.map(p).y(), 1e-4) << c.what;
        }
    }
}

TEST_F(GraphicsPen, CloneReleasesTheTargetsOldPenFirst) {
    Pen source, target;
    ASSERT_TRUE(source.CreatePen1(0xFF112233, 4));
    ASSERT_TRUE(target.CreatePen1(0xFF000000, 1));
    resetCallCounts();
    ASSERT_TRUE(source.ClonePen(target));
    EXPECT_EQ(callCount("GdipDeletePen"), 1u);
    EXPECT_NE(target.GetHandle(), source.GetHandle());
    EXPECT_EQ(target.GetPenColor(), 0xFF112233u);
    EXPECT_FLOAT_EQ(target.GetPenWidth(), 4.0f);
}

TEST_F(GraphicsPen, CapsJoinsAndDashesRoundTrip) {
    Pen pen;
    ASSERT_TRUE(pen.CreatePen1(0xFF000000, 1));
    ASSERT_TRUE(pen.SetPenLineCap197819(LineCapRound, LineCapTriangle, DashCapRound));
    EXPECT_EQ(pen.GetPenStartCap(), LineCapRound);
    EXPECT_EQ(pen.GetPenEndCap(), LineCapTriangle);
    EXPECT_EQ(pen.GetPenDashCap197819(), DashCapRound);
    ASSERT_TRUE(pen.SetPenLineJoin(LineJoinBevel));
    EXPECT_EQ(pen.GetPenLineJoin(), LineJoinBevel);
    ASSERT_TRUE(pen.SetPenMiterLimit(4));
    EXPECT_FLOAT_EQ(pen.GetPenMiterLimit(), 4.0f);
    ASSERT_TRUE(pen.SetPenMode(PenAlignmentInset));
    EXPECT_EQ(pen.GetPenMode(), PenAlignmentInset);
    ASSERT_TRUE(pen.SetPenDashStyle(DashStyleDot));
    ASSERT_TRUE(pen.SetPenDashOffset(1.5f));
    EXPECT_FLOAT_EQ(pen.GetPenDashOffset(), 1.5f);
    ASSERT_TRUE(pen.SetPenColor(0x7F010203));
    EXPECT_EQ(pen.GetPenColor(), 0x7F010203u);
}

}  // namespace
}  // namespace graphics
