// Images. A bitmap keeps its pixels in a QImage; 32bpp ARGB pixels are kept
// premultiplied for drawing speed and converted at pixel access, LockBits
// and encoding, so that callers always see straight ARGB.
#pragma once

#include <QImage>
#include <memory>

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
    // (frames, properties, palette, locks: added by the image implementation)

    // A multi-frame TIFF or GIF save begun on this image and not yet flushed;
    // it is finished when the image goes away.
    std::shared_ptr<engine::codec::MultiFrameSave> pendingSave;
};

struct GpBitmap : GpImage {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Bitmap; }
    GpBitmap() : GpImage(engine::ObjectKind::Bitmap) {}
};
