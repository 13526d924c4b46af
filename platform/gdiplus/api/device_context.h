// Graphics objects on device contexts and windows, and device contexts
// lent out by a graphics object.
#pragma once
#include "gdiplus_types.h"

// A graphics object drawing on the paint target of `hdc` (96 dpi). The
// caller owns *graphics (GdipDeleteGraphics) and must delete it before the
// DC is released. InvalidParameter for a null output, or a null or dead DC,
// or one that has no paint target.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFromHDC(HDC hdc, GpGraphics** graphics);
// As GdipCreateFromHDC; the device handle names a printer on Windows and
// plays no part here.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFromHDC2(HDC hdc, HANDLE hDevice, GpGraphics** graphics);
// A graphics object drawing on the window's current paint target; owned by
// the caller. InvalidParameter for an unknown window or one with no target.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFromHWND(HWND hwnd, GpGraphics** graphics);
// As GdipCreateFromHWND; colour management has no effect here.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFromHWNDICM(HWND hwnd, GpGraphics** graphics);
// A device context over what the graphics object draws on, valid until
// GdipReleaseDC; a graphics object made on a DC lends that DC. While it is
// lent, a second GdipGetDC answers ObjectBusy. InvalidParameter for a null
// output or an unknown graphics object; Win32Error when the DC it was made
// on has been released.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetDC(GpGraphics* graphics, HDC* hdc);
// Gives back the DC that GdipGetDC lent; InvalidParameter for any other DC.
GDIP_EXPORT GpStatus WINGDIPAPI GdipReleaseDC(GpGraphics* graphics, HDC hdc);

