// Images and bitmaps: creation from memory, files, streams and GDI objects,
// the image-level queries, frames, properties, palettes and pixel access.
// Every function returns a status; outputs are written only on success.
#pragma once
#include "gdiplus_types.h"

// Image kinds (GdipGetImageType).
using ImageType = int;
constexpr ImageType ImageTypeUnknown = 0;
constexpr ImageType ImageTypeBitmap = 1;
constexpr ImageType ImageTypeMetafile = 2;

// Image flags (GdipGetImageFlags).
constexpr UINT ImageFlagsNone = 0x00000000;
constexpr UINT ImageFlagsScalable = 0x00000001;
constexpr UINT ImageFlagsHasAlpha = 0x00000002;
constexpr UINT ImageFlagsHasTranslucent = 0x00000004;
constexpr UINT ImageFlagsPartiallyScalable = 0x00000008;
constexpr UINT ImageFlagsColorSpaceRGB = 0x00000010;
constexpr UINT ImageFlagsColorSpaceCMYK = 0x00000020;
constexpr UINT ImageFlagsColorSpaceGRAY = 0x00000040;
constexpr UINT ImageFlagsColorSpaceYCBCR = 0x00000080;
constexpr UINT ImageFlagsColorSpaceYCCK = 0x00000100;
constexpr UINT ImageFlagsHasRealDPI = 0x00001000;
constexpr UINT ImageFlagsHasRealPixelSize = 0x00002000;
constexpr UINT ImageFlagsReadOnly = 0x00010000;
constexpr UINT ImageFlagsCaching = 0x00020000;

// Lock modes (GdipBitmapLockBits).
constexpr UINT ImageLockModeRead = 0x0001;
constexpr UINT ImageLockModeWrite = 0x0002;
constexpr UINT ImageLockModeUserInputBuf = 0x0004;

// Rotations are clockwise; the flip is applied after the rotation.
using RotateFlipType = int;
constexpr RotateFlipType RotateNoneFlipNone = 0;
constexpr RotateFlipType Rotate90FlipNone = 1;
constexpr RotateFlipType Rotate180FlipNone = 2;
constexpr RotateFlipType Rotate270FlipNone = 3;
constexpr RotateFlipType RotateNoneFlipX = 4;
constexpr RotateFlipType Rotate90FlipX = 5;
constexpr RotateFlipType Rotate180FlipX = 6;
constexpr RotateFlipType Rotate270FlipX = 7;
constexpr RotateFlipType RotateNoneFlipY = Rotate180FlipX;
constexpr RotateFlipType Rotate90FlipY = Rotate270FlipX;
constexpr RotateFlipType Rotate180FlipY = RotateNoneFlipX;
constexpr RotateFlipType Rotate270FlipY = Rotate90FlipX;
constexpr RotateFlipType RotateNoneFlipXY = Rotate180FlipNone;
constexpr RotateFlipType Rotate90FlipXY = Rotate270FlipNone;
constexpr RotateFlipType Rotate180FlipXY = RotateNoneFlipNone;
constexpr RotateFlipType Rotate270FlipXY = Rotate90FlipNone;

// Property value types (PropertyItem::type).
constexpr WORD PropertyTagTypeByte = 1;
constexpr WORD PropertyTagTypeASCII = 2;
constexpr WORD PropertyTagTypeShort = 3;
constexpr WORD PropertyTagTypeLong = 4;
constexpr WORD PropertyTagTypeRational = 5;
constexpr WORD PropertyTagTypeUndefined = 7;
constexpr WORD PropertyTagTypeSLONG = 9;
constexpr WORD PropertyTagTypeSRational = 10;

// Animation properties of multi-frame images.
constexpr PROPID PropertyTagFrameDelay = 0x5100;  // Long per frame, 1/100 s
constexpr PROPID PropertyTagLoopCount = 0x5101;   // Short, 0 = forever

// Palette flags.
constexpr UINT PaletteFlagsHasAlpha = 0x0001;
constexpr UINT PaletteFlagsGrayScale = 0x0002;
constexpr UINT PaletteFlagsHalftone = 0x0004;

// A locked rectangle of a bitmap (GdipBitmapLockBits / GdipBitmapUnlockBits).
struct BitmapData {
    UINT Width;
    UINT Height;
    INT Stride;  // bytes from one row to the next; negative for bottom-up
    ::PixelFormat PixelFormat;
    void* Scan0;  // the top row
    UINT_PTR Reserved;
};

