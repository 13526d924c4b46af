#include "gdi_bitmap.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

namespace {

std::mutex& iconMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HICON>& liveIcons() {
    static auto* live = new std::unordered_set<HICON>;
    return *live;
}

bool iconIsLive(HICON icon) {
    std::lock_guard lock(iconMutex());
    return icon && liveIcons().count(icon);
}

// A new live bitmap with the same header, colours and rows.
HBITMAP copyBitmap(HBITMAP source) {
    const GdiBitmap* from = gdiBitmapFromHandle(source);
    if (!from) return nullptr;
    auto* copy = new (std::nothrow) GdiBitmap;
    if (!copy) return nullptr;
    copy->header = from->header;
    std::memcpy(copy->bitfields, from->bitfields, sizeof copy->bitfields);
    copy->colours = from->colours;
    copy->bits = from->bits;
    return gdiObjectRegister(copy);
}

}  // namespace

int GdiBitmap::describe(int size, void* out) const {
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = width();
    bm.bmHeight = height();
    bm.bmWidthBytes = stride();
    bm.bmPlanes = 1;
    bm.bmBitsPixel = header.biBitCount;
    bm.bmBits = const_cast<BYTE*>(bits.data());
    if (!out) return static_cast<int>(sizeof(BITMAP));
    if (size >= static_cast<int>(sizeof(DIBSECTION))) {
        DIBSECTION ds{};
        ds.dsBm = bm;
        ds.dsBmih = header;
        std::memcpy(ds.dsBitfields, bitfields, sizeof bitfields);
        std::memcpy(out, &ds, sizeof ds);
        return static_cast<int>(sizeof ds);
    }
    if (size >= static_cast<int>(sizeof(BITMAP))) {
        std::memcpy(out, &bm, sizeof bm);
        return static_cast<int>(sizeof bm);
    }
    return 0;
}

GdiBitmap* gdiBitmapFromHandle(HBITMAP bitmap) {
    if (!gdiObjectIsLive(bitmap)) return nullptr;
    return dynamic_cast<GdiBitmap*>(static_cast<GdiObject*>(bitmap));
}

HBITMAP WINAPI CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const WORD bpp = h.biBitCount;
    const bool knownDepth = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    const bool knownCompression = h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32));
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes != 1 || !knownDepth ||
        !knownCompression)
        return nullptr;
    const long long rows = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const long long stride = ((static_cast<long long>(h.biWidth) * bpp + 31) / 32) * 4;
    if (stride * rows > (1LL << 31)) return nullptr;

    auto* bitmap = new (std::nothrow) GdiBitmap;
    if (!bitmap) return nullptr;
    bitmap->header = h;
    bitmap->header.biSize = sizeof(BITMAPINFOHEADER);
    bitmap->header.biSizeImage = static_cast<DWORD>(stride * rows);
    const auto* afterHeader = reinterpret_cast<const BYTE*>(info) + h.biSize;
    if (h.biCompression == BI_BITFIELDS) std::memcpy(bitmap->bitfields, afterHeader, sizeof bitmap->bitfields);
    if (bpp <= 8) {
        const DWORD maximum = 1u << bpp;
        const DWORD count = h.biClrUsed && h.biClrUsed < maximum ? h.biClrUsed : maximum;
        const auto* table = reinterpret_cast<const RGBQUAD*>(afterHeader);
        bitmap->colours.assign(table, table + count);
        bitmap->header.biClrUsed = count;
    }
    try {
        bitmap->bits.assign(static_cast<std::size_t>(stride * rows), 0);
    } catch (const std::bad_alloc&) {
        delete bitmap;
        return nullptr;
    }
    if (bits) *bits = bitmap->bits.data();
    return gdiObjectRegister(bitmap);
}

HICON WINAPI CreateIconIndirect(const ICONINFO* info) {
    if (!info || !gdiBitmapFromHandle(info->hbmMask)) return nullptr;
    if (info->hbmColor && !gdiBitmapFromHandle(info->hbmColor)) return nullptr;
    auto* icon = new HICON__;
    icon->fIcon = info->fIcon;
    icon->xHotspot = info->xHotspot;
    icon->yHotspot = info->yHotspot;
    icon->mask = copyBitmap(info->hbmMask);
    icon->colour = info->hbmColor ? copyBitmap(info->hbmColor) : nullptr;
    std::lock_guard lock(iconMutex());
    liveIcons().insert(icon);
    return icon;
}

BOOL WINAPI GetIconInfo(HICON icon, ICONINFO* info) {
    if (!info || !iconIsLive(icon)) return FALSE;
    info->fIcon = icon->fIcon;
    info->xHotspot = icon->xHotspot;
    info->yHotspot = icon->yHotspot;
    info->hbmMask = copyBitmap(icon->mask);
    info->hbmColor = icon->colour ? copyBitmap(icon->colour) : nullptr;
    return TRUE;
}

BOOL WINAPI DestroyIcon(HICON icon) {
    {
        std::lock_guard lock(iconMutex());
        if (!icon || !liveIcons().erase(icon)) return FALSE;
    }
    DeleteObject(icon->mask);
    if (icon->colour) DeleteObject(icon->colour);
    delete icon;
    return TRUE;
}
