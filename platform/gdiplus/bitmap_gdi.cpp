// Bitmaps to and from the GDI objects of the Windows-services layer:
// packed DIBs, DIB sections and icons.
#include <cstring>
#include <memory>

#include "api/image.h"
#include "image_pixels.h"
#include "objects/image.h"
#include "status.h"
#include "win32/gdi_bitmap.h"

using namespace engine;

namespace {

// The pixel format of a DIB's rows, as GDI+ gives such a DIB: alpha is not
// read from a DIB, so 32 bits become 32bppRGB.
PixelFormat dibFormat(const BITMAPINFOHEADER& h, const DWORD* masks) {
    switch (h.biBitCount) {
    case 1: return PixelFormat1bppIndexed;
    case 4: return PixelFormat4bppIndexed;
    case 8: return PixelFormat8bppIndexed;
    case 16:
        return h.biCompression == BI_BITFIELDS && masks && masks[1] == 0x07E0 ? PixelFormat16bppRGB565
                                                                               : PixelFormat16bppRGB555;
    case 24: return PixelFormat24bppRGB;
    case 32: return PixelFormat32bppRGB;
    default: return PixelFormatUndefined;
    }
}

// A new bitmap from DIB rows; `row(y)` gives the address of row y from the top.
template <class RowOf>
GpStatus fromDib(const BITMAPINFOHEADER& h, const DWORD* masks, const RGBQUAD* colours, std::size_t colourCount,
                 RowOf row, GpBitmap** bitmap) {
    const PixelFormat format = dibFormat(h, masks);
    GP_CHECK_ARG(format != PixelFormatUndefined);
    GP_CHECK_ARG(h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32)));
    const int width = h.biWidth, height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    GP_CHECK_ARG(width > 0 && height > 0);
    GP_CHECK_ARG(static_cast<std::int64_t>(paddedStride(width, format)) * height < (std::int64_t{1} << 31));

    auto b = std::make_unique<GpBitmap>();
    b->format = format;
    b->rawFormat = ImageFormatMemoryBMP;
    b->frameDimension = FrameDimensionPage;
    if (isIndexed(format)) {
        for (std::size_t i = 0; i < colourCount; ++i)
            b->palette.push_back(0xFF000000u | (ARGB(colours[i].rgbRed) << 16) | (ARGB(colours[i].rgbGreen) << 8) |
                                 colours[i].rgbBlue);
        if (b->palette.empty()) b->palette = defaultPalette(format);
    }
    b->pixels = makeStorage(width, height, format, b->palette);
    GP_CHECK(!b->pixels.isNull(), OutOfMemory);
    if (h.biXPelsPerMeter > 0 && h.biYPelsPerMeter > 0) {
        b->dpiX = static_cast<REAL>(h.biXPelsPerMeter * 0.0254);
        b->dpiY = static_cast<REAL>(h.biYPelsPerMeter * 0.0254);
    }
    for (int y = 0; y < height; ++y) rawToArea(*b, QRect(0, y, width, 1), format, row(y), 0);
    *bitmap = b.release();
    return Ok;
}

// A new DIB section of the image's pixels in 32 bits with alpha, top row first.
HBITMAP dibSectionOf(const QImage& argb) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = argb.width();
    info.bmiHeader.biHeight = -argb.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle) return nullptr;
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(static_cast<BYTE*>(bits) + static_cast<std::size_t>(y) * argb.width() * 4, argb.constScanLine(y),
                    static_cast<std::size_t>(argb.width()) * 4);
    return handle;
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateBitmapFromGdiDib(GDIPCONST BITMAPINFO* info, void* bits, GpBitmap** bitmap) {
    GP_CHECK_ARG(info && bits && bitmap);
    const BITMAPINFOHEADER& h = info->bmiHeader;
    GP_CHECK_ARG(h.biSize >= sizeof(BITMAPINFOHEADER) && h.biWidth > 0 && h.biHeight != 0);
    GP_CHECK_ARG(h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 16 ||
                 h.biBitCount == 24 || h.biBitCount == 32);
    const auto* after = reinterpret_cast<const BYTE*>(info) + h.biSize;
    const DWORD* masks = h.biCompression == BI_BITFIELDS ? reinterpret_cast<const DWORD*>(after) : nullptr;
    std::size_t colourCount = 0;
    if (h.biBitCount <= 8) colourCount = h.biClrUsed && h.biClrUsed < (1u << h.biBitCount) ? h.biClrUsed : (1u << h.biBitCount);
    const auto* colours = reinterpret_cast<const RGBQUAD*>(after);
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const std::size_t stride = static_cast<std::size_t>((static_cast<std::int64_t>(h.biWidth) * h.biBitCount + 31) / 32 * 4);
    const auto* rows = static_cast<const BYTE*>(bits);
    const bool topDown = h.biHeight < 0;
    return fromDib(h, masks, colours, colourCount,
                   [&](int y) { return rows + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y); }, bitmap);
}

