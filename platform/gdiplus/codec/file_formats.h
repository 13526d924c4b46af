// Writers of the file formats the engine encodes itself: BMP (so that its
// layout is exact), and TIFF and GIF (which Qt cannot write page by page).
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace engine::codec {

// A BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, the colour table for 1, 4
// and 8 bits, then the rows bottom-up, each padded to 4 bytes. `pixels` is
// Indexed8 for depths up to 8, RGB32 for 16 and 24, ARGB32 (straight) for
// 32, whose alpha bytes are kept.
QByteArray writeBmp(const QImage& pixels, int depth, double dpiX, double dpiY);

struct TiffPage {
    QImage pixels;    // as for writeBmp
    int depth;        // 1, 4, 8 (palette), 24 (RGB) or 32 (RGB with unassociated alpha)
    int compression;  // EncoderValueCompressionLZW, ...Rle (PackBits) or ...None
    double dpiX, dpiY;
};
// A little-endian TIFF file with one image file directory per page.
QByteArray writeTiff(const std::vector<TiffPage>& pages);

// A GIF89a file of Indexed8 frames (each with its own colour table); a
// fully transparent palette entry becomes the frame's transparent colour,
// and several frames make an endlessly looping animation.
QByteArray writeGif(const std::vector<QImage>& frames);

}  // namespace engine::codec
