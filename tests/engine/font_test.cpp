// Fonts at the engine's flat interface, and the stock fonts they come from.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "gdiplus_flat.h"

namespace {

class EngineFont : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }

    static LOGFONTA Record(LONG height, const char* face) {
        LOGFONTA lf{};
        lf.lfHeight = height;
        lf.lfWeight = FW_NORMAL;
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
        return lf;
    }
    static REAL SizeOf(GpFont* font) {
        REAL size = 0;
        EXPECT_EQ(GdipGetFontSize(font, &size), Ok);
        return size;
    }

    static ULONG_PTR token;
};
ULONG_PTR EngineFont::token = 0;

TEST_F(EngineFont, LogfontGivesAWorldFontOfItsHeightAndStyle) {
    LOGFONTA lf = Record(-24, "Times New Roman");
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &font), Ok);
    INT style = -1;
    GpUnit unit = -1;
    GdipGetFontStyle(font, &style);
    GdipGetFontUnit(font, &unit);
    EXPECT_FLOAT_EQ(SizeOf(font), 24);
    EXPECT_EQ(unit, UnitWorld);
    EXPECT_EQ(style, FontStyleBold | FontStyleItalic | FontStyleUnderline);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
}

TEST_F(EngineFont, PositiveLogfontHeightIsTheCellNotTheEm) {
    LOGFONTA lf = Record(20, "Times New Roman");
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &font), Ok);
    // The cell (ascent + descent) is taller than the em, so the em is smaller.
    const REAL em = SizeOf(font);
    EXPECT_LT(em, 20);
    EXPECT_GT(em, 15);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
}

TEST_F(EngineFont, WideLogfontReadsItsFaceAsUtf16) {
    LOGFONTW lf{};
    lf.lfHeight = -13;
    const char16_t face[] = u"Times New Roman";
    std::memcpy(lf.lfFaceName, face, sizeof face);
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontW(nullptr, &lf, &font), Ok);
    EXPECT_FLOAT_EQ(SizeOf(font), 13);
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipGetFamily(font, &family), Ok);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
}

TEST_F(EngineFont, CreateFontRefusesSizesAndUnitsItCannotUse) {
    // A family to create with: the one a LOGFONT font reports.
    LOGFONTA lf = Record(-12, "Times New Roman");
    GpFont* base = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &base), Ok);
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipGetFamily(base, &family), Ok);

    const REAL nan = std::numeric_limits<REAL>::quiet_NaN();
    const REAL inf = std::numeric_limits<REAL>::infinity();
    struct Case {
        REAL size;
        INT unit;
        GpStatus status;
    };
    for (const Case& c : {Case{0, UnitPoint, InvalidParameter}, Case{-3, UnitPoint, InvalidParameter},
                          Case{nan, UnitPoint, InvalidParameter}, Case{inf, UnitPoint, InvalidParameter},
                          Case{12, UnitDisplay, InvalidParameter}, Case{12, 7, InvalidParameter},
                          Case{12, UnitMillimeter, Ok}, Case{0.5f, UnitWorld, Ok}}) {
        GpFont* font = nullptr;
        EXPECT_EQ(GdipCreateFont(family, c.size, FontStyleRegular, c.unit, &font), c.status)
            << c.size << " in unit " << c.unit;
        if (font) {
            EXPECT_FLOAT_EQ(SizeOf(font), c.size);
            GdipDeleteFont(font);
        }
    }
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFont(nullptr, 12, 0, UnitPoint, &font), InvalidParameter);
    GdipDeleteFontFamily(family);
    GdipDeleteFont(base);
}

TEST_F(EngineFont, HeightScalesWithTheUnitAndTheResolution) {
    LOGFONTA lf = Record(-12, "Times New Roman");
    GpFont* base = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &base), Ok);
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipGetFamily(base, &family), Ok);
    GpFont* pixels = nullptr;
    GpFont* points = nullptr;
    ASSERT_EQ(GdipCreateFont(family, 16, 0, UnitPixel, &pixels), Ok);
    ASSERT_EQ(GdipCreateFont(family, 12, 0, UnitPoint, &points), Ok);

    REAL px96 = 0, px192 = 0, pt96 = 0, pt192 = 0, screen = 0;
    ASSERT_EQ(GdipGetFontHeightGivenDPI(pixels, 96, &px96), Ok);
    ASSERT_EQ(GdipGetFontHeightGivenDPI(pixels, 192, &px192), Ok);
    ASSERT_EQ(GdipGetFontHeightGivenDPI(points, 96, &pt96), Ok);
    ASSERT_EQ(GdipGetFontHeightGivenDPI(points, 192, &pt192), Ok);
    ASSERT_EQ(GdipGetFontHeight(points, nullptr, &screen), Ok);
    // Times New Roman and its stand-in space lines 2355 design units apart
    // on a 2048-unit em; 12 pt at 96 dpi is a 16 px em.
    EXPECT_NEAR(px96, 16 * 2355 / 2048.0, 1e-3);
    EXPECT_FLOAT_EQ(px192, px96);  // pixels do not scale with resolution
    EXPECT_NEAR(pt96, px96, 1e-3);
    EXPECT_NEAR(pt192, 2 * pt96, 1e-3);
    EXPECT_FLOAT_EQ(screen, pt96);  // no graphics: measured at 96 dpi

    GdipDeleteFont(pixels);
    GdipDeleteFont(points);
    GdipDeleteFontFamily(family);
    GdipDeleteFont(base);
}