GpStatus WINGDIPAPI GdipCreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE, GpBitmap** bitmap) {
    const GdiBitmap* dib = gdiBitmapFromHandle(hbm);
    GP_CHECK_ARG(dib && bitmap);
    return fromDib(dib->header, dib->bitfields, dib->colours.data(), dib->colours.size(),
                   [dib](int y) { return dib->row(y); }, bitmap);
}

GpStatus WINGDIPAPI GdipCreateBitmapFromHICON(HICON hicon, GpBitmap** bitmap) {
    GP_CHECK_ARG(bitmap);
    ICONINFO info{};
    GP_CHECK_ARG(hicon && GetIconInfo(hicon, &info));
    // The icon's bitmaps are copies of our own: free them however we leave.
    struct Release {
        ICONINFO& i;
        ~Release() {
            if (i.hbmMask) DeleteObject(i.hbmMask);
            if (i.hbmColor) DeleteObject(i.hbmColor);
        }
    } release{info};

    const GdiBitmap* mask = gdiBitmapFromHandle(info.hbmMask);
    const GdiBitmap* colour = gdiBitmapFromHandle(info.hbmColor);
    GP_CHECK_ARG(mask);
    // A monochrome icon keeps its AND mask above its XOR image in one bitmap.
    const int width = mask->width();
    const int height = colour ? colour->height() : mask->height() / 2;
    GP_CHECK_ARG(width > 0 && height > 0 && (!colour || colour->width() == width));

    GpBitmap* maskBitmap = nullptr;
    GP_CHECK_ARG(GdipCreateBitmapFromHBITMAP(info.hbmMask, nullptr, &maskBitmap) == Ok);
    std::unique_ptr<GpBitmap> maskImage(maskBitmap);
    std::vector<ARGB> andBits = readArea(*maskImage, QRect(0, 0, width, height));
    std::vector<ARGB> pixels;
    if (colour) {
        GpBitmap* colourBitmap = nullptr;
        GP_CHECK_ARG(GdipCreateBitmapFromHBITMAP(info.hbmColor, nullptr, &colourBitmap) == Ok);
        std::unique_ptr<GpBitmap> colourImage(colourBitmap);
        pixels = readArea(*colourImage, QRect(0, 0, width, height));
        // Alpha comes from 32-bit colour rows when any of it is set.
        bool anyAlpha = false;
        if (colour->header.biBitCount == 32) {
            for (int y = 0; y < height && !anyAlpha; ++y) {
                const BYTE* row = colour->row(y);
                for (int x = 0; x < width; ++x)
                    if (row[4 * x + 3]) {
                        anyAlpha = true;
                        break;
                    }
            }
        }
        for (int y = 0; y < height; ++y) {
            const BYTE* row = colour->row(y);
            for (int x = 0; x < width; ++x) {
                ARGB& p = pixels[static_cast<std::size_t>(y) * width + x];
                if (anyAlpha)
                    p = (p & 0x00FFFFFF) | (ARGB(row[4 * x + 3]) << 24);
                else
                    p = (andBits[static_cast<std::size_t>(y) * width + x] & 0x00FFFFFF) ? 0 : (p | 0xFF000000);
            }
        }
    } else {
        std::vector<ARGB> xorBits = readArea(*maskImage, QRect(0, height, width, height));
        pixels.resize(andBits.size());
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = (andBits[i] & 0x00FFFFFF) ? 0 : (0xFF000000 | (xorBits[i] & 0x00FFFFFF));
    }

    auto b = std::make_unique<GpBitmap>();
    b->format = PixelFormat32bppARGB;
    b->rawFormat = ImageFormatMemoryBMP;
    b->frameDimension = FrameDimensionPage;
    b->pixels = makeStorage(width, height, PixelFormat32bppARGB, {});
    GP_CHECK(!b->pixels.isNull(), OutOfMemory);
    writeArea(*b, b->pixels.rect(), pixels.data());
    *bitmap = b.release();
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateBitmapFromResource(HINSTANCE instance, GDIPCONST WCHAR* name, GpBitmap** bitmap) {
    GP_CHECK_ARG(instance && name && bitmap);
    // Programs on this platform carry no module resources, so no bitmap
    // resource can be loaded: the loading call fails.
    return fail(Win32Error);
}

GpStatus WINGDIPAPI GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbm, ARGB background) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && hbm);
    GP_CHECK(!b->lock.active, WrongState);
    // The image over an opaque background; the result is opaque.
    std::vector<ARGB> pixels = readArea(*b, b->pixels.rect());
    QImage composed(b->pixels.size(), QImage::Format_ARGB32);
    GP_CHECK(!composed.isNull(), OutOfMemory);
    const ARGB bg = background | 0xFF000000;
    for (int y = 0; y < composed.height(); ++y) {
        auto* row = reinterpret_cast<ARGB*>(composed.scanLine(y));
        for (int x = 0; x < composed.width(); ++x) {
            const ARGB p = pixels[static_cast<std::size_t>(y) * composed.width() + x];
            const unsigned a = p >> 24;
            auto mix = [a](unsigned fg, unsigned back) { return (fg * a + back * (255 - a) + 127) / 255; };
            row[x] = 0xFF000000 | (mix((p >> 16) & 0xFF, (bg >> 16) & 0xFF) << 16) |
                     (mix((p >> 8) & 0xFF, (bg >> 8) & 0xFF) << 8) | mix(p & 0xFF, bg & 0xFF);
        }
    }
    HBITMAP handle = dibSectionOf(composed);
    GP_CHECK(handle, OutOfMemory);
    *hbm = handle;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateHICONFromBitmap(GpBitmap* bitmap, HICON* hicon) {
    auto* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && hicon);
    GP_CHECK(!b->lock.active, WrongState);
    const int width = b->pixels.width(), height = b->pixels.height();
    std::vector<ARGB> pixels = readArea(*b, b->pixels.rect());
    QImage colour(width, height, QImage::Format_ARGB32);
    GP_CHECK(!colour.isNull(), OutOfMemory);
    for (int y = 0; y < height; ++y)
        std::memcpy(colour.scanLine(y), &pixels[static_cast<std::size_t>(y) * width], static_cast<std::size_t>(width) * 4);

    // The mask is set where the image is fully transparent.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } maskInfo{};
    maskInfo.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 1, BI_RGB, 0, 0, 0, 2, 0};
    maskInfo.colours[1] = {0xFF, 0xFF, 0xFF, 0};
    void* maskBits = nullptr;
    HBITMAP mask = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&maskInfo), DIB_RGB_COLORS, &maskBits,
                                    nullptr, 0);
    HBITMAP colourBitmap = dibSectionOf(colour);
    if (!mask || !colourBitmap) {
        if (mask) DeleteObject(mask);
        if (colourBitmap) DeleteObject(colourBitmap);
        return fail(OutOfMemory);
    }
    const int maskStride = (width + 31) / 32 * 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[static_cast<std::size_t>(y) * width + x] >> 24) == 0)
                static_cast<BYTE*>(maskBits)[y * maskStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));

    ICONINFO info{TRUE, 0, 0, mask, colourBitmap};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);  // the icon keeps copies of its own
    DeleteObject(colourBitmap);
    GP_CHECK(icon, OutOfMemory);
    *hicon = icon;
    return Ok;
}
