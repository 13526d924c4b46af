// Bitmaps and icons of this layer. Every bitmap is a DIB section: its bits
// live in the object, described by a BITMAPINFOHEADER and a colour table.
// An icon holds its own copies of a colour bitmap and a 1bpp mask.
#pragma once

#include <vector>

#include "gdi_object.h"
#include "win32_export.h"
#include "windows_types.h"

struct BITMAP {
    LONG bmType;  // 0
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;  // bytes per row, even
    WORD bmPlanes;      // 1
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
};

struct ICONINFO {
    BOOL fIcon;  // TRUE for an icon, FALSE for a cursor
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;
    HBITMAP hbmColor;
};

constexpr UINT DIB_RGB_COLORS = 0;

// A DIB section: the header as given (biHeight < 0 for top-down rows),
// the colour table, and the rows.
struct GdiBitmap final : GdiObject {
    BITMAPINFOHEADER header{};
    DWORD bitfields[3] = {};
    std::vector<RGBQUAD> colours;
    std::vector<BYTE> bits;

    int describe(int size, void* out) const override;
    int width() const { return header.biWidth; }
    int height() const { return header.biHeight < 0 ? -header.biHeight : header.biHeight; }
    bool topDown() const { return header.biHeight < 0; }
    int stride() const { return ((header.biWidth * header.biBitCount + 31) / 32) * 4; }
    // Address of row y counted from the top.
    const BYTE* row(int y) const {
        return bits.data() + static_cast<std::size_t>(topDown() ? y : height() - 1 - y) * stride();
    }
    BYTE* row(int y) { return const_cast<BYTE*>(static_cast<const GdiBitmap*>(this)->row(y)); }
};

// The DIB section behind a handle, or null for one that is no live bitmap.
WIN32_API GdiBitmap* gdiBitmapFromHandle(HBITMAP bitmap);

// A new DIB section (1, 4, 8, 16, 24 or 32 bits; BI_RGB, or BI_BITFIELDS for
// 16 and 32) with zeroed rows; *bits receives their address. The device
// context is not needed: colours come from the BITMAPINFO. Null on failure.
WIN32_API HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                          DWORD offset);

struct HICON__ {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0, yHotspot = 0;
    HBITMAP mask = nullptr;
    HBITMAP colour = nullptr;  // null for a monochrome icon (mask of double height)
};

// A new icon from copies of the given bitmaps. Null when the mask is missing.
WIN32_API HICON WINAPI CreateIconIndirect(const ICONINFO* info);
// Copies of the icon's bitmaps, which the caller deletes with DeleteObject.
WIN32_API BOOL WINAPI GetIconInfo(HICON icon, ICONINFO* info);
// FALSE for an icon that is not live.
WIN32_API BOOL WINAPI DestroyIcon(HICON icon);