TEST_F(EngineFont, CloneOutlivesItsOriginal) {
    LOGFONTA lf = Record(-30, "Times New Roman");
    lf.lfStrikeOut = 1;
    GpFont* font = nullptr;
    GpFont* clone = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &font), Ok);
    ASSERT_EQ(GdipCloneFont(font, &clone), Ok);
    ASSERT_EQ(GdipDeleteFont(font), Ok);
    INT style = 0;
    EXPECT_EQ(GdipGetFontStyle(clone, &style), Ok);
    EXPECT_EQ(style, FontStyleStrikeout);
    EXPECT_FLOAT_EQ(SizeOf(clone), 30);
    EXPECT_EQ(GdipDeleteFont(clone), Ok);
    EXPECT_EQ(GdipDeleteFont(clone), InvalidParameter);
}

TEST_F(EngineFont, DefaultGuiFontIsAnElevenPixelSans) {
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
    // The face is not installed anywhere here: an installed sans draws it.
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &font), Ok);
    EXPECT_FLOAT_EQ(SizeOf(font), 11);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
    EXPECT_EQ(GdipCreateFontFromDC(nullptr, &font), InvalidParameter);
    // Stock objects cannot be deleted.
    EXPECT_FALSE(DeleteObject(GetStockObject(DEFAULT_GUI_FONT)));
}

TEST_F(EngineFont, LogfontRoundTripsThroughAGraphics) {
    std::vector<BYTE> pixels(16 * 16 * 4);
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    if (GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB, pixels.data(), &bitmap) != Ok ||
        GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics) != Ok)
        GTEST_SKIP() << "no graphics to measure with in this build";

    LOGFONTA in = Record(-36, "Times New Roman");
    in.lfWeight = FW_BOLD;
    in.lfItalic = 1;
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &in, &font), Ok);
    LOGFONTA out{};
    ASSERT_EQ(GdipGetLogFontA(font, graphics, &out), Ok);
    EXPECT_EQ(out.lfHeight, -36);
    EXPECT_EQ(out.lfWeight, FW_BOLD);
    EXPECT_EQ(out.lfItalic, 1);
    EXPECT_STREQ(out.lfFaceName, "Times New Roman");
    LOGFONTW wide{};
    ASSERT_EQ(GdipGetLogFontW(font, graphics, &wide), Ok);
    EXPECT_EQ(wide.lfHeight, -36);
    EXPECT_EQ(std::u16string(wide.lfFaceName), u"Times New Roman");
    EXPECT_EQ(GdipGetLogFontA(font, nullptr, &out), InvalidParameter);

    GdipDeleteFont(font);
    GdipDeleteGraphics(graphics);
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
}

TEST_F(EngineFont, HeightOnAGraphicsIsInItsPageUnits) {
    std::vector<BYTE> pixels(16 * 16 * 4);
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB, pixels.data(), &bitmap), Ok);
    ASSERT_EQ(GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics), Ok);
    LOGFONTA lf = Record(-12, "Times New Roman");
    GpFont* base = nullptr;
    ASSERT_EQ(GdipCreateFontFromLogfontA(nullptr, &lf, &base), Ok);
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipGetFamily(base, &family), Ok);
    GpFont* points = nullptr;
    ASSERT_EQ(GdipCreateFont(family, 12, 0, UnitPoint, &points), Ok);

    // 12 pt: 16 px at 96 dpi; its line spacing is 2355/2048 of that.
    const REAL spacingPx = 16 * 2355 / 2048.0f;
    struct Case {
        GpUnit pageUnit;
        REAL pageScale;
        REAL expected;
    };
    for (const Case& c : {Case{UnitPixel, 1, spacingPx}, Case{UnitPoint, 1, spacingPx * 72 / 96},
                          Case{UnitInch, 1, spacingPx / 96}, Case{UnitPixel, 2, spacingPx / 2}}) {
        ASSERT_EQ(GdipSetPageUnit(graphics, c.pageUnit), Ok);
        ASSERT_EQ(GdipSetPageScale(graphics, c.pageScale), Ok);
        REAL height = 0;
        ASSERT_EQ(GdipGetFontHeight(points, graphics, &height), Ok);
        EXPECT_NEAR(height, c.expected, 1e-3) << "page unit " << c.pageUnit << " scale " << c.pageScale;
    }
    // The LOGFONT height is in device pixels whatever the page unit.
    LOGFONTA out{};
    ASSERT_EQ(GdipGetLogFontA(points, graphics, &out), Ok);
    EXPECT_EQ(out.lfHeight, -16);

    GdipDeleteFont(points);
    GdipDeleteFontFamily(family);
    GdipDeleteFont(base);
    GdipDeleteGraphics(graphics);
    GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
}

}  // namespace
