#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "binding.h"
#include "bitmap.h"
#include "graphics.h"
#include "graphics_session.h"

namespace {

using graphics::callCount;
using graphics::Graphics;
using graphics::LastStatus;

// A canvas-like paint target with a DC over it for the length of a test.
class GraphicsOnDC : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics::GraphicsSession::Start());
        store.fill(Qt::black);
        dc = createImageDC(&store);
        ASSERT_NE(dc, nullptr);
        graphics::resetCallCounts();
    }
    void TearDown() override { destroyImageDC(dc); }

    QImage store{6, 4, QImage::Format_RGB32};
    HDC dc = nullptr;
};

TEST_F(GraphicsOnDC, CreateFromHDCKeepsAllHandlesEqualAndRecordsTheDC) {
    Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(dc));
    EXPECT_EQ(LastStatus, Ok);
    EXPECT_NE(g.GetHandle(), nullptr);
    EXPECT_TRUE(g.IsValid());
    EXPECT_EQ(g.GetDeviceContext(), dc);
    EXPECT_EQ(callCount("GdipCreateFromHDC"), 1u);
    EXPECT_EQ(callCount("GdipCreateFromHDC2"), 0u);
}

TEST_F(GraphicsOnDC, CreateFromHDCWithADeviceHandleUsesTheSecondForm) {
    Graphics g;
    EXPECT_TRUE(g.CreateFromHDC(dc, graphics::Optional<HANDLE>(nullptr)));
    EXPECT_EQ(callCount("GdipCreateFromHDC2"), 1u);
    EXPECT_EQ(callCount("GdipCreateFromHDC"), 0u);
}

TEST_F(GraphicsOnDC, CreatingTwiceDeletesTheFirstGraphicsObject) {
    Graphics g;
    ASSERT_TRUE(g.CreateFromHDC(dc));
    ASSERT_TRUE(g.CreateFromHDC(dc));
    EXPECT_EQ(callCount("GdipDeleteGraphics"), 1u);
    EXPECT_EQ(callCount("GdipCreateFromHDC"), 2u);
}

TEST_F(GraphicsOnDC, AFailedCreateLeavesItEmptyButRecordsTheDC) {
    HDC dead = createImageDC(&store);
    destroyImageDC(dead);
    Graphics g;
    EXPECT_FALSE(g.CreateFromHDC(dead));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(g.GetHandle(), nullptr);
    EXPECT_FALSE(g.IsValid());
    EXPECT_EQ(g.GetDeviceContext(), dead);
}

TEST_F(GraphicsOnDC, DeleteOnEmptyMakesNoCallAndLeavesLastStatus) {
    Graphics g;
    LastStatus = ObjectBusy;
    EXPECT_FALSE(g.DeleteGraphics());
    EXPECT_EQ(LastStatus, ObjectBusy);
    g.Destroy();
    EXPECT_EQ(callCount("GdipDeleteGraphics"), 0u);
}

TEST_F(GraphicsOnDC, DestroyDeletesOnceAndTheDCStaysRecorded) {
    {
        Graphics g;
        ASSERT_TRUE(g.CreateFromHDC(dc));
        g.Destroy();
        EXPECT_EQ(g.GetHandle(), nullptr);
        EXPECT_EQ(g.GetDeviceContext(), dc);
        EXPECT_FALSE(g.DeleteGraphics());
    }  // the destructor finds nothing to delete
    EXPECT_EQ(callCount("GdipDeleteGraphics"), 1u);
}

TEST_F(GraphicsOnDC, TheDestructorDeletesAGraphicsObjectStillHeld) {
    { Graphics g; ASSERT_TRUE(g.CreateFromHDC(dc)); }
    EXPECT_EQ(callCount("GdipDeleteGraphics"), 1u);
}

