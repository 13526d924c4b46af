// Font collections and font families.
#pragma once
#include "gdiplus_types.h"

using LANGID = WORD;
using UINT16 = std::uint16_t;

// The installed fonts: one shared collection owned by the engine (never
// delete it). Its families are those of the system's font database,
// including the engine's built-in serif.
GDIP_EXPORT GpStatus WINGDIPAPI GdipNewInstalledFontCollection(GpFontCollection** fontCollection);
// The number of families in `fontCollection`; InvalidParameter for a null
// collection.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontCollectionFamilyCount(GpFontCollection* fontCollection, INT* numFound);
// Fills `gpfamilies` with up to `numSought` new families of the collection,
// in its order; `*numFound` receives how many. The caller owns each family
// and deletes it with GdipDeleteFontFamily.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFontCollectionFamilyList(GpFontCollection* fontCollection, INT numSought,
                                                                GpFontFamily* gpfamilies[], INT* numFound);

// A new family by its name (zero-terminated UTF-16, compared without case)
// in `fontCollection` (null: the installed fonts). A name that no font
// carries, and that has no metric-compatible substitute, gives
// FontFamilyNotFound and leaves `fontFamily` untouched. Caller owns the result.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST WCHAR* name,
                                                             GpFontCollection* fontCollection,
                                                             GpFontFamily** fontFamily);
// Frees a family made by any function of this header.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* fontFamily);
// A new family equal to `fontFamily`; caller owns it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneFontFamily(GpFontFamily* fontFamily, GpFontFamily** clonedFontFamily);

// New generic families (caller owns them): a serif ("Times New Roman" or
// its substitute; always found, the engine carries one), a sans serif
// ("Microsoft Sans Serif", "Arial", else the system's sans serif) and a
// monospace family ("Courier New", else the system's fixed-pitch font).
// FontFamilyNotFound when the system has no such font.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily);

// Writes the family's name, zero-terminated and cut to 31 units, into `name`
// (32 UTF-16 units, the LOGFONT face-name size). `language` is accepted and
// ignored: names are reported in one language.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetFamilyName(GDIPCONST GpFontFamily* family, WCHAR name[32], LANGID language);
// Whether the family has a face of `style` (FontStyle flags; underline and
// strikeout are drawn decorations, always available).
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsStyleAvailable(GDIPCONST GpFontFamily* family, INT style, BOOL* isStyleAvailable);

// Metrics of the face of `style`, in the font's design units, as the font
// file states them: the em square, the ascent and descent of the cell
// (usWinAscent, usWinDescent), and the distance between baselines.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetEmHeight(GDIPCONST GpFontFamily* family, INT style, UINT16* EmHeight);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetCellAscent(GDIPCONST GpFontFamily* family, INT style, UINT16* CellAscent);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetCellDescent(GDIPCONST GpFontFamily* family, INT style, UINT16* CellDescent);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetLineSpacing(GDIPCONST GpFontFamily* family, INT style, UINT16* LineSpacing);
