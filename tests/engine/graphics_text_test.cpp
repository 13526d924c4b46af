// Text on a graphics object: where DrawString puts lines (top-left start,
// padding, wrapping, clipping, alignment), what MeasureString and
// MeasureCharacterRanges report, and how the rendering hint shows.
#include <cmath>
#include <string>

#include "drawing_surface.h"

using namespace drawing_test;

namespace {

// The serif face ships with the engine, so these numbers hold everywhere:
// its line spacing is 2355 design units of 2048 to the em.
constexpr REAL kEm = 36;
constexpr double kLineHeight = 2355.0 / 2048 * kEm;
constexpr double kPadding = kEm / 6;

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        startEngine();
        SKIP_IF_MISSING(surface.create(260, 160));
        SKIP_IF_MISSING(GdipCreateFontFamilyFromName(u"Times New Roman", nullptr, &family));
        SKIP_IF_MISSING(GdipCreateFont(family, kEm, FontStyleRegular, UnitPixel, &font));
        SKIP_IF_MISSING(GdipCreateSolidFill(0xFF000000, &brush.brush));
        ASSERT_EQ(GdipSetTextRenderingHint(surface.graphics, TextRenderingHintAntiAliasGridFit), Ok);
    }
    void TearDown() override {
        if (font) GdipDeleteFont(font);
        if (family) GdipDeleteFontFamily(family);
        for (GpStringFormat* f : formats) GdipDeleteStringFormat(f);
    }
    GpStringFormat* format(INT flags = 0) {
        GpStringFormat* f = nullptr;
        EXPECT_EQ(GdipCreateStringFormat(flags, 0, &f), Ok);
        formats.push_back(f);
        return f;
    }
    GpStatus draw(const std::u16string& text, GpRectF rect, GpStringFormat* fmt = nullptr) {
        return GdipDrawString(surface.graphics, text.c_str(), -1, font, &rect, fmt, brush.get());
    }
    RectF measure(const std::u16string& text, GpRectF rect, GpStringFormat* fmt = nullptr, INT* lines = nullptr) {
        RectF box{};
        EXPECT_EQ(GdipMeasureString(surface.graphics, text.c_str(), INT(text.size()), font, &rect, fmt, &box, nullptr,
                                    lines),
                  Ok);
        return box;
    }

    Surface surface;
    GpFontFamily* family = nullptr;
    GpFont* font = nullptr;
    Brush brush;
    std::vector<GpStringFormat*> formats;
};

TEST_F(TextTest, DefaultLayoutStartsTopLeftAfterThePadding) {
    ASSERT_EQ(draw(u"H", {20, 10, 200, 100}), Ok);
    const QRect ink = surface.inkBounds();
    ASSERT_FALSE(ink.isEmpty());
    // The H's stem starts just after the padding; the cap height sits in the
    // first line, below its top.
    EXPECT_GE(ink.left(), 20 + kPadding - 1);
    EXPECT_LE(ink.left(), 20 + kPadding + 3);
    EXPECT_GT(ink.top(), 10);
    EXPECT_LT(ink.bottom(), 10 + kLineHeight);

    // The typographic format drops the padding: the same glyph a padding
    // further left.
    ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
    GpStringFormat* typographic = nullptr;
    SKIP_IF_MISSING(GdipStringFormatGetGenericTypographic(&typographic));
    ASSERT_EQ(draw(u"H", {20, 10, 200, 100}, typographic), Ok);
    EXPECT_NEAR(surface.inkBounds().left(), ink.left() - kPadding, 1);
}

TEST_F(TextTest, MeasureStringCountsPaddingAndLineSpacing) {
    INT lines = 0;
    const RectF one = measure(u"88", {10, 10, 200, 100}, nullptr, &lines);
    EXPECT_EQ(lines, 1);
    EXPECT_FLOAT_EQ(one.X, 10);
    EXPECT_FLOAT_EQ(one.Y, 10);
    EXPECT_NEAR(one.Width, 2 * kEm / 2 + 2 * kPadding, 0.5);  // digits are half an em wide
    EXPECT_NEAR(one.Height, kLineHeight, 0.01);
}

