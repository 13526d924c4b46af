// The default diagram drawn by hand through the wrapper classes, as the
// renderer draws it, compared with a reference picture.
//
// The reference is made by this test: run it with ZELVARO_UPDATE_GOLDENS=1
// to write tests/graphics/data/diagram_default.png. A failing comparison
// writes the actual picture, the expected one and their difference to the
// build's test-output folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <string>

#include "bitmap.h"
#include "font.h"
#include "graphics_session.h"
#include "pen.h"
#include "solid_brush.h"
#include "string_format.h"

namespace graphics {
namespace {

constexpr int kWidth = 480, kHeight = 120;
constexpr const char* kCounts[] = {"2", "8", "18", "32", "32", "18", "8"};

// Draws the diagram and reads it back as straight ARGB.
QImage drawDiagram() {
    Pen pen;
    Font font;
    SolidBrush textBrush;
    Bitmap picture;
    EXPECT_TRUE(pen.CreatePen1(0xFF000000, 2.0f, UnitWorld));
    EXPECT_TRUE(font.CreateFromFamilyName("Times New Roman", 36.0f, FontStyleRegular, UnitWorld));
    EXPECT_TRUE(textBrush.CreateSolidFill(0xFF000000));
    EXPECT_TRUE(picture.CreateFromScan0(kWidth, kHeight));
    EXPECT_TRUE(picture.SetSmoothingMode(SmoothingModeHighQuality));
    EXPECT_TRUE(picture.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit));
    EXPECT_TRUE(picture.DrawEllipse(pen, 10, 10, 100, 100));
    {
        StringFormat format;  // never created: the default layout
        EXPECT_TRUE(picture.DrawString("+118", font, textBrush, FloatRect{25, 40, 90, 90}, format));
    }
    for (int k = 1; k <= 7; ++k) {
        const float x = 50.0f * k;
        EXPECT_TRUE(picture.DrawArc(pen, x, 0, 100, 100, -50, 40));
        EXPECT_TRUE(picture.DrawArc(pen, x, 20, 100, 100, 10, 40));
        StringFormat format;
        EXPECT_TRUE(
            picture.DrawString(kCounts[k - 1], font, textBrush, FloatRect{135.0f + 50 * (k - 1), 40, 70, 70}, format));
    }
    QImage out(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) out.setPixel(x, y, picture.BitmapGetPixel(x, y));
    return out;
}

int alphaAt(const QImage& image, double x, double y) {
    return qAlpha(image.pixel(int(std::lround(x)), int(std::lround(y))));
}

// The most alpha within `radius` pixels of (x, y).
int inkNear(const QImage& image, double x, double y, int radius = 1) {
    int best = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) best = std::max(best, alphaAt(image, x + dx, y + dy));
    return best;
}

class DiagramDrawingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(GraphicsSession::Start()); }
};

TEST_F(DiagramDrawingTest, DrawsTheNucleusBracketsAndCounts) {
    const QImage image = drawDiagram();
    // The nucleus outline at its four extremes; the charge inside it.
    for (const QPointF p : {QPointF(10, 60), QPointF(110, 60), QPointF(60, 10), QPointF(60, 110)})
        EXPECT_GT(inkNear(image, p.x(), p.y()), 128) << p.x() << "," << p.y();
    int chargeInk = 0;
    for (int y = 40; y < 100; ++y)
        for (int x = 25; x < 105; ++x) chargeInk += qAlpha(image.pixel(x, y)) > 128;
    EXPECT_GT(chargeInk, 200);
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        const double dx = 50.0 * (k - 1);
        // Both arcs at their documented ends, the gap between them empty.
        EXPECT_GT(inkNear(image, 132.1 + dx, 11.7), 100);
        EXPECT_GT(inkNear(image, 149.2 + dx, 41.3), 100);
        EXPECT_GT(inkNear(image, 149.2 + dx, 78.7), 100);
        EXPECT_GT(inkNear(image, 132.1 + dx, 108.3), 100);
        // The count stands in the bracket's gap, across its right edge.
        int countInk = 0;
        for (int y = 48; y < 88; ++y)
            for (int x = int(135 + dx); x < int(185 + dx) && x < kWidth; ++x) countInk += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(countInk, 40);
    }
    // Transparent around the drawing.
    for (const QPoint p : {QPoint(0, 0), QPoint(479, 0), QPoint(0, 119), QPoint(479, 119), QPoint(470, 60)})
        EXPECT_EQ(qAlpha(image.pixel(p)), 0) << p.x() << "," << p.y();
}

TEST_F(DiagramDrawingTest, MatchesTheReferencePicture) {
    const QImage actual = drawDiagram();
    const QString golden = QStringLiteral(ZELVARO_TEST_DATA "/diagram_default.png");
    if (std::getenv("ZELVARO_UPDATE_GOLDENS")) {
        ASSERT_TRUE(actual.save(golden));
        GTEST_SKIP() << "reference written";
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference picture; run with ZELVARO_UPDATE_GOLDENS=1";
    ASSERT_EQ(expected.size(), actual.size());

    // Tolerance: antialiased edges may shift with the font rasteriser, so a
    // channel may differ by up to 48 at no more than 0.5% of the pixels, and
    // by no more than that anywhere else.
    QImage diff(actual.size(), QImage::Format_ARGB32);
    int off = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            const int d = std::max({std::abs(qAlpha(a) - qAlpha(e)), std::abs(qRed(a) - qRed(e)),
                                    std::abs(qGreen(a) - qGreen(e)), std::abs(qBlue(a) - qBlue(e))});
            off += d > 48;
            diff.setPixel(x, y, qRgba(d > 48 ? 255 : d * 4, 0, 0, 255));
        }
    const int allowed = actual.width() * actual.height() / 200;
    if (off > allowed) {
        QDir().mkpath(QStringLiteral(ZELVARO_TEST_OUTPUT));
        actual.save(QStringLiteral(ZELVARO_TEST_OUTPUT "/diagram_default.actual.png"));
        expected.save(QStringLiteral(ZELVARO_TEST_OUTPUT "/diagram_default.expected.png"));
        diff.save(QStringLiteral(ZELVARO_TEST_OUTPUT "/diagram_default.diff.png"));
    }
    EXPECT_LE(off, allowed) << "pixels off by more than 48; images in " ZELVARO_TEST_OUTPUT;
}

}  // namespace
}  // namespace graphics
