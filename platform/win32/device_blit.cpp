// Blits between the images of two device contexts. Stretching ones sample
// the source by stepping through it at the ratio of the two extents, as a
// colour-on-colour stretch does: no smoothing, rows and columns repeated or
// dropped.
#include <cstdlib>

#include "device_record.h"

namespace {

using win32::readPixel;
using win32::writePixel;

// One side of a blit along one axis: `count` pixels starting at `start`,
// running towards lower coordinates when the extent was negative.
struct Span {
    int start;
    int count;
    int step;
    int at(int i) const { return start + i * step; }
};

Span span(int origin, int extent) {
    return {origin, std::abs(extent), extent < 0 ? -1 : 1};
}

// The source index for destination index i.
int sample(int i, int destCount, int srcCount) {
    return static_cast<int>(static_cast<long long>(i) * srcCount / destCount);
}

// A rectangle of pixels in blit order, with the images it reads and writes.
struct Blit {
    QImage* dest = nullptr;
    const QImage* src = nullptr;
    Span dx, dy, sx, sy;
    // Keeps a copy of the source when it is the destination image, so that
    // overlapping rectangles read the pixels as they were before the blit.
    QImage snapshot;

    bool inside(const QImage& image, int x, int y) const {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height();
    }

    // Calls f(x, y, srcPixel) for every destination pixel whose source
    // pixel lies inside the source image (or for every destination pixel
    // when there is no source; srcPixel is then 0).
    template <class F>
    void forEach(F f) {
        if (src && src == dest) {
            snapshot = src->copy();
            src = &snapshot;
        }
        for (int j = 0; j < dy.count; ++j) {
            int y = dy.at(j);
            if (y < 0 || y >= dest->height()) continue;
            int ys = src ? sy.at(sample(j, dy.count, sy.count)) : 0;
            if (src && (ys < 0 || ys >= src->height())) continue;
            for (int i = 0; i < dx.count; ++i) {
                int x = dx.at(i);
                if (x < 0 || x >= dest->width()) continue;
                QRgb s = 0;
                if (src) {
                    int xs = sx.at(sample(i, dx.count, sx.count));
                    if (!inside(*src, xs, ys)) continue;
                    s = readPixel(*src, xs, ys);
                }
                f(x, y, s);
            }
        }
    }
};

// The ternary raster operation `rop3` on 32-bit words: bit i of rop3 is the
// result for pattern bit (i & 4), source bit (i & 2), destination bit (i & 1).
std::uint32_t ternary(std::uint8_t rop3, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (rop3 >> i & 1) r |= (i & 4 ? p : ~p) & (i & 2 ? s : ~s) & (i & 1 ? d : ~d);
    return r;
}

bool usesSource(std::uint8_t rop3) {
    return ((rop3 >> 2) ^ rop3) & 0x33;
}

BOOL rasterBlit(HDC destDc, int xDest, int yDest, int wDest, int hDest, HDC srcDc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
    win32::DeviceTarget dest = win32::resolveDevice(destDc);
    if (!dest.image) return FALSE;
    auto rop3 = static_cast<std::uint8_t>(rop >> 16);
    const QImage* srcImage = nullptr;
    if (usesSource(rop3)) {
        srcImage = win32::resolveDevice(srcDc).image;
        if (!srcImage) return FALSE;
    }
    if (wDest == 0 || hDest == 0 || (srcImage && (wSrc == 0 || hSrc == 0))) return TRUE;

    Blit blit{dest.image, srcImage, span(xDest, wDest), span(yDest, hDest), span(xSrc, wSrc), span(ySrc, hSrc), {}};
    QRgb pattern = win32::fromColorRef(dest.dc->brush) & 0x00FFFFFFu;
    blit.forEach([&](int x, int y, QRgb s) {
        if (rop3 == 0xAA) return;  // the destination as it is
        QRgb result;
        if (rop3 == 0xCC) {
            result = s;  // a plain copy keeps the source's alpha
        } else {
            QRgb d = readPixel(*dest.image, x, y);
            result = 0xFF000000u | (ternary(rop3, pattern, s, d) & 0x00FFFFFFu);
        }
        writePixel(*dest.image, x, y, result);
    });
    return TRUE;
}

BOOL transparentBlit(HDC destDc, int xDest, int yDest, int wDest, int hDest, HDC srcDc, int xSrc, int ySrc,
                     int wSrc, int hSrc, UINT transparent) {
    QImage* dest = win32::resolveDevice(destDc).image;
    const QImage* src = win32::resolveDevice(srcDc).image;
    if (!dest || !src || wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) return FALSE;
    if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;
    COLORREF key = transparent & 0x00FFFFFFu;
    Blit blit{dest, src, span(xDest, wDest), span(yDest, hDest), span(xSrc, wSrc), span(ySrc, hSrc), {}};
    blit.forEach([&](int x, int y, QRgb s) {
        if (win32::toColorRef(s) != key) writePixel(*dest, x, y, s);
    });
    return TRUE;
}

// c * k / 255, rounded.
std::uint32_t scaleChannel(std::uint32_t c, std::uint32_t k) {
    std::uint32_t t = c * k + 128;
    return (t + (t >> 8)) >> 8;
}

QRgb scalePixel(QRgb p, std::uint32_t k) {
    return qRgba(static_cast<int>(scaleChannel(qRed(p), k)), static_cast<int>(scaleChannel(qGreen(p), k)),
                 static_cast<int>(scaleChannel(qBlue(p), k)), static_cast<int>(scaleChannel(qAlpha(p), k)));
}

QRgb addPixels(QRgb a, QRgb b) {
    auto clamp = [](int v) { return v > 255 ? 255 : v; };
    return qRgba(clamp(qRed(a) + qRed(b)), clamp(qGreen(a) + qGreen(b)), clamp(qBlue(a) + qBlue(b)),
                 clamp(qAlpha(a) + qAlpha(b)));
}

}  // namespace

