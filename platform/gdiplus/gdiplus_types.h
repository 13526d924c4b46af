// Types, records and constants of the flat GDI+ interface, written from the
// public documentation. Enumerations are plain int typedefs with named
// constants: the interface passes them as 32-bit integers.
#pragma once

#include <cstdint>

#include "win32/stream.h"
#include "win32/windows_types.h"

#define WINGDIPAPI
#define GDIPCONST const

#ifdef ZELVARO_GDIPLUS_BUILD
#define GDIP_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define GDIP_EXPORT extern "C"
#endif

using REAL = float;
using ARGB = std::uint32_t;
using PROPID = ULONG;
using PixelFormat = INT;
using GraphicsState = UINT;
using GraphicsContainer = UINT;

// Status values.
using GpStatus = int;
using Status = GpStatus;
constexpr GpStatus Ok = 0;
constexpr GpStatus GenericError = 1;
constexpr GpStatus InvalidParameter = 2;
constexpr GpStatus OutOfMemory = 3;
constexpr GpStatus ObjectBusy = 4;
constexpr GpStatus InsufficientBuffer = 5;
constexpr GpStatus NotImplemented = 6;
constexpr GpStatus Win32Error = 7;
constexpr GpStatus WrongState = 8;
constexpr GpStatus Aborted = 9;
constexpr GpStatus FileNotFound = 10;
constexpr GpStatus ValueOverflow = 11;
constexpr GpStatus AccessDenied = 12;
constexpr GpStatus UnknownImageFormat = 13;
constexpr GpStatus FontFamilyNotFound = 14;
constexpr GpStatus FontStyleNotFound = 15;
constexpr GpStatus NotTrueTypeFont = 16;
constexpr GpStatus UnsupportedGdiplusVersion = 17;
constexpr GpStatus GdiplusNotInitialized = 18;
constexpr GpStatus PropertyNotFound = 19;
constexpr GpStatus PropertyNotSupported = 20;
constexpr GpStatus ProfileNotFound = 21;

// Opaque objects. The engine defines them; callers only hold pointers.
struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpSolidFill;
struct GpFont;
struct GpFontFamily;
struct GpFontCollection;
struct GpStringFormat;
struct GpImage;
struct GpBitmap;
struct GpMetafile;
struct GpMatrix;
struct GpPath;
struct GpRegion;
struct GpImageAttributes;
struct GpCachedBitmap;
struct GpCustomLineCap;
struct GpAdjustableArrowCap;
struct CGpEffect;

// Geometry records.
struct GpPointF {
    REAL X, Y;
};
struct GpPoint {
    INT X, Y;
};
struct GpSizeF {
    REAL Width, Height;
};
struct GpRectF {
    REAL X, Y, Width, Height;
};
struct GpRect {
    INT X, Y, Width, Height;
};
using PointF = GpPointF;
using Point = GpPoint;
using SizeF = GpSizeF;
using RectF = GpRectF;
using Rect = GpRect;

struct CharacterRange {
    INT First;
    INT Length;
};

// Start-up.
using DebugEventProc = void(WINAPI*)(int level, char* message);
using NotificationHookProc = GpStatus(WINAPI*)(ULONG_PTR* token);
using NotificationUnhookProc = void(WINAPI*)(ULONG_PTR token);

struct GdiplusStartupInput {
    UINT GdiplusVersion;  // must be 1
    DebugEventProc DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};
struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook;
    NotificationUnhookProc NotificationUnhook;
};

// Enumerations used across object kinds.
using GpUnit = int;
constexpr GpUnit UnitWorld = 0;
constexpr GpUnit UnitDisplay = 1;
constexpr GpUnit UnitPixel = 2;
constexpr GpUnit UnitPoint = 3;
constexpr GpUnit UnitInch = 4;
constexpr GpUnit UnitDocument = 5;
constexpr GpUnit UnitMillimeter = 6;

using GpFillMode = int;
constexpr GpFillMode FillModeAlternate = 0;
constexpr GpFillMode FillModeWinding = 1;

using GpMatrixOrder = int;
constexpr GpMatrixOrder MatrixOrderPrepend = 0;
constexpr GpMatrixOrder MatrixOrderAppend = 1;

using CombineMode = int;
constexpr CombineMode CombineModeReplace = 0;
constexpr CombineMode CombineModeIntersect = 1;
constexpr CombineMode CombineModeUnion = 2;
constexpr CombineMode CombineModeXor = 3;
constexpr CombineMode CombineModeExclude = 4;
constexpr CombineMode CombineModeComplement = 5;

using GpCoordinateSpace = int;
constexpr GpCoordinateSpace CoordinateSpaceWorld = 0;
constexpr GpCoordinateSpace CoordinateSpacePage = 1;
constexpr GpCoordinateSpace CoordinateSpaceDevice = 2;

using FontStyle = int;
constexpr FontStyle FontStyleRegular = 0;
constexpr FontStyle FontStyleBold = 1;
constexpr FontStyle FontStyleItalic = 2;
constexpr FontStyle FontStyleBoldItalic = 3;
constexpr FontStyle FontStyleUnderline = 4;
constexpr FontStyle FontStyleStrikeout = 8;

// Pixel formats: index | bits per pixel << 8 | flags.
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatGDI = 0x00020000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormatPAlpha = 0x00080000;
constexpr PixelFormat PixelFormatExtended = 0x00100000;
constexpr PixelFormat PixelFormatCanonical = 0x00200000;
constexpr PixelFormat PixelFormatUndefined = 0;
constexpr PixelFormat PixelFormatDontCare = 0;
constexpr PixelFormat PixelFormat1bppIndexed = 0x00030101;
constexpr PixelFormat PixelFormat4bppIndexed = 0x00030402;
constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
constexpr PixelFormat PixelFormat16bppGrayScale = 0x00101004;
constexpr PixelFormat PixelFormat16bppRGB555 = 0x00021005;
constexpr PixelFormat PixelFormat16bppRGB565 = 0x00021006;
constexpr PixelFormat PixelFormat16bppARGB1555 = 0x00061007;
constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;
constexpr PixelFormat PixelFormat48bppRGB = 0x0010300C;
constexpr PixelFormat PixelFormat64bppARGB = 0x0034400D;
constexpr PixelFormat PixelFormat64bppPARGB = 0x001A400E;
