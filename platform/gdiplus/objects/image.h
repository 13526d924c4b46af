// Images. A bitmap keeps its pixels in a QImage; 32bpp ARGB pixels are kept
// premultiplied for drawing speed and converted at pixel access, LockBits
// and encoding, so that callers always see straight ARGB.
//
// The QImage format that holds each pixel format (`pixels`):
//   32bppARGB, 32bppPARGB, 64bppARGB, 64bppPARGB, 16bppARGB1555
//                                  Format_ARGB32_Premultiplied
//   32bppRGB, 48bppRGB             Format_RGB32
//   24bppRGB                       Format_BGR888 (GDI+'s byte order)
//   16bppRGB565 / 16bppRGB555      Format_RGB16 / Format_RGB555
//   16bppGrayScale                 Format_Grayscale16
//   1, 4 and 8bppIndexed           Format_Indexed8, colour table = palette
// Wide formats keep 8 bits per channel, as GDI+ itself does internally.
//
// A bitmap made on the caller's rows (GdipCreateBitmapFromScan0 with scan0)
// works on those rows directly where a QImage format has the same memory
// layout and the stride is positive: then `pixels` wraps the caller's
// memory (32bppARGB as Format_ARGB32, straight) and drawing lands there.
// Otherwise the rows are read in once and written back after every change
// the engine makes; a drawing family that writes `pixels` calls
// engine::pixelsChanged afterwards.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <vector>

#include "object.h"

namespace engine::codec {
struct MultiFrameSave;
}

struct GpImage : engine::Object {
    static bool accepts(engine::ObjectKind k) {
        return k == engine::ObjectKind::Bitmap || k == engine::ObjectKind::Metafile;
    }
    explicit GpImage(engine::ObjectKind k) : Object(k) {}

    PixelFormat format = PixelFormat32bppARGB;  // the format callers see
    QImage pixels;                              // the current frame
    REAL dpiX = 96, dpiY = 96;
    GUID rawFormat{};  // ImageFormatMemoryBMP for images made in memory

    // Frames of a decoded multi-frame image (empty for a single frame).
    // Selecting a frame copies it into `pixels`.
    std::vector<QImage> frames;
    GUID frameDimension{};  // FrameDimensionTime or FrameDimensionPage
    UINT activeFrame = 0;

    struct Property {
        PROPID id;
        WORD type;
        std::vector<std::uint8_t> value;
    };
    std::vector<Property> properties;

    // The palette callers see; for indexed formats it is also the colour
    // table of `pixels` (padded to 256 entries there).
    std::vector<ARGB> palette;
    UINT paletteFlags = 0;

    UINT flags = 0;  // ImageFlags beyond what the pixel format implies

    // A multi-frame TIFF or GIF save begun on this image and not yet flushed;
    // it is finished when the image goes away.
    std::shared_ptr<engine::codec::MultiFrameSave> pendingSave;
};

struct GpBitmap : GpImage {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Bitmap; }
    GpBitmap() : GpImage(engine::ObjectKind::Bitmap) {}

    // The caller's rows for a bitmap made on them (null otherwise), and
    // whether `pixels` wraps them or keeps a copy to write back.
    BYTE* callerScan0 = nullptr;
    INT callerStride = 0;
    bool wrapsCaller = false;

    // The one LockBits in progress.
    struct Lock {
        bool active = false;
        int x = 0, y = 0, width = 0, height = 0;
        UINT flags = 0;
        PixelFormat format = 0;
        std::vector<std::uint8_t> buffer;  // the engine's buffer, unless the caller gave one
        BYTE* scan0 = nullptr;
        INT stride = 0;
    } lock;
};

namespace engine {

// After `pixels` of a bitmap made on the caller's rows was written: copies
// the pixels back to those rows when the bitmap keeps its own copy.
void pixelsChanged(GpImage& image);

// The QImage format that holds `format`; Format_Invalid for an unknown one.
QImage::Format storageFormat(PixelFormat format);

}  // namespace engine
