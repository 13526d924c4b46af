// Bitmaps made in memory, their pixels, locks and areas.
#include <cmath>
#include <cstdlib>
#include <memory>

#include "api/image.h"
#include "image_pixels.h"
#include "objects/image.h"
#include "status.h"

namespace engine {

void pixelsChanged(GpImage& image) {
    if (image.kind != ObjectKind::Bitmap) return;
    auto& bitmap = static_cast<GpBitmap&>(image);
    if (!bitmap.callerScan0 || bitmap.wrapsCaller) return;
    areaToRaw(bitmap, bitmap.pixels.rect(), bitmap.format, bitmap.callerScan0, bitmap.callerStride);
}

// A new bitmap of `format` holding `area` of `source`.
GpStatus cloneArea(const GpBitmap& source, const QRect& area, PixelFormat format, GpBitmap** clone) {
    if (format == PixelFormatDontCare) format = source.format;
    GP_CHECK_ARG(isKnownFormat(format));
    auto copy = std::make_unique<GpBitmap>();
    copy->format = format;
    copy->rawFormat = ImageFormatMemoryBMP;
    copy->frameDimension = FrameDimensionPage;
    copy->dpiX = source.dpiX;
    copy->dpiY = source.dpiY;
    if (isIndexed(format) && format == source.format) {
        // Same indexed format: the indices and the palette carry over.
        copy->pixels = source.pixels.copy(area);
        copy->palette = source.palette;
        copy->paletteFlags = source.paletteFlags;
    } else {
        std::vector<ARGB> palette = defaultPalette(format);
        copy->pixels = convertForStorage(source.pixels.copy(area), format, palette);
        copy->palette = std::move(palette);
        copy->paletteFlags = defaultPaletteFlags(format);
    }
    GP_CHECK(!copy->pixels.isNull(), OutOfMemory);
    *clone = copy.release();
    return Ok;
}

}  // namespace engine

using namespace engine;

namespace {

bool areaInside(const GpBitmap& b, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    return x >= 0 && y >= 0 && w > 0 && h > 0 && x + w <= b.pixels.width() && y + h <= b.pixels.height();
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                              GpBitmap** bitmap) {
    GP_CHECK_ARG(bitmap && width > 0 && height > 0 && isKnownFormat(format));
    if (scan0)
        GP_CHECK_ARG(stride != 0 && stride % 4 == 0 && std::llabs(stride) >= rowBytes(width, format));
    // Far beyond what a drawing needs; refused like any other bad size.
    GP_CHECK_ARG(static_cast<std::int64_t>(paddedStride(width, format)) * height < (std::int64_t{1} << 31));

    auto b = std::make_unique<GpBitmap>();
    b->format = format;
    b->rawFormat = ImageFormatMemoryBMP;
    b->frameDimension = FrameDimensionPage;
    b->palette = defaultPalette(format);
    b->paletteFlags = defaultPaletteFlags(format);
    const QImage::Format twin = twinFormat(format);
    if (scan0 && twin != QImage::Format_Invalid && stride > 0) {
        b->pixels = QImage(scan0, width, height, stride, twin);
        b->wrapsCaller = true;
        if (isIndexed(format)) applyPalette(*b, b->palette, b->paletteFlags);
    } else {
        b->pixels = makeStorage(width, height, format, b->palette);
        GP_CHECK(!b->pixels.isNull(), OutOfMemory);
        if (scan0) rawToArea(*b, b->pixels.rect(), format, scan0, stride);
    }
    GP_CHECK(!b->pixels.isNull(), OutOfMemory);
    b->callerScan0 = scan0;
    b->callerStride = scan0 ? stride : 0;
    *bitmap = b.release();
    return Ok;
}

GpStatus WINGDIPAPI GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && color);
    GP_CHECK_ARG(x >= 0 && y >= 0 && x < b->pixels.width() && y < b->pixels.height());
    GP_CHECK(!b->lock.active, WrongState);
    *color = readArea(*b, QRect(x, y, 1, 1)).front();
    return Ok;
}

GpStatus WINGDIPAPI GdipBitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && !isIndexed(b->format));
    GP_CHECK_ARG(x >= 0 && y >= 0 && x < b->pixels.width() && y < b->pixels.height());
    GP_CHECK(!b->lock.active, WrongState);
    writeArea(*b, QRect(x, y, 1, 1), &color);
    pixelsChanged(*b);
    return Ok;
}

