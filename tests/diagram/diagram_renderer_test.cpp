// The model's defaults and the renderer's picture: size, background, colour
// and the release of everything it makes.
#include <gtest/gtest.h>

#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

#include "binding.h"
#include "diagram_renderer.h"
#include "diagram_test_support.h"

namespace {

using diagram::diagramBitmap;
using diagram::diagramParameters;
using diagram::renderDiagram;
using diagram_test::pixelsOf;
using diagram_test::resetModel;
using Shells = std::array<std::int32_t, diagram::kShellCount>;

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new diagram_test::DiagramEnvironment);

bool operator==(const graphics::FloatRect& a, const graphics::FloatRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(DiagramParameters, DefaultsAreTheFullSevenShellAtom) {
    diagramParameters.whiteBackground = 7;
    diagramParameters.drawColor = 0x123456;
    diagram::setDefaultParameters();
    const diagram::DiagramParameters& p = diagramParameters;
    EXPECT_EQ(p.nuclearCharge, 118);
    EXPECT_EQ(p.shellCounts, (Shells{2, 8, 18, 32, 32, 18, 8}));
    EXPECT_EQ(p.drawColor, 0u);
    EXPECT_EQ(p.whiteBackground, 7) << "the flag is not the defaults' to set";
    EXPECT_TRUE((p.nucleusEllipse == graphics::FloatRect{10, 10, 100, 100}));
    EXPECT_TRUE((p.nucleusLabelBox == graphics::FloatRect{25, 40, 90, 90}));
    EXPECT_EQ(p.bitmapSize.x, 0);
    EXPECT_EQ(p.bitmapSize.y, 0);
    EXPECT_EQ(p.bitmapSize.height, 120);
    const float xs[] = {135, 185, 235, 285, 335, 385, 435};
    for (int k = 1; k <= diagram::kShellCount; ++k) {
        EXPECT_TRUE((p.shellLabelBoxes[k - 1] == graphics::FloatRect{xs[k - 1], 40, 70, 70})) << "shell " << k;
    }

    // The label boxes are records of their own, not views of box 1.
    diagramParameters.shellLabelBoxes[0] = {1, 2, 3, 4};
    for (int k = 2; k <= diagram::kShellCount; ++k) {
        EXPECT_TRUE((p.shellLabelBoxes[k - 1] == graphics::FloatRect{xs[k - 1], 40, 70, 70})) << "shell " << k;
    }
    resetModel();
}

TEST(WidthForShells, FollowsTheOutermostOccupiedShellFromTwoOn) {
    const struct {
        Shells shells;
        int width;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0, 0}, 180},        {{2, 0, 0, 0, 0, 0, 0}, 180},
        {{99, 0, 0, 0, 0, 0, 0}, 180},       {{2, 1, 0, 0, 0, 0, 0}, 230},
        {{2, 8, 1, 0, 0, 0, 0}, 280},        {{2, 8, 14, 2, 0, 0, 0}, 330},
        {{2, 8, 18, 32, 1, 0, 0}, 380},      {{2, 8, 18, 32, 32, 1, 0}, 430},
        {{2, 8, 18, 32, 32, 18, 8}, 480},    {{0, 0, 0, 0, 0, 0, 1}, 480},
        {{1, 1, 0, 1, 0, 0, 0}, 330},        // a gap at shell 3
        {{2, 8, 0, 0, 0, 0, 0}, 230},        {{2, 8, 0, 0, 0, 0, -1}, 230},
        {{-5, -1, -1, -1, -1, -1, -1}, 180}, {{0, 0, 0, INT32_MIN, 0, 0, 0}, 180},
        {{0, 0, 0, 0, 0, INT32_MAX, 0}, 430},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(diagram::widthForShells(c.shells), c.width)
            << c.shells[0] << "," << c.shells[1] << "," << c.shells[2] << "," << c.shells[3] << ","
            << c.shells[4] << "," << c.shells[5] << "," << c.shells[6];
    }
}

class Renderer : public ::testing::Test {
protected:
    void SetUp() override { resetModel(); }
    void TearDown() override { resetModel(); }
};

