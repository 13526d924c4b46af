// Encoding frames into the bytes of an image file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

#include "codec/codec_table.h"

struct GpImage;

namespace engine::codec {

// What the caller's parameter block asked of one save or one added frame.
struct EncodeSettings {
    int quality = 75;        // JPEG, 0..100
    int colorDepth = 0;      // bits per pixel; 0 = as the image's format suggests
    int compression = 0;     // TIFF: EncoderValueCompression*; 0 = LZW
    int transform = 0;       // JPEG: EncoderValueTransform*, 0 = none
    int saveFlag = 0;        // EncoderValueMultiFrame, ...Flush, ...FrameDimension*; 0 = none
};

// One frame ready to encode: straight (not premultiplied) pixels, the
// image's pixel format, resolution and settings.
struct Frame {
    QImage pixels;
    PixelFormat format = PixelFormat32bppARGB;
    double dpiX = 96, dpiY = 96;
    EncodeSettings settings;
};

// Reads a parameter block for `codec`. InvalidParameter for a category the
// encoder does not take, a wrong value type or count, or a value out of
// range; NotImplemented for a category the encoder knows but this engine
// cannot honour. `params` may be null.
GpStatus readParameters(const Codec& codec, const EncoderParameters* params, EncodeSettings& settings);

// The current frame of `image`. False when the image holds no pixels.
bool frameOf(const GpImage& image, const EncodeSettings& settings, Frame& frame);

// Encodes the frames (one, or several pages/frames for TIFF and GIF).
GpStatus encode(const Codec& codec, const std::vector<Frame>& frames, QByteArray& out);

// `source` as an 8-bit indexed image of at most 2^depth colours: its own
// colours when it has that few, else the nearest of a fixed palette.
QImage toIndexed(const QImage& source, int depth);

// The parameter list that GdipGetEncoderParameterList reports for `codec`.
UINT parameterListBytes(const Codec& codec);
void writeParameterList(const Codec& codec, EncoderParameters* buffer);

}  // namespace engine::codec