GpStatus WINGDIPAPI GdipBitmapLockBits(GpBitmap* bitmap, GDIPCONST GpRect* rect, UINT flags, PixelFormat format,
                                       BitmapData* locked) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && locked);
    const QRect area = rect ? QRect(rect->X, rect->Y, rect->Width, rect->Height) : b->pixels.rect();
    if (rect) GP_CHECK_ARG(areaInside(*b, rect->X, rect->Y, rect->Width, rect->Height));
    GP_CHECK_ARG((flags & ~7u) == 0 && (flags & (ImageLockModeRead | ImageLockModeWrite)) != 0);
    GP_CHECK_ARG(isKnownFormat(format));
    // Indexed rows only in the image's own indexed format: there is no palette to map colours onto otherwise.
    GP_CHECK_ARG(!isIndexed(format) || format == b->format);
    GP_CHECK(!b->lock.active, WrongState);

    GpBitmap::Lock lock;
    if (flags & ImageLockModeUserInputBuf) {
        GP_CHECK_ARG(locked->Scan0 && locked->Stride != 0 &&
                     std::llabs(locked->Stride) >= rowBytes(area.width(), format));
        lock.scan0 = static_cast<BYTE*>(locked->Scan0);
        lock.stride = locked->Stride;
    } else {
        lock.stride = paddedStride(area.width(), format);
        lock.buffer.assign(static_cast<std::size_t>(lock.stride) * static_cast<std::size_t>(area.height()), 0);
        lock.scan0 = lock.buffer.data();
    }
    // A write-only lock of the caller's buffer leaves the caller's rows alone.
    if ((flags & ImageLockModeRead) || !(flags & ImageLockModeUserInputBuf))
        areaToRaw(*b, area, format, lock.scan0, lock.stride);
    lock.active = true;
    lock.x = area.x();
    lock.y = area.y();
    lock.width = area.width();
    lock.height = area.height();
    lock.flags = flags;
    lock.format = format;

    locked->Width = static_cast<UINT>(lock.width);
    locked->Height = static_cast<UINT>(lock.height);
    locked->Stride = lock.stride;
    locked->PixelFormat = format;
    locked->Scan0 = lock.scan0;
    locked->Reserved = 0;
    b->lock = std::move(lock);
    return Ok;
}

GpStatus WINGDIPAPI GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* locked) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && locked);
    GP_CHECK(b->lock.active, WrongState);
    GpBitmap::Lock& lock = b->lock;
    if (lock.flags & ImageLockModeWrite) {
        rawToArea(*b, QRect(lock.x, lock.y, lock.width, lock.height), lock.format, lock.scan0, lock.stride);
        pixelsChanged(*b);
    }
    b->lock = GpBitmap::Lock{};
    return Ok;
}

GpStatus WINGDIPAPI GdipBitmapSetResolution(GpBitmap* bitmap, REAL xdpi, REAL ydpi) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && xdpi > 0 && ydpi > 0 && std::isfinite(xdpi) && std::isfinite(ydpi));
    b->dpiX = xdpi;
    b->dpiY = ydpi;
    b->pixels.setDotsPerMeterX(static_cast<int>(std::lround(xdpi / 0.0254)));
    b->pixels.setDotsPerMeterY(static_cast<int>(std::lround(ydpi / 0.0254)));
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* source,
                                         GpBitmap** clone) {
    auto* b = lookup<GpBitmap>(source);
    GP_CHECK_ARG(b && clone && areaInside(*b, x, y, width, height));
    GP_CHECK(!b->lock.active, WrongState);
    return cloneArea(*b, QRect(x, y, width, height), format, clone);
}

GpStatus WINGDIPAPI GdipCloneBitmapArea(REAL x, REAL y, REAL width, REAL height, PixelFormat format,
                                        GpBitmap* source, GpBitmap** clone) {
    GP_CHECK_ARG(std::isfinite(x) && std::isfinite(y) && std::isfinite(width) && std::isfinite(height));
    GP_CHECK_ARG(std::fabs(x) < 1e9f && std::fabs(y) < 1e9f && std::fabs(width) < 1e9f && std::fabs(height) < 1e9f);
    // Pixel edges nearest to the given ones.
    const auto left = std::lround(x), top = std::lround(y);
    const auto right = std::lround(x + width), bottom = std::lround(y + height);
    auto* b = lookup<GpBitmap>(source);
    GP_CHECK_ARG(b && clone && areaInside(*b, left, top, right - left, bottom - top));
    GP_CHECK(!b->lock.active, WrongState);
    return cloneArea(*b, QRect(int(left), int(top), int(right - left), int(bottom - top)), format, clone);
}

// Effects are objects of the Windows imaging stack that exist only on
// Windows; this platform has none to apply, so the call reports
// NotImplemented without touching the bitmap.
GpStatus WINGDIPAPI GdipBitmapApplyEffect(GpBitmap*, CGpEffect*, RECT*, BOOL, void**, INT*) {
    return fail(NotImplemented);
}
