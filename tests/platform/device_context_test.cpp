#include <gtest/gtest.h>

#include <QImage>

#include "win32/device_context.h"

namespace {

// An image DC that ends with the test.
struct ImageDC {
    explicit ImageDC(int w, int h, QImage::Format format = QImage::Format_ARGB32_Premultiplied, QRgb fill = 0)
        : image(w, h, format) {
        image.fill(fill);
        dc = createImageDC(&image);
    }
    ~ImageDC() { destroyImageDC(dc); }
    QRgb at(int x, int y) const { return image.pixel(x, y); }

    QImage image;
    HDC dc = nullptr;
};

TEST(ImageDCTest, OnlyTheThirtyTwoBitFormatsGetADC) {
    QImage null;
    EXPECT_EQ(createImageDC(nullptr), nullptr);
    EXPECT_EQ(createImageDC(&null), nullptr);
    for (auto format : {QImage::Format_RGB888, QImage::Format_Indexed8, QImage::Format_RGBA8888}) {
        QImage image(2, 2, format);
        EXPECT_EQ(createImageDC(&image), nullptr) << format;
    }
    for (auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage image(2, 2, format);
        HDC dc = createImageDC(&image);
        ASSERT_NE(dc, nullptr) << format;
        EXPECT_TRUE(deviceContextIsLive(dc));
        EXPECT_EQ(deviceContextTarget(dc), &image);
        EXPECT_TRUE(destroyImageDC(dc));
        EXPECT_FALSE(deviceContextIsLive(dc));
        EXPECT_FALSE(destroyImageDC(dc));
    }
}

TEST(WindowDCTest, GetDCPaintsOnTheWindowsCurrentTarget) {
    EXPECT_EQ(GetDC(nullptr), nullptr);
    int drawn = 0;
    HWND window = registerWindow(nullptr, [](void* n) { ++*static_cast<int*>(n); }, &drawn);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(GetDC(window), nullptr);  // nothing to paint on yet

    QImage first(4, 4, QImage::Format_RGB32), second(4, 4, QImage::Format_RGB32);
    first.fill(Qt::black);
    second.fill(Qt::black);
    ASSERT_TRUE(setWindowPaintTarget(window, &first));
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), window);
    EXPECT_FALSE(destroyImageDC(dc));  // window DCs go back with ReleaseDC
    SetPixel(dc, 1, 1, RGB(255, 0, 0));
    EXPECT_EQ(first.pixel(1, 1), qRgb(255, 0, 0));

    // The DC follows the window to its new target.
    setWindowPaintTarget(window, &second);
    EXPECT_EQ(deviceContextTarget(dc), &second);
    SetPixel(dc, 2, 2, RGB(0, 0, 255));
    EXPECT_EQ(second.pixel(2, 2), qRgb(0, 0, 255));

    HWND other = registerWindow(&first, nullptr, nullptr);
    EXPECT_EQ(ReleaseDC(other, dc), 0);
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(ReleaseDC(window, dc), 0);
    EXPECT_TRUE(unregisterWindow(other));
    EXPECT_TRUE(unregisterWindow(window));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(unregisterWindow(window));
}

