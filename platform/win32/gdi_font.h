// Logical fonts of the GDI layer: the LOGFONT records, the stock fonts and
// fonts made from a record. GetObjectA on any of them writes its LOGFONTA.
#pragma once

#include "gdi_object.h"
#include "win32_export.h"
#include "windows_types.h"

constexpr int LF_FACESIZE = 32;

// The documented LOGFONT layout: five 32-bit LONGs, eight bytes, then the
// face name (32 characters, zero-terminated).
struct LOGFONTA {
    LONG lfHeight;  // < 0: character (em) height in pixels; > 0: cell height
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};
struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
static_assert(sizeof(LOGFONTA) == 60);
static_assert(sizeof(LOGFONTW) == 92);

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE OEM_CHARSET = 255;

// Stock objects that this layer has: the fonts.
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

// A logical font object: a LOGFONTA record behind a GDI handle.
struct GdiFont : GdiObject {
    explicit GdiFont(const LOGFONTA& lf) : logFont(lf) {}
    int describe(int size, void* out) const override;
    LOGFONTA logFont;
};

// The stock object of that index; null for an index this layer has no
// object for (brushes, pens and palettes are not kept here). Stock objects
// live as long as the process and DeleteObject refuses them.
WIN32_API HGDIOBJ WINAPI GetStockObject(int index);
// A new font object with the record's contents; null for a null record.
// Release it with DeleteObject.
WIN32_API HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logFont);
WIN32_API HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont);