TEST_F(GraphicsOnDC, GetPixelReadsTheRecordedDC) {
    Graphics g;
    EXPECT_EQ(g.GetPixel(0, 0), CLR_INVALID);  // no DC yet
    EXPECT_FALSE(g.IsPixelReadable(0, 0, 0));
    ASSERT_TRUE(g.CreateFromHDC(dc));
    store.setPixel(2, 1, qRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(g.GetPixel(2, 1), 0x00332211u);
    EXPECT_TRUE(g.IsPixelReadable(2, 1, 12345));
    const struct {
        int x, y;
    } outside[] = {{-1, 0}, {0, -1}, {6, 0}, {0, 4}};
    for (auto p : outside) {
        EXPECT_EQ(g.GetPixel(p.x, p.y), CLR_INVALID) << p.x << "," << p.y;
        EXPECT_FALSE(g.IsPixelReadable(p.x, p.y, 0));
    }
}

// The canvas's paint: clear to white, put the diagram bitmap at (0, 0) at
// its own size, delete, destroy.
TEST_F(GraphicsOnDC, ThePaintRoadClearsWhiteAndDrawsTheBitmapAtItsOwnSize) {
    graphics::Bitmap picture;
    ASSERT_TRUE(picture.CreateFromScan0(3, 2));  // transparent
    picture.BitmapSetPixel(0, 0, 0xFFFF0000);
    picture.BitmapSetPixel(2, 1, 0xFF0000FF);
    picture.BitmapSetPixel(1, 1, 0x80000000);  // half-transparent black
    graphics::resetCallCounts();

    auto g = std::make_unique<Graphics>();
    g->CreateFromHDC(dc);
    g->GraphicsClear(0xFFFFFFFF);
    EXPECT_TRUE(g->DrawImageRect(picture));
    EXPECT_TRUE(g->DeleteGraphics());
    g->Destroy();
    g.reset();

    EXPECT_EQ(store.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(store.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(store.pixel(1, 0), qRgb(255, 255, 255));  // transparent: the white shows
    EXPECT_NEAR(qRed(store.pixel(1, 1)), 127, 1);
    // Not scaled: the rest of the store is white.
    for (int y = 0; y < store.height(); ++y)
        for (int x = 0; x < store.width(); ++x)
            if (x >= 3 || y >= 2) {
                EXPECT_EQ(store.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
    for (const char* entry : {"GdipCreateFromHDC", "GdipGraphicsClear", "GdipDrawImageRect", "GdipDeleteGraphics"})
        EXPECT_EQ(callCount(entry), 1u) << entry;
}

TEST_F(GraphicsOnDC, ClearWithoutAColourIsTransparentBlack) {
    QImage layer(2, 2, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::white);
    HDC layerDC = createImageDC(&layer);
    for (HDC target : {dc, layerDC}) {
        Graphics g;
        ASSERT_TRUE(g.CreateFromHDC(target));
        ASSERT_TRUE(g.GraphicsClear());
    }
    EXPECT_EQ(layer.pixel(1, 1), 0u);
    EXPECT_EQ(store.pixel(1, 1), qRgb(0, 0, 0));  // no alpha on a window store
    destroyImageDC(layerDC);
}

TEST_F(GraphicsOnDC, ResolutionIs96OnADCAndZeroWhenEmpty) {
    Graphics g;
    EXPECT_EQ(g.GetDpiX(), 0.0f);
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(g.GetDpiY(), 0.0f);
    ASSERT_TRUE(g.CreateFromHDC(dc));
    EXPECT_EQ(g.GetDpiX(), 96.0f);
    EXPECT_EQ(g.GetDpiY(), 96.0f);
}

TEST_F(GraphicsOnDC, OnAnImageGetDCLendsADCOverItsPixels) {
    graphics::Bitmap picture;
    ASSERT_TRUE(picture.CreateFromScan0(2, 2));
    Graphics g;
    ASSERT_TRUE(g.CreateFromImage(picture));
    ASSERT_TRUE(g.GraphicsClear(0xFF00FF00));
    HDC lent = g.GetDC();
    ASSERT_NE(lent, nullptr);
    EXPECT_EQ(g.GetDeviceContext(), lent);
    EXPECT_EQ(g.GetPixel(1, 1), RGB(0, 255, 0));
    // A blit onto the image through the loan.
    ASSERT_TRUE(g.BitBltFrom(dc, 0, 0, 0, 0, 1, 1));
    EXPECT_TRUE(g.ReleaseDC());
    EXPECT_EQ(picture.BitmapGetPixel(0, 0), 0xFF000000u);
    EXPECT_FALSE(g.ReleaseDC());  // nothing lent any more
    EXPECT_EQ(LastStatus, InvalidParameter);

    graphics::Bitmap empty;
    Graphics none;
    EXPECT_FALSE(none.CreateFromImage(empty));
    EXPECT_FALSE(none.IsValid());
}

// A registered window whose paint target is the test's store.
class GraphicsOnWindow : public GraphicsOnDC {
protected:
    void SetUp() override {
        GraphicsOnDC::SetUp();
        window = registerWindow(&store, [](void* n) { ++*static_cast<int*>(n); }, &released);
    }
    void TearDown() override {
        unregisterWindow(window);
        GraphicsOnDC::TearDown();
    }

    HWND window = nullptr;
    int released = 0;
};

TEST_F(GraphicsOnWindow, CreateFromHWNDPicksTheICMFormByTheFlagsValue) {
    const struct {
        graphics::Optional<int> flag;
        const char* expected;
    } cases[] = {{{}, "GdipCreateFromHWND"}, {0, "GdipCreateFromHWND"}, {1, "GdipCreateFromHWNDICM"}};
    for (const auto& c : cases) {
        graphics::resetCallCounts();
        Graphics g;
        EXPECT_TRUE(g.CreateFromHWND(window, c.flag)) << c.expected;
        EXPECT_TRUE(g.IsValid());
        EXPECT_EQ(callCount(c.expected), 1u);
        EXPECT_EQ(g.GetDeviceContext(), nullptr);  // no DC involved
    }
    Graphics g;
    EXPECT_FALSE(g.CreateFromHWND(nullptr));
    EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(GraphicsOnWindow, CreateFromWindowDCGivesTheDCBackWithTheGraphicsObject) {
    Graphics g;
    ASSERT_TRUE(g.CreateFromWindowDC(window));
    HDC windowDC = g.GetDeviceContext();
    EXPECT_EQ(WindowFromDC(windowDC), window);
    EXPECT_EQ(g.GetPixel(0, 0), 0u);  // the store is black
    EXPECT_EQ(released, 0);
    ASSERT_TRUE(g.DeleteGraphics());
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(deviceContextIsLive(windowDC));
    EXPECT_EQ(g.GetDeviceContext(), windowDC);  // recorded still, as after any delete
}

TEST_F(GraphicsOnWindow, CreateFromWindowDCOnAWindowWithoutTargetFails) {
    setWindowPaintTarget(window, nullptr);
    Graphics g;
    EXPECT_FALSE(g.CreateFromWindowDC(window));
    EXPECT_EQ(g.GetDeviceContext(), nullptr);
    EXPECT_FALSE(g.IsValid());
}

// The blits draw into the recorded DC from a 2 x 2 source.
class Blits : public GraphicsOnDC {
protected:
    void SetUp() override {
        GraphicsOnDC::SetUp();
        source.fill(qPremultiply(qRgba(255, 0, 0, 128)));
        source.setPixel(1, 1, qRgb(0, 0, 255));
        sourceDC = createImageDC(&source);
        ASSERT_TRUE(g.CreateFromHDC(dc));
    }
    void TearDown() override {
        g.DeleteGraphics();
        destroyImageDC(sourceDC);
        GraphicsOnDC::TearDown();
    }

    QImage source{2, 2, QImage::Format_ARGB32_Premultiplied};
    HDC sourceDC = nullptr;
    Graphics g;
};

TEST_F(Blits, RasterOperationZeroOrLeftOutCopies) {
    LastStatus = Ok;
    ASSERT_TRUE(g.BitBltFrom(sourceDC, 1, 1, 0, 0, 1, 1, 0u));
    EXPECT_EQ(store.pixel(0, 0), qRgb(0, 0, 255));
    ASSERT_TRUE(g.BitBltFrom(sourceDC, 1, 1, 1, 0, 1, 1));
    EXPECT_EQ(store.pixel(1, 0), qRgb(0, 0, 255));
    ASSERT_TRUE(g.StretchBltFrom(sourceDC, 1, 1, 1, 1, 0, 1, 2, 2));
    EXPECT_EQ(store.pixel(1, 2), qRgb(0, 0, 255));
    // A given operation is used as it is.
    ASSERT_TRUE(g.BitBltFrom(sourceDC, 0, 0, 3, 0, 1, 1, graphics::Optional<DWORD>(WHITENESS)));
    EXPECT_EQ(store.pixel(3, 0), qRgb(255, 255, 255));
    EXPECT_EQ(LastStatus, Ok);
}

TEST_F(Blits, AlphaBlendWithAndWithoutPerPixelAlpha) {
    // Without the flag the constant 255 puts the source's colour bytes down
    // as they are; with it the half-transparent red shows the black below.
    ASSERT_TRUE(g.AlphaBlendFrom(sourceDC, 0, 0, 1, 1, 0, 0, 1, 1));
    EXPECT_EQ(store.pixel(0, 0), qRgb(128, 0, 0));
    store.fill(Qt::white);
    ASSERT_TRUE(g.AlphaBlendFrom(sourceDC, 0, 0, 1, 1, 0, 0, 1, 1, {}, 1));
    EXPECT_NEAR(qRed(store.pixel(0, 0)), 255, 1);
    EXPECT_NEAR(qGreen(store.pixel(0, 0)), 127, 1);
    // A constant alpha of 0 leaves the destination alone.
    ASSERT_TRUE(g.AlphaBlendFrom(sourceDC, 1, 1, 1, 1, 2, 2, 1, 1, 0, 1));
    EXPECT_EQ(store.pixel(2, 2), qRgb(255, 255, 255));
}

TEST_F(Blits, TransparentBltLeavesOutTheKeyWithEitherFunction) {
    for (int useTransparentBlt : {0, 1}) {
        store.fill(Qt::black);
        ASSERT_TRUE(g.TransparentBltFrom(sourceDC, 0, 0, 2, 2, 0, 0, 2, 2, RGB(0, 0, 255), useTransparentBlt));
        EXPECT_EQ(store.pixel(1, 1), qRgb(0, 0, 0));
        EXPECT_EQ(store.pixel(0, 0), qRgb(128, 0, 0));
    }
}

// Failing blits leave LastStatus at GenericError; a constant alpha out of
// range is refused before any blit.
TEST_F(Blits, FailuresAndTheirStatus) {
    Graphics noDC;
    const struct {
        const char* name;
        std::function<bool()> blit;
        int status;
    } cases[] = {
        {"BitBlt without a destination DC", [&] { return noDC.BitBltFrom(sourceDC, 0, 0, 0, 0, 1, 1); }, 1},
        {"BitBlt without a source DC", [&] { return g.BitBltFrom(nullptr, 0, 0, 0, 0, 1, 1); }, 1},
        {"StretchBlt without a source DC", [&] { return g.StretchBltFrom(nullptr, 0, 0, 1, 1, 0, 0, 1, 1); }, 1},
        {"AlphaBlend from outside the source", [&] { return g.AlphaBlendFrom(sourceDC, 1, 1, 2, 2, 0, 0, 2, 2); }, 1},
        {"AlphaBlend with alpha 256", [&] { return g.AlphaBlendFrom(sourceDC, 0, 0, 1, 1, 0, 0, 1, 1, 256); }, 2},
        {"AlphaBlend with alpha -1", [&] { return g.AlphaBlendFrom(sourceDC, 0, 0, 1, 1, 0, 0, 1, 1, -1); }, 2},
        {"TransparentBlt with a negative width",
         [&] { return g.TransparentBltFrom(sourceDC, 0, 0, 1, 1, 0, 0, -1, 1); }, 1},
    };
    const QImage before = store.copy();
    for (const auto& c : cases) {
        LastStatus = Ok;
        EXPECT_FALSE(c.blit()) << c.name;
        EXPECT_EQ(LastStatus, c.status) << c.name;
    }
    EXPECT_EQ(store, before);
}

}  // namespace