TEST_F(Renderer, PictureSizeFollowsTheShells) {
    const struct {
        Shells shells;
        int width;
    } cases[] = {
        {{2, 8, 18, 32, 32, 18, 8}, 480}, {{0, 0, 0, 0, 0, 0, 0}, 180}, {{2, 0, 0, 0, 0, 0, 0}, 180},
        {{0, 0, 0, 0, 0, 0, 8}, 480},     {{1, 1, 0, 1, 0, 0, 0}, 330}, {{2, 8, -3, 0, 0, 0, 0}, 230},
    };
    for (const auto& c : cases) {
        diagramParameters.shellCounts = c.shells;
        renderDiagram();
        ASSERT_TRUE(diagramBitmap->IsValid());
        EXPECT_EQ(diagramBitmap->GetImageWidth(), unsigned(c.width));
        EXPECT_EQ(diagramBitmap->GetImageHeight(), 120u);
        EXPECT_EQ(diagramParameters.bitmapSize.width, float(c.width));
    }
}

// Regions a diagram with the given shells may touch: the nucleus with its
// label, and each occupied shell's arcs and count, with a margin for the
// pen's width and anti-aliasing.
std::vector<QRect> drawnRegions(const Shells& shells) {
    std::vector<QRect> regions = {QRect(7, 7, 106, 106), QRect(25, 40, 90, 55)};
    for (int k = 1; k <= diagram::kShellCount; ++k) {
        if (shells[k - 1] <= 0) continue;
        const int x = 50 * k;
        regions.push_back(QRect(x + 77, 7, 27, 39));   // upper arc, -50..-10 degrees
        regions.push_back(QRect(x + 77, 75, 27, 39));  // lower arc, 10..50 degrees
        regions.push_back(QRect(x + 85, 40, 70, 55));  // the count
    }
    return regions;
}

TEST_F(Renderer, BackgroundStaysTransparentOutsideTheDrawing) {
    const Shells cases[] = {{2, 8, 18, 32, 32, 18, 8}, {2, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 1, 0, 0, 0},
                            {0, 0, 0, 0, 0, 0, 0}};
    for (const Shells& shells : cases) {
        diagramParameters.shellCounts = shells;
        renderDiagram();
        const QImage image = pixelsOf(*diagramBitmap);
        ASSERT_FALSE(image.isNull());
        const std::vector<QRect> regions = drawnRegions(shells);
        int stray = 0, drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 0) continue;
                ++drawn;
                bool inside = false;
                for (const QRect& r : regions) inside = inside || r.contains(x, y);
                if (!inside) ++stray;
            }
        }
        // Also where a shell is left out: its place is in no region.
        EXPECT_EQ(stray, 0) << "pixels drawn outside the circle, arcs and texts";
        EXPECT_GT(drawn, 400) << "the nucleus and its label at least";
    }
}

TEST_F(Renderer, WhiteBackgroundIsOneShot) {
    diagramParameters.shellCounts = {2, 8, 1, 0, 0, 0, 0};
    diagramParameters.whiteBackground = 1;
    renderDiagram();
    EXPECT_EQ(diagramParameters.whiteBackground, 0);
    QImage image = pixelsOf(*diagramBitmap);
    ASSERT_EQ(image.width(), 280);
    for (const QPoint p : {QPoint(1, 1), QPoint(278, 1), QPoint(1, 118), QPoint(278, 118), QPoint(60, 100)}) {
        EXPECT_EQ(image.pixel(p), 0xFFFFFFFFu) << p.x() << "," << p.y();
    }
    EXPECT_EQ(image.pixel(10, 60), 0xFF000000u) << "the circle, black on white";

    renderDiagram();
    image = pixelsOf(*diagramBitmap);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(60, 100)), 0);

    // Only exactly 1 asks for white.
    diagramParameters.whiteBackground = 2;
    renderDiagram();
    EXPECT_EQ(qAlpha(pixelsOf(*diagramBitmap).pixel(1, 1)), 0);
    EXPECT_EQ(diagramParameters.whiteBackground, 2);
}

