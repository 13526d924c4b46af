// Fonts: a family, an em size in a unit, and a style.
#pragma once
#include "gdiplus_types.h"
#include "win32/gdi_font.h"

// A new font (the caller's; GdipDeleteFont). emSize must be positive and
// finite; the unit is any GpUnit but UnitDisplay; style combines FontStyle flags.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* fontFamily, REAL emSize, INT style,
                                               INT unit, GpFont** font);
// A font from a LOGFONT: lfHeight < 0 is the em height in pixels, > 0 the
// cell height (ascent + descent), 0 the default 11 pixels; the size is in
// UnitWorld. A face that is not installed is drawn with the default sans
// serif. The device context may be null (every context has 96 dpi).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFontFromLogfontA(HDC hdc, GDIPCONST LOGFONTA* logfont, GpFont** font);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFontFromLogfontW(HDC hdc, GDIPCONST LOGFONTW* logfont, GpFont** font);
// The font selected into the device context; a context without one gives
// the default GUI font.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFontFromDC(HDC hdc, GpFont** font);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneFont(GpFont* font, GpFont** cloneFont);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteFont(GpFont* font);

// A new family object for the font's family (the caller's; GdipDeleteFontFamily).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFamily(GpFont* font, GpFontFamily** family);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontStyle(GpFont* font, INT* style);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontSize(GpFont* font, REAL* size);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontUnit(GpFont* font, GpUnit* unit);
// Line spacing in the page units of `graphics` at its resolution; a null
// graphics measures in pixels at 96 dpi.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontHeight(GDIPCONST GpFont* font, GDIPCONST GpGraphics* graphics,
                                                  REAL* height);
// Line spacing in pixels at `dpi` dots per inch.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontHeightGivenDPI(GDIPCONST GpFont* font, REAL dpi, REAL* height);
// The font as a LOGFONT for `graphics` (required): lfHeight is minus the em
// height in that graphics' device pixels (page unit and scale applied).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetLogFontA(GpFont* font, GpGraphics* graphics, LOGFONTA* logfontA);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetLogFontW(GpFont* font, GpGraphics* graphics, LOGFONTW* logfontW);