BOOL WINAPI BitBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop) {
    return rasterBlit(dest, x, y, cx, cy, src, x1, y1, cx, cy, rop);
}

BOOL WINAPI StretchBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc, int ySrc, int wSrc,
                       int hSrc, DWORD rop) {
    return rasterBlit(dest, xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, rop);
}

BOOL WINAPI AlphaBlend(HDC destDc, int xDest, int yDest, int wDest, int hDest, HDC srcDc, int xSrc, int ySrc,
                       int wSrc, int hSrc, BLENDFUNCTION blend) {
    QImage* dest = win32::resolveDevice(destDc).image;
    const QImage* src = win32::resolveDevice(srcDc).image;
    if (!dest || !src) return FALSE;
    if (blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 ||
        (blend.AlphaFormat != 0 && blend.AlphaFormat != AC_SRC_ALPHA))
        return FALSE;
    if (wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) return FALSE;
    // The source rectangle must lie within the source image.
    if (xSrc < 0 || ySrc < 0 || xSrc + static_cast<long long>(wSrc) > src->width() ||
        ySrc + static_cast<long long>(hSrc) > src->height())
        return FALSE;
    if (src == dest) {
        QRect a(xDest, yDest, wDest, hDest), b(xSrc, ySrc, wSrc, hSrc);
        if (a.intersects(b)) return FALSE;
    }
    if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;

    const std::uint32_t k = blend.SourceConstantAlpha;
    const bool perPixel = blend.AlphaFormat == AC_SRC_ALPHA;
    Blit blit{dest, src, span(xDest, wDest), span(yDest, hDest), span(xSrc, wSrc), span(ySrc, hSrc), {}};
    blit.forEach([&](int x, int y, QRgb s) {
        QRgb d = readPixel(*dest, x, y);
        QRgb weighted = scalePixel(s, k);
        std::uint32_t keep = perPixel ? 255 - qAlpha(weighted) : 255 - k;
        writePixel(*dest, x, y, addPixels(weighted, scalePixel(d, keep)));
    });
    return TRUE;
}

BOOL WINAPI TransparentBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc, int ySrc,
                           int wSrc, int hSrc, UINT transparent) {
    return transparentBlit(dest, xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, transparent);
}

BOOL WINAPI GdiTransparentBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc, int ySrc,
                              int wSrc, int hSrc, UINT transparent) {
    return transparentBlit(dest, xDest, yDest, wDest, hDest, src, xSrc, ySrc, wSrc, hSrc, transparent);
}
