// Device contexts. A device context (HDC) is our handle onto a paint target:
// a QImage in Format_RGB32, Format_ARGB32 or Format_ARGB32_Premultiplied that
// the DC borrows. The engine draws on that image (GdipCreateFromHDC), the
// blits below copy between two DCs' images, and GetPixel reads them back.
//
// A window handle (HWND) stands for a widget that has such an image as its
// backing store; GetDC on it gives a DC over whatever image the window
// currently paints into.
//
// How a canvas widget paints through a DC (one paint event):
//
//     class Canvas : public QWidget {
//         QImage store;                        // the backing store
//         HWND window = registerWindow(nullptr, nullptr, nullptr);
//         ~Canvas() { unregisterWindow(window); }
//
//         void paintEvent(QPaintEvent*) override {
//             // One DC pixel per logical pixel of the widget.
//             if (store.size() != size())
//                 store = QImage(size(), QImage::Format_RGB32);
//             store.fill(Qt::white);           // erase to the background
//             setWindowPaintTarget(window, &store);
//             HDC dc = GetDC(window);          // or createImageDC(&store)
//             // ... the program's paint handler draws on dc here:
//             //     GdipCreateFromHDC(dc, &g); ... GdipDeleteGraphics(g);
//             ReleaseDC(window, dc);           // or destroyImageDC(dc)
//             QPainter(this).drawImage(0, 0, store);
//         }
//     };
//
// Rules:
// - Every graphics object made on a DC must be deleted before the DC is
//   released or destroyed, and the target image must outlive its DCs. The
//   image must not be resized or reassigned while a graphics object on it
//   is alive.
// - A window's DC follows the window's paint target: setWindowPaintTarget
//   may change it between paints; the target may also stay set between
//   paints, so that GetDC works outside a paint event too. When a window DC
//   is released, the window's `drawn` callback runs (if given) so that the
//   widget can schedule an update() to show what was drawn outside a paint.
// - Everything here runs on the window thread; the registries are locked,
//   the images are not.
#pragma once

#include "win32_export.h"
#include "windows_types.h"

class QImage;

// ---- Image device contexts -------------------------------------------------

// A DC over `target`, which it borrows (the caller keeps ownership and keeps
// the image alive until destroyImageDC). Null for a null image or an
// unsupported format.
WIN32_API HDC createImageDC(QImage* target);
// Ends a DC made by createImageDC. FALSE for an unknown DC or one that
// belongs to a window (those go back with ReleaseDC).
WIN32_API BOOL destroyImageDC(HDC dc);

// True while `dc` is a live DC of this layer.
WIN32_API BOOL deviceContextIsLive(HDC dc);
// The image a live DC paints on now, or null (unknown DC, or a window DC
// whose window has no paint target at the moment).
WIN32_API QImage* deviceContextTarget(HDC dc);

// ---- Windows ---------------------------------------------------------------

// Called when a DC taken from the window with GetDC is released.
using WindowDrawnCallback = void (*)(void* context);

// A new window handle whose paint target is `target` (may be null until the
// first paint). `drawn` (may be null) runs with `context` on ReleaseDC.
WIN32_API HWND registerWindow(QImage* target, WindowDrawnCallback drawn, void* context);
// Sets (or clears, with null) the image that the window's DCs paint on.
// FALSE for an unknown window.
WIN32_API BOOL setWindowPaintTarget(HWND window, QImage* target);
// Forgets the window. DCs still taken from it stay live but paint nowhere
// until they are released.
WIN32_API BOOL unregisterWindow(HWND window);
// The window's paint target now, or null.
WIN32_API QImage* windowPaintTarget(HWND window);
// True while `window` is a registered window.
WIN32_API BOOL IsWindow(HWND window);

// A DC over the window's paint target; null for an unknown window (there is
// no screen DC here, so GetDC(nullptr) is null too) or one with no target.
// Give it back with ReleaseDC.
WIN32_API HDC WINAPI GetDC(HWND window);
// Gives back a DC from GetDC: 1 when released, 0 when `dc` is not a DC of
// `window`.
WIN32_API int WINAPI ReleaseDC(HWND window, HDC dc);
// The window a DC was taken from, or null.
WIN32_API HWND WINAPI WindowFromDC(HDC dc);

// ---- Pixels ----------------------------------------------------------------

// GDI colours: 0x00BBGGRR.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | static_cast<COLORREF>(g) << 8 | static_cast<COLORREF>(b) << 16;
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>(c >> 16); }

// The colour at (x, y) of the DC's image; CLR_INVALID outside it or for a
// DC with no image. A pixel with alpha reads as its colour over black (as
// GDI reads a 32-bit bitmap's colour bytes).
WIN32_API COLORREF WINAPI GetPixel(HDC dc, int x, int y);
// Paints (x, y) opaque `color`; returns the colour set, or CLR_INVALID
// (as the documented -1) outside the image.
WIN32_API COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color);

// ---- Blits -----------------------------------------------------------------

// Raster operations: the third byte is the ternary operation's truth table
// over pattern, source and destination; the low word is the GDI encoding.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD NOMIRRORBITMAP = 0x80000000;
constexpr DWORD CAPTUREBLT = 0x40000000;

// Copies a rectangle of `src` to `dest` through the raster operation `rop`
// (the pattern is the DC's brush, white). A source copy (SRCCOPY) moves
// whole pixels, alpha included; other operations work on the colour and
// leave opaque pixels. The parts of the rectangle outside either image are
// left alone. Negative extents run left or up from (x, y). `src` may be
// null when `rop` does not use a source. FALSE for a dead DC.
WIN32_API BOOL WINAPI BitBlt(HDC dest, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop);
// As BitBlt, stretching the source rectangle onto the destination one
// (no smoothing: source rows and columns repeat or drop out); extents of
// opposite signs mirror.
WIN32_API BOOL WINAPI StretchBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc,
                                 int ySrc, int wSrc, int hSrc, DWORD rop);

struct BLENDFUNCTION {
    BYTE BlendOp;
    BYTE BlendFlags;
    BYTE SourceConstantAlpha;
    BYTE AlphaFormat;
};
static_assert(sizeof(BLENDFUNCTION) == 4);
constexpr BYTE AC_SRC_OVER = 0x00;
constexpr BYTE AC_SRC_ALPHA = 0x01;

// Blends the source rectangle over the destination one, stretching when
// their sizes differ. Without AC_SRC_ALPHA every channel becomes
// src * k + dest * (1 - k) with k = SourceConstantAlpha / 255; with it the
// source is taken as premultiplied and dest * (1 - srcAlpha * k) remains.
// FALSE for a dead DC, negative extents, a source rectangle that leaves the
// source image, overlapping rectangles on one image, or a BLENDFUNCTION
// other than AC_SRC_OVER with flags 0 and AlphaFormat 0 or AC_SRC_ALPHA.
WIN32_API BOOL WINAPI AlphaBlend(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc,
                                 int ySrc, int wSrc, int hSrc, BLENDFUNCTION blend);

// Copies the source rectangle (stretched to the destination one) leaving
// out the source pixels whose colour is `transparent`. FALSE for a dead DC
// or negative extents. Parts outside either image are left alone.
WIN32_API BOOL WINAPI TransparentBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc,
                                     int ySrc, int wSrc, int hSrc, UINT transparent);
// The same operation under the name that the core GDI library exports it by.
WIN32_API BOOL WINAPI GdiTransparentBlt(HDC dest, int xDest, int yDest, int wDest, int hDest, HDC src, int xSrc,
                                        int ySrc, int wSrc, int hSrc, UINT transparent);
