#include "codec/image_encode.h"

#include <QBuffer>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "codec/file_formats.h"
#include "objects/image.h"
#include "status.h"

namespace engine::codec {
namespace {

// The parameters each encoder takes, with the values it accepts; this is
// both what GdipGetEncoderParameterList reports and what a save checks.
struct ParameterSpec {
    const GUID* category;
    EncoderParameterValueType type;  // of the listed values
    std::vector<LONG> values;        // LongRange: low, high
};

const std::vector<ParameterSpec>& parameterSpecs(Format format) {
    static const std::vector<ParameterSpec> bmp = {
        {&EncoderColorDepth, EncoderParameterValueTypeLong, {1, 4, 8, 16, 24, 32}},
    };
    static const std::vector<ParameterSpec> jpeg = {
        {&EncoderTransformation, EncoderParameterValueTypeLong,
         {EncoderValueTransformRotate90, EncoderValueTransformRotate180, EncoderValueTransformRotate270,
          EncoderValueTransformFlipHorizontal, EncoderValueTransformFlipVertical}},
        {&EncoderQuality, EncoderParameterValueTypeLongRange, {0, 100}},
    };
    static const std::vector<ParameterSpec> gif = {
        {&EncoderSaveFlag, EncoderParameterValueTypeLong,
         {EncoderValueMultiFrame, EncoderValueFlush, EncoderValueFrameDimensionTime}},
    };
    static const std::vector<ParameterSpec> tiff = {
        {&EncoderCompression, EncoderParameterValueTypeLong,
         {EncoderValueCompressionLZW, EncoderValueCompressionRle, EncoderValueCompressionNone}},
        {&EncoderColorDepth, EncoderParameterValueTypeLong, {1, 4, 8, 24, 32}},
        {&EncoderSaveFlag, EncoderParameterValueTypeLong,
         {EncoderValueMultiFrame, EncoderValueFlush, EncoderValueFrameDimensionPage}},
    };
    static const std::vector<ParameterSpec> png = {
        {&EncoderColorDepth, EncoderParameterValueTypeLong, {1, 4, 8, 24, 32}},
    };
    static const std::vector<ParameterSpec> none;
    switch (format) {
    case Format::BMP: return bmp;
    case Format::JPEG: return jpeg;
    case Format::GIF: return gif;
    case Format::TIFF: return tiff;
    case Format::PNG: return png;
    case Format::ICO: break;
    }
    return none;
}

// Bytes of one listed value of a spec.
std::size_t valueBytes(const ParameterSpec& spec) {
    return spec.type == EncoderParameterValueTypeLongRange ? 8 : 4;
}
ULONG valueCount(const ParameterSpec& spec) {
    return static_cast<ULONG>(spec.type == EncoderParameterValueTypeLongRange ? spec.values.size() / 2
                                                                              : spec.values.size());
}

// --- pixels ---------------------------------------------------------------

QImage straightArgb(const QImage& image) {
    return image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
}

int naturalDepth(const Frame& frame, Format format) {
    switch (frame.format) {
    case PixelFormat1bppIndexed: return 1;
    case PixelFormat4bppIndexed: return 4;
    case PixelFormat8bppIndexed: return 8;
    case PixelFormat16bppRGB555:
    case PixelFormat16bppRGB565: return format == Format::BMP ? 16 : 24;
    case PixelFormat24bppRGB:
    case PixelFormat48bppRGB:
    case PixelFormat16bppGrayScale: return 24;
    case PixelFormat32bppRGB: return format == Format::BMP ? 32 : 24;
    default: return 32;  // formats with alpha
    }
}

// The 16 colours of the classic system palette, for 4-bit output of
// pictures with more colours than that.
constexpr QRgb kSixteenColours[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

int nearest(const QVector<QRgb>& table, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < table.size(); ++i) {
        const long dr = qRed(table[i]) - qRed(c), dg = qGreen(table[i]) - qGreen(c),
                   db = qBlue(table[i]) - qBlue(c);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

}  // namespace

QImage toIndexed(const QImage& source, int depth) {
    const int cap = 1 << depth;
    if ((source.format() == QImage::Format_Indexed8 || source.format() == QImage::Format_Mono ||
         source.format() == QImage::Format_MonoLSB) &&
        source.colorCount() <= cap)
        return source.convertToFormat(QImage::Format_Indexed8);

    const QImage argb = straightArgb(source);
    const int w = argb.width(), h = argb.height();
    QImage out(w, h, QImage::Format_Indexed8);
    out.setDotsPerMeterX(argb.dotsPerMeterX());
    out.setDotsPerMeterY(argb.dotsPerMeterY());

    // Few colours: an exact palette (every fully transparent pixel is one colour).
    std::unordered_map<QRgb, int> index;
    QVector<QRgb> table;
    bool exact = true;
    for (int y = 0; y < h && exact; ++y) {
        auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = qAlpha(row[x]) ? row[x] : 0u;
            if (index.count(c)) continue;
            if (table.size() == cap) {
                exact = false;
                break;
            }
            index.emplace(c, table.size());
            table.push_back(c);
        }
    }
    if (!exact) {
        // Many colours: a fixed palette and the nearest entry, no dithering.
        index.clear();
        table.clear();
        if (depth == 1) {
            table = {0xFF000000, 0xFFFFFFFF};
        } else if (depth == 4) {
            table = QVector<QRgb>(std::begin(kSixteenColours), std::end(kSixteenColours));
        } else {
            for (int r = 0; r < 6; ++r)
                for (int g = 0; g < 6; ++g)
                    for (int b = 0; b < 6; ++b) table.push_back(qRgb(r * 51, g * 51, b * 51));
            table.push_back(0);  // transparent
        }
    }
    if (table.isEmpty()) table.push_back(0);
    out.setColorTable(table);
    const int transparent = exact ? -1 : table.indexOf(0u);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x];
            if (exact) {
                dst[x] = static_cast<uchar>(index.at(qAlpha(c) ? c : 0u));
            } else if (transparent >= 0 && qAlpha(c) < 128) {
                dst[x] = static_cast<uchar>(transparent);
            } else if (depth == 1) {
                dst[x] = qGray(c) >= 128 ? 1 : 0;
            } else if (depth == 8) {
                auto level = [](int v) { return (v * 5 + 127) / 255; };
                dst[x] = static_cast<uchar>(level(qRed(c)) * 36 + level(qGreen(c)) * 6 + level(qBlue(c)));
            } else {
                dst[x] = static_cast<uchar>(nearest(table, c));
            }
        }
    }
    return out;
}