// A palette: flags, count, then count entries (declared with one).
struct ColorPalette {
    UINT Flags;
    UINT Count;
    ARGB Entries[1];
};

// One property of an image; GdipGetPropertyItem places the value bytes right
// after the record in the caller's block.
struct PropertyItem {
    PROPID id;
    ULONG length;  // bytes of value
    WORD type;     // PropertyTagType*
    void* value;
};

// Image file formats (GdipGetImageRawFormat).
constexpr GUID ImageFormatUndefined = {0xb96b3ca9, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatMemoryBMP = {0xb96b3caa, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatBMP = {0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatEMF = {0xb96b3cac, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatWMF = {0xb96b3cad, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatJPEG = {0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatPNG = {0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatGIF = {0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatTIFF = {0xb96b3cb1, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatEXIF = {0xb96b3cb2, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID ImageFormatIcon = {0xb96b3cb5, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Frame dimensions: animation frames are in time, document pages in pages.
constexpr GUID FrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
constexpr GUID FrameDimensionResolution = {0x84236f7b, 0x3bd3, 0x428f, {0x8d, 0xab, 0x4e, 0xa1, 0x43, 0x9c, 0xa3, 0x15}};
constexpr GUID FrameDimensionPage = {0x7462dc86, 0x6180, 0x4c7e, {0x8e, 0x3f, 0xee, 0x73, 0x33, 0xa7, 0xa4, 0x83}};

// Callback that may end a thumbnail early (never called: thumbnails are made at once).
using GetThumbnailImageAbort = BOOL(WINAPI*)(void* callbackData);

// ---- Creation -------------------------------------------------------------

// A new width x height bitmap of `format`. With scan0 null the engine owns
// zeroed (fully transparent) pixels and stride is ignored; otherwise the
// bitmap lives on the caller's rows, which must outlive it. InvalidParameter
// for a size below 1, an unknown format, or a stride that is 0, not a
// multiple of 4 or shorter than a row.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format,
                                                          BYTE* scan0, GpBitmap** bitmap);
// Decodes a PNG, BMP, JPEG, GIF, TIFF or ICO file, recognised by its bytes.
// FileNotFound for a missing file, AccessDenied for one that cannot be read,
// UnknownImageFormat for bytes of no known format, InvalidParameter for a
// damaged image.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromFile(GDIPCONST WCHAR* filename, GpBitmap** bitmap);
// As GdipCreateBitmapFromFile; no colour profile is applied on this platform.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromFileICM(GDIPCONST WCHAR* filename, GpBitmap** bitmap);
// Decodes the stream's bytes from its current position to its end. The image
// is decoded at once: the stream is not kept and may be released afterwards.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap);
// A copy of a packed device-independent bitmap (1, 4, 8, 16, 24 or 32 bits,
// BI_RGB or BI_BITFIELDS, either row order).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromGdiDib(GDIPCONST BITMAPINFO* info, void* bits,
                                                           GpBitmap** bitmap);
// A copy of a DIB section's pixels; the palette handle is not needed, since
// every bitmap of this platform carries its colour table.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE hpal, GpBitmap** bitmap);
// A 32bpp ARGB copy of an icon: its colour alpha, or its mask where the
// colour has none.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromHICON(HICON hicon, GpBitmap** bitmap);
// Modules carry no bitmap resources here: InvalidParameter for a null module
// or name, Win32Error (the resource cannot be loaded) otherwise.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateBitmapFromResource(HINSTANCE instance, GDIPCONST WCHAR* name,
                                                             GpBitmap** bitmap);
// A new 32bpp DIB section (the caller deletes it with DeleteObject): the
// image over an opaque background of the given colour.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbm, ARGB background);
// A new icon (the caller destroys it with DestroyIcon): 32bpp colour with
// alpha, and a mask set where the image is fully transparent.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateHICONFromBitmap(GpBitmap* bitmap, HICON* hicon);

// ---- Image level ----------------------------------------------------------

// A deep copy: pixels, frames, properties, palette, resolution; never a
// drawing context. The caller disposes it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneImage(GpImage* image, GpImage** clone);
// Frees the image; its handle is stale afterwards.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDisposeImage(GpImage* image);
// (0, 0, width, height) in UnitPixel.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageBounds(GpImage* image, GpRectF* rect, GpUnit* unit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageDimension(GpImage* image, REAL* width, REAL* height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageType(GpImage* image, ImageType* type);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageWidth(GpImage* image, UINT* width);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageHeight(GpImage* image, UINT* height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageHorizontalResolution(GpImage* image, REAL* resolution);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageVerticalResolution(GpImage* image, REAL* resolution);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageFlags(GpImage* image, UINT* flags);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageRawFormat(GpImage* image, GUID* format);
// A new 32bpp ARGB image of width x height (120 x 120 when both are 0), the
// whole image scaled into it. The callback is never called.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageThumbnail(GpImage* image, UINT width, UINT height, GpImage** thumbnail,
                                                      GetThumbnailImageAbort callback, void* callbackData);

// ---- Frames ---------------------------------------------------------------

GDIP_EXPORT GpStatus WINGDIPAPI GdipImageGetFrameDimensionsCount(GpImage* image, UINT* count);
// `count` must equal GdipImageGetFrameDimensionsCount.
GDIP_EXPORT GpStatus WINGDIPAPI GdipImageGetFrameDimensionsList(GpImage* image, GUID* dimensions, UINT count);
// InvalidParameter for a dimension the image does not have.
GDIP_EXPORT GpStatus WINGDIPAPI GdipImageGetFrameCount(GpImage* image, GDIPCONST GUID* dimension, UINT* count);
// Makes frame `index` current; changes to the previous frame are dropped.
GDIP_EXPORT GpStatus WINGDIPAPI GdipImageSelectActiveFrame(GpImage* image, GDIPCONST GUID* dimension, UINT index);

// ---- Properties -----------------------------------------------------------

GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPropertyCount(GpImage* image, UINT* count);
// `count` must equal GdipGetPropertyCount.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPropertyIdList(GpImage* image, UINT count, PROPID* list);
// The record plus its value bytes; PropertyNotFound for an id not present.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPropertyItemSize(GpImage* image, PROPID id, UINT* size);
// Fills one block: the record, then the value it points to. `size` must be
// at least GdipGetPropertyItemSize.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPropertyItem(GpImage* image, PROPID id, UINT size, PropertyItem* item);
// Adds or replaces the property; the value bytes are copied.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPropertyItem(GpImage* image, GDIPCONST PropertyItem* item);
GDIP_EXPORT GpStatus WINGDIPAPI GdipRemovePropertyItem(GpImage* image, PROPID id);

// ---- Transforms, palette, pixels ------------------------------------------

GDIP_EXPORT GpStatus WINGDIPAPI GdipImageRotateFlip(GpImage* image, RotateFlipType type);
// Bytes of the palette record: 8 + 4 per entry, at least sizeof(ColorPalette).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImagePaletteSize(GpImage* image, INT* size);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImagePalette(GpImage* image, ColorPalette* palette, INT size);
// 1 to 256 entries; an indexed image takes at most 2^bpp.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetImagePalette(GpImage* image, GDIPCONST ColorPalette* palette);

// Straight (not premultiplied) ARGB of one pixel.
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);
// Stores the colour as the pixel format holds it; InvalidParameter on an
// indexed image.
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color);
// Locks `rect` (null: the whole image) as `format`. Read fills the buffer,
// Write copies it back at unlock; with UserInputBuf the caller's
// Scan0/Stride are used. One lock at a time (WrongState).
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapLockBits(GpBitmap* bitmap, GDIPCONST GpRect* rect, UINT flags,
                                                   PixelFormat format, BitmapData* locked);
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* locked);
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapSetResolution(GpBitmap* bitmap, REAL xdpi, REAL ydpi);
// A new bitmap of the area in `format`; the area must lie inside the image.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneBitmapArea(REAL x, REAL y, REAL width, REAL height, PixelFormat format,
                                                    GpBitmap* source, GpBitmap** clone);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format,
                                                     GpBitmap* source, GpBitmap** clone);
// Effects have no meaning on this platform: always NotImplemented.
GDIP_EXPORT GpStatus WINGDIPAPI GdipBitmapApplyEffect(GpBitmap* bitmap, CGpEffect* effect, RECT* roi,
                                                      BOOL useAuxData, void** auxData, INT* auxDataSize);