TEST(WindowDCTest, ADCOutlivingItsWindowPaintsNowhereAndStillGoesBack) {
    QImage store(2, 2, QImage::Format_RGB32);
    store.fill(Qt::white);
    HWND window = registerWindow(&store, nullptr, nullptr);
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    unregisterWindow(window);
    EXPECT_TRUE(deviceContextIsLive(dc));
    EXPECT_EQ(deviceContextTarget(dc), nullptr);
    EXPECT_EQ(WindowFromDC(dc), nullptr);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(store.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    EXPECT_FALSE(deviceContextIsLive(dc));
}

TEST(PixelTest, GetPixelReadsColoursAndRefusesOutside) {
    ImageDC target(3, 2, QImage::Format_ARGB32_Premultiplied, 0);
    target.image.setPixel(0, 0, qRgb(0x12, 0x34, 0x56));
    target.image.setPixel(1, 0, qPremultiply(qRgba(200, 100, 50, 128)));  // read over black
    const struct {
        int x, y;
        COLORREF expected;
    } cases[] = {
        {0, 0, 0x00563412},
        {1, 0, RGB(100, 50, 25)},
        {2, 1, 0},
        {-1, 0, CLR_INVALID},
        {0, -1, CLR_INVALID},
        {3, 0, CLR_INVALID},
        {0, 2, CLR_INVALID},
    };
    for (const auto& c : cases) EXPECT_EQ(GetPixel(target.dc, c.x, c.y), c.expected) << c.x << "," << c.y;
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    HDC dead = createImageDC(&target.image);
    destroyImageDC(dead);
    EXPECT_EQ(GetPixel(dead, 0, 0), CLR_INVALID);
}

TEST(PixelTest, SetPixelWritesOpaqueInEveryFormat) {
    for (auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        ImageDC target(2, 2, format, 0);
        EXPECT_EQ(SetPixel(target.dc, 1, 0, 0xAA102030), 0x00102030u) << format;
        EXPECT_EQ(target.at(1, 0), qRgb(0x30, 0x20, 0x10)) << format;
        EXPECT_EQ(GetPixel(target.dc, 1, 0), 0x00102030u) << format;
    }
}

constexpr QRgb kSrc = 0xFF3C5A96;   // opaque (60, 90, 150)
constexpr QRgb kDest = 0xFFF0A00F;  // opaque (240, 160, 15)

// Every raster operation on one source pixel over one destination pixel;
// the pattern is the DC's white brush.
TEST(BitBltTest, RasterOperationsCombinePatternSourceAndDestination) {
    const struct {
        const char* name;
        DWORD rop;
        QRgb expected;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, kSrc},
        {"SRCPAINT", SRCPAINT, 0xFF000000 | (kSrc | kDest)},
        {"SRCAND", SRCAND, kSrc & kDest},
        {"SRCINVERT", SRCINVERT, 0xFF000000 | (kSrc ^ kDest)},
        {"SRCERASE", SRCERASE, 0xFF000000 | (kSrc & ~kDest)},
        {"NOTSRCCOPY", NOTSRCCOPY, 0xFF000000 | ~kSrc},
        {"NOTSRCERASE", NOTSRCERASE, 0xFF000000 | ~(kSrc | kDest)},
        {"MERGECOPY", MERGECOPY, kSrc},  // source AND white
        {"MERGEPAINT", MERGEPAINT, 0xFF000000 | (~kSrc | kDest)},
        {"PATCOPY", PATCOPY, 0xFFFFFFFF},
        {"PATINVERT", PATINVERT, 0xFF000000 | ~kDest},
        {"DSTINVERT", DSTINVERT, 0xFF000000 | ~kDest},
        {"BLACKNESS", BLACKNESS, 0xFF000000},
        {"WHITENESS", WHITENESS, 0xFFFFFFFF},
        {"zero is the all-zero table", 0, 0xFF000000},
        {"flags are ignored", SRCCOPY | NOMIRRORBITMAP | CAPTUREBLT, kSrc},
    };
    for (const auto& c : cases) {
        ImageDC src(1, 1, QImage::Format_RGB32, kSrc);
        ImageDC dest(1, 1, QImage::Format_RGB32, kDest);
        EXPECT_TRUE(BitBlt(dest.dc, 0, 0, 1, 1, src.dc, 0, 0, c.rop)) << c.name;
        EXPECT_EQ(dest.at(0, 0), c.expected) << c.name;
    }
}

