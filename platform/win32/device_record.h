// The record behind a device context handle, and pixel access in the three
// image formats a DC may paint on. Private to the device-context files.
#pragma once

#include <QImage>

#include "device_context.h"

struct HDC__ {
    QImage* image = nullptr;  // the borrowed target of an image DC
    bool fromWindow = false;  // taken with GetDC
    HWND window = nullptr;    // its window; null once the window is gone
    COLORREF brush = RGB(255, 255, 255);  // the pattern of raster operations
};

namespace win32 {

// The live DC record at `dc` and the image it paints on now; both null when
// `dc` is not live or has no target. Holds the registry lock only while
// looking up.
struct DeviceTarget {
    HDC__* dc = nullptr;
    QImage* image = nullptr;
};
DeviceTarget resolveDevice(HDC dc);

bool isSupportedFormat(QImage::Format format);

// Pixels as premultiplied ARGB, whatever the image's format. (x, y) must be
// inside the image.
inline QRgb readPixel(const QImage& image, int x, int y) {
    QRgb p = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    switch (image.format()) {
    case QImage::Format_RGB32:
        return p | 0xFF000000u;
    case QImage::Format_ARGB32:
        return qPremultiply(p);
    default:
        return p;
    }
}

inline void writePixel(QImage& image, int x, int y, QRgb premultiplied) {
    QRgb& p = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
    switch (image.format()) {
    case QImage::Format_RGB32:
        // No alpha here: the colour as it shows over black.
        p = premultiplied | 0xFF000000u;
        break;
    case QImage::Format_ARGB32:
        p = qUnpremultiply(premultiplied);
        break;
    default:
        p = premultiplied;
        break;
    }
}

// The GDI colour of a premultiplied pixel: its colour bytes, 0x00BBGGRR.
inline COLORREF toColorRef(QRgb premultiplied) {
    return RGB(static_cast<BYTE>(qRed(premultiplied)), static_cast<BYTE>(qGreen(premultiplied)),
               static_cast<BYTE>(qBlue(premultiplied)));
}

inline QRgb fromColorRef(COLORREF color) {
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}

}  // namespace win32