// The white fill covers the picture to its edges: the clipboard copy must
// have no transparent rim.
TEST_F(Renderer, WhiteBackgroundCoversEveryPixel) {
    for (const Shells& shells : {Shells{2, 8, 1, 0, 0, 0, 0}, Shells{}}) {
        diagramParameters.shellCounts = shells;
        diagramParameters.whiteBackground = 1;
        renderDiagram();
        const QImage image = pixelsOf(*diagramBitmap);
        ASSERT_FALSE(image.isNull());
        int seeThrough = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 255) continue;
                if (seeThrough++ == 0) first = QPoint(x, y);
            }
        }
        EXPECT_EQ(seeThrough, 0) << "first at " << first.x() << "," << first.y() << " of " << image.width() << "x"
                                 << image.height();
    }
}

TEST_F(Renderer, DrawColourIsOpaqueOnTheStrokes) {
    const struct {
        diagram::ToolkitColor color;
        QRgb argb;
    } cases[] = {{0x000000FF, 0xFFFF0000}, {0x00FF0000, 0xFF0000FF}, {0x00000000, 0xFF000000}};
    for (const auto& c : cases) {
        diagramParameters.drawColor = c.color;
        renderDiagram();
        const QImage image = pixelsOf(*diagramBitmap);
        ASSERT_FALSE(image.isNull());
        int opaque = 0, wrongHue = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (qAlpha(px) == 0) continue;
                if (qAlpha(px) == 255) ++opaque;
                // Anti-aliased edges shade off in alpha only; allow for the
                // rounding of the faintest ones.
                const int tolerance = qAlpha(px) >= 64 ? 2 : 40;
                if (std::abs(qRed(px) - qRed(c.argb)) > tolerance || std::abs(qGreen(px) - qGreen(c.argb)) > tolerance ||
                    std::abs(qBlue(px) - qBlue(c.argb)) > tolerance)
                    ++wrongHue;
            }
        }
        EXPECT_EQ(wrongHue, 0) << std::hex << c.argb;
        EXPECT_GT(opaque, 300) << std::hex << c.argb;
        // The leftmost and topmost points of the nucleus circle.
        EXPECT_EQ(image.pixel(10, 60), c.argb);
        EXPECT_EQ(image.pixel(60, 10), c.argb);
    }
}

TEST_F(Renderer, HoldsExactlyOnePictureAndReleasesEveryTool) {
    renderDiagram();  // diagramBitmap holds a picture from here on
    graphics::resetCallCounts();
    constexpr int kRenderings = 5;
    for (int i = 0; i < kRenderings; ++i) renderDiagram();

    using graphics::callCount;
    // Every picture made is released but the one diagramBitmap holds.
    EXPECT_EQ(callCount("GdipCreateBitmapFromScan0"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipCloneImage"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipDisposeImage"), 2u * kRenderings);
    EXPECT_TRUE(diagramBitmap->IsValid());
    // One context per local picture, none for the copy.
    EXPECT_EQ(callCount("GdipGetImageGraphicsContext"), unsigned(kRenderings));
    EXPECT_GE(callCount("GdipDeleteGraphics"), unsigned(kRenderings));
    // Tools: each made once per rendering and deleted once.
    EXPECT_EQ(callCount("GdipCreatePen1"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipDeletePen"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipCreateFont"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipDeleteFont"), unsigned(kRenderings));
    EXPECT_EQ(callCount("GdipCreateFontFamilyFromName"), callCount("GdipDeleteFontFamily"));
    EXPECT_EQ(callCount("GdipCreateSolidFill"), 2u * kRenderings);
    EXPECT_EQ(callCount("GdipDeleteBrush"), 2u * kRenderings);
    // The label format is never created: the engine's default applies.
    EXPECT_EQ(callCount("GdipCreateStringFormat"), 0u);
    EXPECT_EQ(callCount("GdipDrawString"), 8u * kRenderings);
    EXPECT_EQ(callCount("GdipDrawArc"), 14u * kRenderings);
}

TEST_F(Renderer, ChargeTextIsDrawnForZeroAndNegativeCharges) {
    // The label is drawn for every value; its pixels sit in the nucleus.
    for (const std::int32_t charge : {0, -3, 118, INT32_MIN}) {
        diagramParameters.nuclearCharge = charge;
        diagramParameters.shellCounts = {};
        renderDiagram();
        const QImage image = pixelsOf(*diagramBitmap);
        int ink = 0;
        for (int y = 40; y < 100; ++y)
            for (int x = 25; x < 100; ++x) ink += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GT(ink, 50) << charge;
    }
}

}  // namespace