namespace {

// The frame's pixels for an encoder that writes `depth` bits per pixel:
// indexed for 1, 4 and 8; RGB32 without alpha for 16 and 24; ARGB32.
QImage pixelsForDepth(const Frame& frame, int depth) {
    if (depth <= 8) return toIndexed(frame.pixels, depth);
    if (depth == 32) return straightArgb(frame.pixels);
    QImage opaque = frame.pixels.convertToFormat(QImage::Format_RGB32);
    return opaque;
}

void setResolution(QImage& image, const Frame& frame) {
    image.setDotsPerMeterX(static_cast<int>(std::lround(frame.dpiX / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(frame.dpiY / 0.0254)));
}

GpStatus encodeWithQt(const Frame& frame, const char* qtFormat, int depth, int quality, QByteArray& out) {
    QImage image = pixelsForDepth(frame, depth);
    setResolution(image, frame);
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, qtFormat, quality) ? Ok : Win32Error;
}

QImage transformed(const QImage& image, int transform) {
    switch (transform) {
    case EncoderValueTransformRotate90: return image.transformed(QTransform().rotate(90));
    case EncoderValueTransformRotate180: return image.transformed(QTransform().rotate(180));
    case EncoderValueTransformRotate270: return image.transformed(QTransform().rotate(270));
    case EncoderValueTransformFlipHorizontal: return image.mirrored(true, false);
    case EncoderValueTransformFlipVertical: return image.mirrored(false, true);
    default: return image;
    }
}

}  // namespace

