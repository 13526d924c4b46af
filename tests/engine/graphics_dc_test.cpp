#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "gdiplus_flat.h"
#include "objects/graphics.h"
#include "objects/image.h"
#include "win32/device_context.h"

namespace {

class GraphicsOnDevice : public ::testing::Test {
protected:
    void SetUp() override {
        store.fill(Qt::black);
        dc = createImageDC(&store);
        window = registerWindow(&store, nullptr, nullptr);
        blank = registerWindow(nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        unregisterWindow(blank);
        unregisterWindow(window);
        destroyImageDC(dc);
    }

    QImage store{5, 3, QImage::Format_RGB32};
    HDC dc = nullptr;
    HWND window = nullptr;
    HWND blank = nullptr;
};

TEST_F(GraphicsOnDevice, EveryCreateDrawsOnTheTargetAt96Dpi) {
    const struct {
        const char* name;
        std::function<GpStatus(GpGraphics**)> create;
        HDC expectedDc;
    } cases[] = {
        {"HDC", [&](GpGraphics** g) { return GdipCreateFromHDC(dc, g); }, dc},
        {"HDC2", [&](GpGraphics** g) { return GdipCreateFromHDC2(dc, reinterpret_cast<HANDLE>(1), g); }, dc},
        {"HWND", [&](GpGraphics** g) { return GdipCreateFromHWND(window, g); }, nullptr},
        {"HWNDICM", [&](GpGraphics** g) { return GdipCreateFromHWNDICM(window, g); }, nullptr},
    };
    for (const auto& c : cases) {
        GpGraphics* g = nullptr;
        ASSERT_EQ(c.create(&g), Ok) << c.name;
        ASSERT_NE(g, nullptr) << c.name;
        EXPECT_EQ(g->device, &store) << c.name;
        EXPECT_EQ(g->hdc, c.expectedDc) << c.name;
        REAL dpi = 0;
        EXPECT_EQ(GdipGetDpiX(g, &dpi), Ok);
        EXPECT_EQ(dpi, 96.0f) << c.name;
        EXPECT_EQ(GdipDeleteGraphics(g), Ok) << c.name;
    }
}

TEST_F(GraphicsOnDevice, CreatesRefuseWhatHasNothingToDrawOn) {
    HDC dead = createImageDC(&store);
    destroyImageDC(dead);
    HDC blankDc = GetDC(blank);  // null: the window has no target
    auto* const untouched = reinterpret_cast<GpGraphics*>(0x1234);
    const struct {
        const char* name;
        std::function<GpStatus(GpGraphics**)> create;
    } cases[] = {
        {"null DC", [&](GpGraphics** g) { return GdipCreateFromHDC(nullptr, g); }},
        {"dead DC", [&](GpGraphics** g) { return GdipCreateFromHDC(dead, g); }},
        {"DC of a window without target", [&](GpGraphics** g) { return GdipCreateFromHDC(blankDc, g); }},
        {"dead DC, second form", [&](GpGraphics** g) { return GdipCreateFromHDC2(dead, nullptr, g); }},
        {"null window", [&](GpGraphics** g) { return GdipCreateFromHWND(nullptr, g); }},
        {"window without target", [&](GpGraphics** g) { return GdipCreateFromHWND(blank, g); }},
        {"window without target, ICM", [&](GpGraphics** g) { return GdipCreateFromHWNDICM(blank, g); }},
    };
    for (const auto& c : cases) {
        GpGraphics* g = untouched;
        EXPECT_EQ(c.create(&g), InvalidParameter) << c.name;
        EXPECT_EQ(g, untouched) << c.name;
    }
    EXPECT_EQ(GdipCreateFromHDC(dc, nullptr), InvalidParameter);
    EXPECT_EQ(GdipCreateFromHWND(window, nullptr), InvalidParameter);
}

TEST_F(GraphicsOnDevice, GetDCLendsTheDCTheGraphicsWasMadeOn) {
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(dc, &g), Ok);
    HDC lent = nullptr;
    ASSERT_EQ(GdipGetDC(g, &lent), Ok);
    EXPECT_EQ(lent, dc);
    HDC again = nullptr;
    EXPECT_EQ(GdipGetDC(g, &again), ObjectBusy);
    EXPECT_EQ(again, nullptr);
    EXPECT_EQ(GdipReleaseDC(g, nullptr), InvalidParameter);
    EXPECT_EQ(GdipReleaseDC(g, lent), Ok);
    EXPECT_EQ(GdipReleaseDC(g, lent), InvalidParameter);  // nothing lent now
    EXPECT_TRUE(deviceContextIsLive(dc));                  // still the caller's

    // Once the caller has ended its DC there is nothing to lend.
    HDC own = createImageDC(&store);
    GpGraphics* orphan = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(own, &orphan), Ok);
    destroyImageDC(own);
    EXPECT_EQ(GdipGetDC(orphan, &lent), Win32Error);
    EXPECT_EQ(GdipDeleteGraphics(orphan), Ok);
    EXPECT_EQ(GdipDeleteGraphics(g), Ok);
}

TEST_F(GraphicsOnDevice, GetDCOnAnImageGraphicsShowsWhatWasDrawnAndEndsWithTheLoan) {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(bitmap, &g), Ok);
    ASSERT_EQ(GdipGraphicsClear(g, 0xFF102030), Ok);
    HDC lent = nullptr;
    ASSERT_EQ(GdipGetDC(g, &lent), Ok);
    EXPECT_EQ(GetPixel(lent, 3, 3), RGB(0x10, 0x20, 0x30));
    // GDI drawing through the loan lands in the image.
    SetPixel(lent, 0, 0, RGB(255, 0, 0));
    ASSERT_EQ(GdipReleaseDC(g, lent), Ok);
    EXPECT_FALSE(deviceContextIsLive(lent));
    ARGB pixel = 0;
    EXPECT_EQ(GdipBitmapGetPixel(bitmap, 0, 0, &pixel), Ok);
    EXPECT_EQ(pixel, 0xFFFF0000u);

    // A loan still out when the graphics object goes ends with it.
    ASSERT_EQ(GdipGetDC(g, &lent), Ok);
    EXPECT_EQ(GdipDeleteGraphics(g), Ok);
    EXPECT_FALSE(deviceContextIsLive(lent));
    GdipDisposeImage(bitmap);
}

TEST_F(GraphicsOnDevice, GetDCAndReleaseDCCheckTheirArguments) {
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromHWND(window, &g), Ok);
    HDC lent = nullptr;
    EXPECT_EQ(GdipGetDC(nullptr, &lent), InvalidParameter);
    EXPECT_EQ(GdipGetDC(g, nullptr), InvalidParameter);
    EXPECT_EQ(GdipReleaseDC(nullptr, dc), InvalidParameter);
    EXPECT_EQ(GdipReleaseDC(g, dc), InvalidParameter);  // not lent by g
    // A graphics on a window lends a DC over the window's target.
    ASSERT_EQ(GdipGetDC(g, &lent), Ok);
    EXPECT_EQ(deviceContextTarget(lent), &store);
    EXPECT_EQ(GdipReleaseDC(g, lent), Ok);
    EXPECT_EQ(GdipDeleteGraphics(g), Ok);
}

}  // namespace
