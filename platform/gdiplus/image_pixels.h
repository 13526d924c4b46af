// Pixel formats and the conversions between an image's storage, straight
// ARGB and the raw rows of any pixel format (LockBits, caller memory, DIBs).
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

#include "objects/image.h"

namespace engine {

bool isKnownFormat(PixelFormat format);
inline bool isIndexed(PixelFormat format) { return (format & PixelFormatIndexed) != 0; }
inline bool hasAlpha(PixelFormat format) { return (format & PixelFormatAlpha) != 0; }
inline int bitsPerPixel(PixelFormat format) { return (format >> 8) & 0xFF; }
// Bytes of one row of `width` pixels, padded to 4 bytes.
inline int paddedStride(int width, PixelFormat format) {
    return static_cast<int>((static_cast<std::int64_t>(width) * bitsPerPixel(format) + 31) / 32 * 4);
}
// Bytes that the pixels of one row occupy, without padding.
inline std::int64_t rowBytes(int width, PixelFormat format) {
    return (static_cast<std::int64_t>(width) * bitsPerPixel(format) + 7) / 8;
}

// The QImage format with the same memory layout as `format`, if any.
QImage::Format twinFormat(PixelFormat format);
// The palette a new indexed image of `format` starts with.
std::vector<ARGB> defaultPalette(PixelFormat format);
UINT defaultPaletteFlags(PixelFormat format);

// The colour as `format` can hold it (alpha and channel depth reduced).
ARGB quantize(PixelFormat format, ARGB color);
// The palette entry nearest to `color`.
std::uint8_t nearestIndex(const std::vector<ARGB>& palette, ARGB color);

// One row of `count` pixels in `format` to straight ARGB and back. Indexed
// rows are read through the palette and written as its nearest entries.
void decodeRow(PixelFormat format, const std::uint8_t* row, int count, ARGB* out, const std::vector<ARGB>& palette);
void encodeRow(PixelFormat format, const ARGB* in, int count, std::uint8_t* row, const std::vector<ARGB>& palette);
// Indices of an indexed row (1, 4 or 8 bits, most significant bits first).
void readIndices(PixelFormat format, const std::uint8_t* row, int count, std::uint8_t* out);
void writeIndices(PixelFormat format, const std::uint8_t* in, int count, std::uint8_t* row);

// A new storage image of `format` (zeroed), with the default palette set
// into `image` for indexed formats. Null when memory runs out.
QImage makeStorage(int width, int height, PixelFormat format, const std::vector<ARGB>& palette);
// Sets the palette of an image (and the colour table of indexed storage).
void applyPalette(GpImage& image, std::vector<ARGB> palette, UINT flags);

// Straight ARGB of an area of the image, row after row.
std::vector<ARGB> readArea(const GpImage& image, const QRect& area);
// Stores straight ARGB into an area, as the image's format holds it.
void writeArea(GpImage& image, const QRect& area, const ARGB* pixels);

// Rows of an area in `format` into `rows` (stride may be negative), and back.
// An indexed image read or written in its own format moves indices.
void areaToRaw(const GpImage& image, const QRect& area, PixelFormat format, std::uint8_t* rows, int stride);
void rawToArea(GpImage& image, const QRect& area, PixelFormat format, const std::uint8_t* rows, int stride);

// A new storage image holding `source` (any QImage) as `format` would.
QImage convertForStorage(const QImage& source, PixelFormat format, const std::vector<ARGB>& palette);

}  // namespace engine