GpStatus readParameters(const Codec& codec, const EncoderParameters* params, EncodeSettings& settings) {
    if (!params) return Ok;
    const auto& specs = parameterSpecs(codec.format);
    const EncoderParameter* list = params->Parameter;
    for (UINT i = 0; i < params->Count; ++i) {
        const EncoderParameter& p = list[i];
        auto spec = std::find_if(specs.begin(), specs.end(),
                                 [&](const ParameterSpec& s) { return *s.category == p.Guid; });
        // A category this encoder does not take is refused rather than
        // silently ignored, so that a caller learns its request had no effect.
        GP_CHECK_ARG(spec != specs.end());
        GP_CHECK_ARG(p.Type == EncoderParameterValueTypeLong && p.NumberOfValues == 1 && p.Value);
        LONG v;
        std::memcpy(&v, p.Value, sizeof v);
        if (spec->type == EncoderParameterValueTypeLongRange)
            GP_CHECK_ARG(v >= spec->values[0] && v <= spec->values[1]);
        else
            GP_CHECK_ARG(std::find(spec->values.begin(), spec->values.end(), v) != spec->values.end());
        if (p.Guid == EncoderQuality) settings.quality = v;
        else if (p.Guid == EncoderColorDepth) settings.colorDepth = v;
        else if (p.Guid == EncoderCompression) settings.compression = v;
        else if (p.Guid == EncoderTransformation) settings.transform = v;
        else if (p.Guid == EncoderSaveFlag) settings.saveFlag = v;
    }
    return Ok;
}

bool frameOf(const GpImage& image, const EncodeSettings& settings, Frame& frame) {
    if (image.pixels.isNull()) return false;
    frame.pixels = image.pixels.format() == QImage::Format_ARGB32_Premultiplied
                       ? image.pixels.convertToFormat(QImage::Format_ARGB32)
                       : image.pixels;
    frame.format = image.format;
    frame.dpiX = image.dpiX > 0 ? image.dpiX : 96;
    frame.dpiY = image.dpiY > 0 ? image.dpiY : 96;
    frame.settings = settings;
    return true;
}

GpStatus encode(const Codec& codec, const std::vector<Frame>& frames, QByteArray& out) {
    GP_CHECK_ARG(!frames.empty());
    const Frame& first = frames.front();
    auto depthOf = [&codec](const Frame& f) {
        return f.settings.colorDepth ? f.settings.colorDepth : naturalDepth(f, codec.format);
    };
    switch (codec.format) {
    case Format::BMP: {
        const int depth = depthOf(first);
        out = writeBmp(pixelsForDepth(first, depth), depth, first.dpiX, first.dpiY);
        return Ok;
    }
    case Format::PNG: return encodeWithQt(first, "PNG", depthOf(first), -1, out);
    case Format::JPEG: {
        Frame turned = first;
        turned.pixels = transformed(first.pixels, first.settings.transform);
        return encodeWithQt(turned, "JPEG", 24, first.settings.quality, out);
    }
    case Format::TIFF: {
        std::vector<TiffPage> pages;
        for (const Frame& f : frames) {
            const int depth = depthOf(f);
            const int compression = f.settings.compression ? f.settings.compression : EncoderValueCompressionLZW;
            pages.push_back({pixelsForDepth(f, depth), depth, compression, f.dpiX, f.dpiY});
        }
        out = writeTiff(pages);
        return Ok;
    }
    case Format::GIF: {
        std::vector<QImage> indexed;
        for (const Frame& f : frames) indexed.push_back(toIndexed(f.pixels, 8));
        out = writeGif(indexed);
        return Ok;
    }
    case Format::ICO: break;
    }
    return fail(UnknownImageFormat);
}

UINT parameterListBytes(const Codec& codec) {
    const auto& specs = parameterSpecs(codec.format);
    std::size_t total = offsetof(EncoderParameters, Parameter) + specs.size() * sizeof(EncoderParameter);
    for (const auto& s : specs) total += valueCount(s) * valueBytes(s);
    return static_cast<UINT>(std::max(total, sizeof(EncoderParameters)));
}

void writeParameterList(const Codec& codec, EncoderParameters* buffer) {
    const auto& specs = parameterSpecs(codec.format);
    buffer->Count = static_cast<UINT>(specs.size());
    EncoderParameter* entries = buffer->Parameter;
    auto* values = reinterpret_cast<BYTE*>(entries + specs.size());
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const ParameterSpec& s = specs[i];
        EncoderParameter e{};
        e.Guid = *s.category;
        e.NumberOfValues = valueCount(s);
        e.Type = static_cast<ULONG>(s.type);
        e.Value = values;
        const std::size_t bytes = s.values.size() * sizeof(LONG);
        std::memcpy(values, s.values.data(), bytes);
        values += bytes;
        std::memcpy(&entries[i], &e, sizeof e);
    }
}

}  // namespace engine::codec
