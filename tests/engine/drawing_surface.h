// A small bitmap with a graphics object on it, for drawing tests: pixels are
// read back as straight ARGB. Fixtures that need another family's create
// function skip while that function answers NotImplemented.
#pragma once

#include <gtest/gtest.h>

#include <QRect>
#include <string>

#include "gdiplus_flat.h"

namespace drawing_test {

inline void startEngine() {
    static ULONG_PTR token = 0;
    if (token) return;
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
}

// Skips the running test when a fixture's create function is missing.
#define SKIP_IF_MISSING(call)                                                       \
    do {                                                                            \
        const GpStatus status_ = (call);                                            \
        if (status_ == NotImplemented) GTEST_SKIP() << #call << " not available";   \
        ASSERT_EQ(status_, Ok) << #call;                                            \
    } while (0)

struct Surface {
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    int width = 0, height = 0;

    // Creates a transparent bitmap and its graphics; false when the engine
    // cannot make bitmaps yet.
    GpStatus create(int w, int h, PixelFormat format = PixelFormat32bppARGB) {
        width = w;
        height = h;
        GpStatus s = GdipCreateBitmapFromScan0(w, h, 0, format, nullptr, &bitmap);
        if (s != Ok) return s;
        return GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
    }
    ~Surface() {
        if (graphics) GdipDeleteGraphics(graphics);
        if (bitmap) GdipDisposeImage(reinterpret_cast<GpImage*>(bitmap));
    }
    GpImage* image() const { return reinterpret_cast<GpImage*>(bitmap); }

    ARGB pixel(int x, int y) const {
        ARGB c = 0;
        EXPECT_EQ(GdipBitmapGetPixel(bitmap, x, y, &c), Ok);
        return c;
    }
    int alpha(int x, int y) const { return int(pixel(x, y) >> 24); }
    // True when a pixel within `radius` of (x, y) has ink on it.
    bool inkNear(double x, double y, int radius = 1) const {
        for (int py = int(y) - radius; py <= int(y) + radius; ++py)
            for (int px = int(x) - radius; px <= int(x) + radius; ++px)
                if (px >= 0 && py >= 0 && px < width && py < height && alpha(px, py) > 0) return true;
        return false;
    }
    // The smallest rectangle holding every pixel with alpha above `threshold`.
    QRect inkBounds(int threshold = 0) const {
        QRect r;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (alpha(x, y) > threshold) r |= QRect(x, y, 1, 1);
        return r;
    }
};

// Engine objects released at the end of a test.
struct Pen {
    GpPen* pen = nullptr;
    ~Pen() {
        if (pen) GdipDeletePen(pen);
    }
};
struct Brush {
    GpSolidFill* brush = nullptr;
    GpBrush* get() const { return reinterpret_cast<GpBrush*>(brush); }
    ~Brush() {
        if (brush) GdipDeleteBrush(get());
    }
};

}  // namespace drawing_test