TEST(BitBltTest, CopyKeepsAlphaOtherOperationsGiveOpaqueColour) {
    const QRgb half = qPremultiply(qRgba(200, 100, 50, 128));
    ImageDC src(1, 1, QImage::Format_ARGB32_Premultiplied, half);
    ImageDC dest(1, 1, QImage::Format_ARGB32_Premultiplied, 0);
    ASSERT_TRUE(BitBlt(dest.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dest.at(0, 0), half);
    ASSERT_TRUE(BitBlt(dest.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCPAINT));
    EXPECT_EQ(qAlpha(dest.at(0, 0)), 255);
    // Into a window-like store without alpha the pixel shows over black.
    ImageDC opaque(1, 1, QImage::Format_RGB32, 0xFFFFFFFF);
    ASSERT_TRUE(BitBlt(opaque.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(opaque.at(0, 0), qRgb(100, 50, 25));
}

// A 4 x 1 source numbered by x; the result lists the destination's blue
// channel per pixel (0 where nothing was written).
std::vector<int> blitRow(int destX, int w, int srcX, int srcW, bool stretch) {
    ImageDC src(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) src.image.setPixel(x, 0, qRgb(0, 0, 10 + x));
    ImageDC dest(4, 1, QImage::Format_RGB32, qRgb(0, 0, 0));
    BOOL ok = stretch ? StretchBlt(dest.dc, destX, 0, w, 1, src.dc, srcX, 0, srcW, 1, SRCCOPY)
                      : BitBlt(dest.dc, destX, 0, w, 1, src.dc, srcX, 0, SRCCOPY);
    EXPECT_TRUE(ok);
    std::vector<int> row;
    for (int x = 0; x < 4; ++x) row.push_back(qBlue(dest.at(x, 0)));
    return row;
}

TEST(BitBltTest, RectanglesClipToBothImagesAndNegativeExtentsRunBackwards) {
    const struct {
        const char* name;
        int destX, w, srcX, srcW;
        bool stretch;
        std::vector<int> expected;
    } cases[] = {
        {"whole row", 0, 4, 0, 4, false, {10, 11, 12, 13}},
        {"shifted right, clipped by the destination", 2, 4, 0, 4, false, {0, 0, 10, 11}},
        {"source partly left of its image", 0, 3, -1, 3, false, {0, 10, 11, 0}},
        {"destination left of its image", -2, 4, 0, 4, false, {12, 13, 0, 0}},
        {"zero width draws nothing", 0, 0, 0, 0, false, {0, 0, 0, 0}},
        {"negative width runs left from x", 3, -2, 3, -2, false, {0, 0, 12, 13}},
        {"stretch doubles", 0, 4, 1, 2, true, {11, 11, 12, 12}},
        {"stretch halves", 0, 2, 0, 4, true, {10, 12, 0, 0}},
        {"opposite signs mirror", 0, 4, 3, -4, true, {13, 12, 11, 10}},
        {"negative destination mirrors", 3, -4, 0, 4, true, {13, 12, 11, 10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(blitRow(c.destX, c.w, c.srcX, c.srcW, c.stretch), c.expected) << c.name;
}

TEST(BitBltTest, OverlappingCopyWithinOneImageReadsThePixelsAsTheyWere) {
    ImageDC image(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) image.image.setPixel(x, 0, qRgb(0, 0, 10 + x));
    ASSERT_TRUE(BitBlt(image.dc, 1, 0, 3, 1, image.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(qBlue(image.at(1, 0)), 10);
    EXPECT_EQ(qBlue(image.at(2, 0)), 11);
    EXPECT_EQ(qBlue(image.at(3, 0)), 12);
}

TEST(BitBltTest, ASourceIsNeededOnlyByOperationsThatReadIt) {
    ImageDC dest(2, 2, QImage::Format_RGB32, 0xFF000000);
    EXPECT_FALSE(BitBlt(dest.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 2, 2, dest.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.dc, 0, 0, 2, 2, nullptr, 0, 0, PATCOPY));
    EXPECT_EQ(dest.at(1, 1), 0xFFFFFFFFu);
    EXPECT_TRUE(BitBlt(dest.dc, 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(dest.at(0, 0), 0xFF000000u);
}

BLENDFUNCTION blendOf(BYTE alpha, BYTE format) {
    return {AC_SRC_OVER, 0, alpha, format};
}

TEST(AlphaBlendTest, ConstantAndPerPixelAlpha) {
    const QRgb halfRed = qPremultiply(qRgba(255, 0, 0, 128));  // (128, 0, 0, 128)
    const struct {
        const char* name;
        QRgb src;
        BYTE constant;
        BYTE format;
        QRgb expected;  // over opaque white (RGB32)
    } cases[] = {
        {"opaque source, full weight", 0xFF0000FF, 255, 0, 0xFF0000FF},
        {"opaque source, half weight", 0xFF0000FF, 128, 0, qRgb(127, 127, 255)},
        {"no weight leaves the destination", 0xFF0000FF, 0, AC_SRC_ALPHA, 0xFFFFFFFF},
        // Without AC_SRC_ALPHA the source's alpha is not looked at.
        {"constant only ignores the source alpha", halfRed, 255, 0, qRgb(128, 0, 0)},
        {"per-pixel alpha", halfRed, 255, AC_SRC_ALPHA, qRgb(255, 127, 127)},
        {"per-pixel and constant", halfRed, 128, AC_SRC_ALPHA, qRgb(255, 191, 191)},
    };
    for (const auto& c : cases) {
        ImageDC src(1, 1, QImage::Format_ARGB32_Premultiplied, c.src);
        ImageDC dest(1, 1, QImage::Format_RGB32, 0xFFFFFFFF);
        ASSERT_TRUE(AlphaBlend(dest.dc, 0, 0, 1, 1, src.dc, 0, 0, 1, 1, blendOf(c.constant, c.format))) << c.name;
        QRgb got = dest.at(0, 0);
        EXPECT_NEAR(qRed(got), qRed(c.expected), 1) << c.name;
        EXPECT_NEAR(qGreen(got), qGreen(c.expected), 1) << c.name;
        EXPECT_NEAR(qBlue(got), qBlue(c.expected), 1) << c.name;
    }
}

TEST(AlphaBlendTest, KeepsTheDestinationPremultipliedAndStretches) {
    ImageDC src(1, 1, QImage::Format_ARGB32_Premultiplied, qPremultiply(qRgba(0, 0, 255, 128)));
    ImageDC dest(2, 2, QImage::Format_ARGB32_Premultiplied, 0);
    ASSERT_TRUE(AlphaBlend(dest.dc, 0, 0, 2, 2, src.dc, 0, 0, 1, 1, blendOf(255, AC_SRC_ALPHA)));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(dest.at(x, y), src.at(0, 0));
}

TEST(AlphaBlendTest, RefusesWhatItCannotDo) {
    ImageDC src(4, 4, QImage::Format_ARGB32_Premultiplied, 0xFF102030);
    ImageDC dest(4, 4, QImage::Format_ARGB32_Premultiplied, 0xFFFFFFFF);
    const BLENDFUNCTION good = blendOf(255, 0);
    const struct {
        const char* name;
        HDC destDc, srcDc;
        int dx, dw, sx, sw;
        BLENDFUNCTION blend;
    } cases[] = {
        {"no destination", nullptr, src.dc, 0, 2, 0, 2, good},
        {"no source", dest.dc, nullptr, 0, 2, 0, 2, good},
        {"negative destination width", dest.dc, src.dc, 2, -2, 0, 2, good},
        {"negative source width", dest.dc, src.dc, 0, 2, 2, -2, good},
        {"source past its image", dest.dc, src.dc, 0, 2, 3, 2, good},
        {"source left of its image", dest.dc, src.dc, 0, 2, -1, 2, good},
        {"overlap within one image", src.dc, src.dc, 1, 2, 0, 2, good},
        {"unknown blend operation", dest.dc, src.dc, 0, 2, 0, 2, {1, 0, 255, 0}},
        {"blend flags", dest.dc, src.dc, 0, 2, 0, 2, {0, 1, 255, 0}},
        {"unknown alpha format", dest.dc, src.dc, 0, 2, 0, 2, {0, 0, 255, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(AlphaBlend(c.destDc, c.dx, 0, c.dw, 2, c.srcDc, c.sx, 0, c.sw, 2, c.blend)) << c.name;
    }
    EXPECT_EQ(dest.at(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(src.at(1, 0), 0xFF102030u);
    // Apart within one image is fine.
    EXPECT_TRUE(AlphaBlend(src.dc, 2, 0, 2, 2, src.dc, 0, 0, 2, 2, good));
}

TEST(TransparentBltTest, LeavesOutTheKeyColourUnderBothNames) {
    for (auto blit : {TransparentBlt, GdiTransparentBlt}) {
        ImageDC src(2, 1, QImage::Format_RGB32);
        src.image.setPixel(0, 0, qRgb(255, 0, 255));
        src.image.setPixel(1, 0, qRgb(1, 2, 3));
        ImageDC dest(4, 1, QImage::Format_RGB32, 0xFFFFFFFF);
        ASSERT_TRUE(blit(dest.dc, 0, 0, 4, 1, src.dc, 0, 0, 2, 1, RGB(255, 0, 255)));
        EXPECT_EQ(dest.at(0, 0), 0xFFFFFFFFu);
        EXPECT_EQ(dest.at(1, 0), 0xFFFFFFFFu);
        EXPECT_EQ(dest.at(2, 0), qRgb(1, 2, 3));
        EXPECT_EQ(dest.at(3, 0), qRgb(1, 2, 3));
        EXPECT_FALSE(blit(dest.dc, 0, 0, -1, 1, src.dc, 0, 0, 2, 1, 0));
        EXPECT_FALSE(blit(dest.dc, 0, 0, 1, 1, nullptr, 0, 0, 1, 1, 0));
    }
}

}  // namespace