TEST_F(TextTest, WordsWrapWithinTheWidth) {
    // "88 88" needs 81 pixels, more than the 80 - 2 * 6 the line offers.
    INT lines = 0;
    const RectF box = measure(u"88 88 88", {10, 10, 80, 150}, nullptr, &lines);
    EXPECT_EQ(lines, 3);
    EXPECT_NEAR(box.Height, 3 * kLineHeight, 0.01);
    EXPECT_LE(box.Width, 80);
    ASSERT_EQ(draw(u"88 88 88", {10, 10, 80, 150}), Ok);
    const QRect ink = surface.inkBounds();
    EXPECT_GT(ink.bottom(), 10 + 2 * kLineHeight);
    EXPECT_LT(ink.right(), 10 + 80 - kPadding);
    // A word wider than the line is broken inside.
    EXPECT_EQ((measure(u"88888888", {10, 10, 80, 150}, nullptr, &lines), lines), 3);
    // NoWrap keeps one line.
    EXPECT_EQ((measure(u"88 88 88", {10, 10, 80, 150}, format(0x1000), &lines), lines), 1);
}

TEST_F(TextTest, TextIsClippedToTheLayoutRectangle) {
    ASSERT_EQ(draw(u"8888888 8888888 8888888", {20, 10, 60, 30}), Ok);
    const QRect ink = surface.inkBounds();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(20, 10, 60, 30).contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                                    << ink.height();
    // NoClip lets the lines run out.
    ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
    ASSERT_EQ(draw(u"8888888 8888888 8888888", {20, 10, 60, 30}, format(0x4000)), Ok);
    EXPECT_GT(surface.inkBounds().bottom(), 40);
}

TEST_F(TextTest, AlignmentsPlaceTheLine) {
    struct Case {
        StringAlignment align, lineAlign;
        double centreX, centreY;
    };
    const GpRectF rect{20, 10, 200, 140};
    for (const Case c : {Case{StringAlignmentCenter, StringAlignmentCenter, 120, 80},
                         Case{StringAlignmentFar, StringAlignmentNear, 220 - kPadding - kEm / 4, 10 + kLineHeight / 2}}) {
        ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
        GpStringFormat* f = format();
        SKIP_IF_MISSING(GdipSetStringFormatAlign(f, c.align));
        ASSERT_EQ(GdipSetStringFormatLineAlign(f, c.lineAlign), Ok);
        const RectF box = measure(u"8", rect, f);
        EXPECT_NEAR(box.X + box.Width / 2, c.align == StringAlignmentCenter ? c.centreX : c.centreX, 1);
        EXPECT_NEAR(box.Y + box.Height / 2, c.centreY, 1);
        ASSERT_EQ(draw(u"8", rect, f), Ok);
        const QRect ink = surface.inkBounds();
        EXPECT_NEAR(ink.center().x(), c.centreX, 3) << c.align;
    }
}

TEST_F(TextTest, CharacterRangesCoverTheirCharacters) {
    GpStringFormat* f = format();
    const CharacterRange ranges[] = {{0, 2}, {3, 2}};
    SKIP_IF_MISSING(GdipSetStringFormatMeasurableCharacterRanges(f, 2, ranges));
    GpRegion* regions[2] = {};
    SKIP_IF_MISSING(GdipCreateRegion(&regions[0]));
    ASSERT_EQ(GdipCreateRegion(&regions[1]), Ok);
    const std::u16string text = u"88 88";
    const RectF layout{10, 10, 200, 100};
    ASSERT_EQ(GdipMeasureCharacterRanges(surface.graphics, text.c_str(), -1, font, layout, f, 2, regions), Ok);
    RectF first{}, second{};
    SKIP_IF_MISSING(GdipGetRegionBounds(regions[0], surface.graphics, &first));
    ASSERT_EQ(GdipGetRegionBounds(regions[1], surface.graphics, &second), Ok);
    EXPECT_NEAR(first.X, 10 + kPadding, 0.5);
    EXPECT_NEAR(first.Width, kEm, 0.5);
    EXPECT_NEAR(first.Height, kLineHeight, 0.5);
    EXPECT_NEAR(second.X, 10 + kPadding + kEm + kEm / 4, 0.5);  // past the space
    // Fewer regions than ranges, or a range beyond the text, is refused.
    EXPECT_EQ(GdipMeasureCharacterRanges(surface.graphics, text.c_str(), -1, font, layout, f, 1, regions),
              InvalidParameter);
    const CharacterRange beyond[] = {{4, 3}};
    ASSERT_EQ(GdipSetStringFormatMeasurableCharacterRanges(f, 1, beyond), Ok);
    EXPECT_EQ(GdipMeasureCharacterRanges(surface.graphics, text.c_str(), -1, font, layout, f, 1, regions),
              InvalidParameter);
    // No ranges and no regions is a measure of nothing.
    EXPECT_EQ(GdipMeasureCharacterRanges(surface.graphics, text.c_str(), -1, font, layout, nullptr, 0, nullptr), Ok);
    for (GpRegion* r : regions) GdipDeleteRegion(r);
}

TEST_F(TextTest, RenderingHintDecidesGlyphSmoothing) {
    struct Case {
        TextRenderingHint hint;
        bool smooth;
    };
    for (const Case c : {Case{TextRenderingHintSingleBitPerPixel, false}, Case{TextRenderingHintAntiAlias, true},
                         Case{TextRenderingHintAntiAliasGridFit, true}}) {
        ASSERT_EQ(GdipGraphicsClear(surface.graphics, 0), Ok);
        ASSERT_EQ(GdipSetTextRenderingHint(surface.graphics, c.hint), Ok);
        ASSERT_EQ(draw(u"8", {20, 10, 100, 100}), Ok);
        bool partial = false;
        for (int y = 0; y < 80 && !partial; ++y)
            for (int x = 0; x < 80 && !partial; ++x) partial = surface.alpha(x, y) > 0 && surface.alpha(x, y) < 255;
        EXPECT_EQ(partial, c.smooth) << "hint " << c.hint;
    }
}

TEST_F(TextTest, FontUnitsConvertToTheSameSize) {
    // 27 points at 96 dpi are 36 pixels; a world-unit font follows the page
    // scale.
    GpFont* points = nullptr;
    ASSERT_EQ(GdipCreateFont(family, 27, FontStyleRegular, UnitPoint, &points), Ok);
    RectF a{}, b{};
    const GpRectF layout{0, 0, 300, 100};
    const std::u16string text = u"888";
    ASSERT_EQ(GdipMeasureString(surface.graphics, text.c_str(), -1, font, &layout, nullptr, &a, nullptr, nullptr), Ok);
    ASSERT_EQ(GdipMeasureString(surface.graphics, text.c_str(), -1, points, &layout, nullptr, &b, nullptr, nullptr),
              Ok);
    EXPECT_NEAR(a.Width, b.Width, 0.01);
    GdipDeleteFont(points);
}

TEST_F(TextTest, DriverStringPutsGlyphsOnTheirBaselines) {
    const UINT16 text[] = {'8', '8'};
    const PointF at[] = {{30, 80}, {100, 80}};
    ASSERT_EQ(GdipDrawDriverString(surface.graphics, text, 2, font, brush.get(), at, DriverStringOptionsCmapLookup,
                                   nullptr),
              Ok);
    const QRect ink = surface.inkBounds();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.bottom(), 80, 2);
    EXPECT_NEAR(ink.left(), 30, 3);
    EXPECT_GT(ink.right(), 100);
    EXPECT_EQ(GdipDrawDriverString(surface.graphics, text, 2, font, brush.get(), nullptr, 1, nullptr),
              InvalidParameter);
}

TEST_F(TextTest, BadArgumentsAreRefused) {
    const GpRectF rect{0, 0, 100, 100};
    const std::u16string text = u"x";
    EXPECT_EQ(GdipDrawString(surface.graphics, text.c_str(), -1, nullptr, &rect, nullptr, brush.get()),
              InvalidParameter);
    EXPECT_EQ(GdipDrawString(surface.graphics, text.c_str(), -1, font, nullptr, nullptr, brush.get()),
              InvalidParameter);
    EXPECT_EQ(GdipDrawString(surface.graphics, nullptr, -1, font, &rect, nullptr, brush.get()), InvalidParameter);
    EXPECT_EQ(GdipDrawString(surface.graphics, text.c_str(), -1, font, &rect, nullptr, nullptr), InvalidParameter);
    EXPECT_EQ(GdipDrawString(surface.graphics, text.c_str(), 0, font, &rect, nullptr, brush.get()), Ok);
    EXPECT_TRUE(surface.inkBounds().isEmpty());
}

}  // namespace
