#include "image_pixels.h"

#include <algorithm>
#include <cstring>

#include "api/image.h"

namespace engine {
namespace {

inline std::uint8_t expand5(unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); }
inline std::uint8_t expand6(unsigned v) { return static_cast<std::uint8_t>((v << 2) | (v >> 4)); }
inline ARGB pack(unsigned a, unsigned r, unsigned g, unsigned b) { return (a << 24) | (r << 16) | (g << 8) | b; }
inline unsigned alphaOf(ARGB c) { return c >> 24; }
inline unsigned redOf(ARGB c) { return (c >> 16) & 0xFF; }
inline unsigned greenOf(ARGB c) { return (c >> 8) & 0xFF; }
inline unsigned blueOf(ARGB c) { return c & 0xFF; }

inline std::uint16_t load16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline void store16(std::uint8_t* p, unsigned v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Straight to premultiplied and back, 8 bits per channel, rounded.
inline ARGB premultiply(ARGB c) {
    unsigned a = alphaOf(c);
    if (a == 255) return c;
    auto m = [a](unsigned v) { return (v * a + 127) / 255; };
    return pack(a, m(redOf(c)), m(greenOf(c)), m(blueOf(c)));
}
inline ARGB unpremultiply(ARGB c) {
    unsigned a = alphaOf(c);
    if (a == 255) return c;
    if (a == 0) return 0;
    auto d = [a](unsigned v) { return std::min(255u, (v * 255 + a / 2) / a); };
    return pack(a, d(redOf(c)), d(greenOf(c)), d(blueOf(c)));
}

unsigned luminance(ARGB c) {
    return (299 * redOf(c) + 587 * greenOf(c) + 114 * blueOf(c) + 500) / 1000;
}

const ARGB kSixteenColours[16] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

}  // namespace

bool isKnownFormat(PixelFormat format) {
    switch (format) {
    case PixelFormat1bppIndexed:
    case PixelFormat4bppIndexed:
    case PixelFormat8bppIndexed:
    case PixelFormat16bppGrayScale:
    case PixelFormat16bppRGB555:
    case PixelFormat16bppRGB565:
    case PixelFormat16bppARGB1555:
    case PixelFormat24bppRGB:
    case PixelFormat32bppRGB:
    case PixelFormat32bppARGB:
    case PixelFormat32bppPARGB:
    case PixelFormat48bppRGB:
    case PixelFormat64bppARGB:
    case PixelFormat64bppPARGB:
        return true;
    default:
        return false;
    }
}

QImage::Format storageFormat(PixelFormat format) {
    switch (format) {
    case PixelFormat1bppIndexed:
    case PixelFormat4bppIndexed:
    case PixelFormat8bppIndexed:
        return QImage::Format_Indexed8;
    case PixelFormat16bppGrayScale:
        return QImage::Format_Grayscale16;
    case PixelFormat16bppRGB555:
        return QImage::Format_RGB555;
    case PixelFormat16bppRGB565:
        return QImage::Format_RGB16;
    case PixelFormat24bppRGB:
        return QImage::Format_BGR888;
    case PixelFormat32bppRGB:
    case PixelFormat48bppRGB:
        return QImage::Format_RGB32;
    case PixelFormat16bppARGB1555:
    case PixelFormat32bppARGB:
    case PixelFormat32bppPARGB:
    case PixelFormat64bppARGB:
    case PixelFormat64bppPARGB:
        return QImage::Format_ARGB32_Premultiplied;
    default:
        return QImage::Format_Invalid;
    }
}

QImage::Format twinFormat(PixelFormat format) {
    switch (format) {
    case PixelFormat8bppIndexed: return QImage::Format_Indexed8;
    case PixelFormat16bppGrayScale: return QImage::Format_Grayscale16;
    case PixelFormat16bppRGB555: return QImage::Format_RGB555;
    case PixelFormat16bppRGB565: return QImage::Format_RGB16;
    case PixelFormat24bppRGB: return QImage::Format_BGR888;
    case PixelFormat32bppRGB: return QImage::Format_RGB32;
    case PixelFormat32bppARGB: return QImage::Format_ARGB32;
    case PixelFormat32bppPARGB: return QImage::Format_ARGB32_Premultiplied;
    default: return QImage::Format_Invalid;
    }
}

std::vector<ARGB> defaultPalette(PixelFormat format) {
    switch (format) {
    case PixelFormat1bppIndexed:
        return {0xFF000000, 0xFFFFFFFF};
    case PixelFormat4bppIndexed:
        return {std::begin(kSixteenColours), std::end(kSixteenColours)};
    case PixelFormat8bppIndexed: {
        // A halftone palette: the sixteen standard colours, then a 6x6x6
        // colour cube, then black.
        std::vector<ARGB> palette(std::begin(kSixteenColours), std::end(kSixteenColours));
        for (unsigned r = 0; r < 6; ++r)
            for (unsigned g = 0; g < 6; ++g)
                for (unsigned b = 0; b < 6; ++b) palette.push_back(pack(255, r * 51, g * 51, b * 51));
        palette.resize(256, 0xFF000000);
        return palette;
    }
    default:
        return {};
    }
}

UINT defaultPaletteFlags(PixelFormat format) {
    switch (format) {
    case PixelFormat1bppIndexed: return PaletteFlagsGrayScale;
    case PixelFormat8bppIndexed: return PaletteFlagsHalftone;
    default: return 0;
    }
}

ARGB quantize(PixelFormat format, ARGB c) {
    switch (format) {
    case PixelFormat16bppGrayScale: {
        unsigned y = luminance(c);
        return pack(255, y, y, y);
    }
    case PixelFormat16bppRGB555:
        return pack(255, expand5(redOf(c) >> 3), expand5(greenOf(c) >> 3), expand5(blueOf(c) >> 3));
    case PixelFormat16bppRGB565:
        return pack(255, expand5(redOf(c) >> 3), expand6(greenOf(c) >> 2), expand5(blueOf(c) >> 3));
    case PixelFormat16bppARGB1555:
        return pack(alphaOf(c) >= 128 ? 255 : 0, expand5(redOf(c) >> 3), expand5(greenOf(c) >> 3),
                    expand5(blueOf(c) >> 3));
    case PixelFormat24bppRGB:
    case PixelFormat32bppRGB:
    case PixelFormat48bppRGB:
        return c | 0xFF000000;
    default:
        return c;
    }
}

std::uint8_t nearestIndex(const std::vector<ARGB>& palette, ARGB c) {
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        ARGB p = palette[i];
        long dr = long(redOf(p)) - long(redOf(c)), dg = long(greenOf(p)) - long(greenOf(c)),
             db = long(blueOf(p)) - long(blueOf(c)), da = long(alphaOf(p)) - long(alphaOf(c));
        long distance = dr * dr + dg * dg + db * db + da * da;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

void readIndices(PixelFormat format, const std::uint8_t* row, int count, std::uint8_t* out) {
    switch (bitsPerPixel(format)) {
    case 1:
        for (int i = 0; i < count; ++i) out[i] = (row[i / 8] >> (7 - i % 8)) & 1;
        break;
    case 4:
        for (int i = 0; i < count; ++i) out[i] = (i % 2 ? row[i / 2] : row[i / 2] >> 4) & 0x0F;
        break;
    default:
        std::memcpy(out, row, static_cast<std::size_t>(count));
    }
}

void writeIndices(PixelFormat format, const std::uint8_t* in, int count, std::uint8_t* row) {
    switch (bitsPerPixel(format)) {
    case 1:
        for (int i = 0; i < count; ++i) {
            std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (i % 8));
            row[i / 8] = static_cast<std::uint8_t>((in[i] & 1) ? row[i / 8] | bit : row[i / 8] & ~bit);
        }
        break;
    case 4:
        for (int i = 0; i < count; ++i) {
            std::uint8_t v = in[i] & 0x0F;
            row[i / 2] = static_cast<std::uint8_t>(i % 2 ? (row[i / 2] & 0xF0) | v : (row[i / 2] & 0x0F) | (v << 4));
        }
        break;
    default:
        std::memcpy(row, in, static_cast<std::size_t>(count));
    }
}

void decodeRow(PixelFormat format, const std::uint8_t* row, int count, ARGB* out, const std::vector<ARGB>& palette) {
    if (isIndexed(format)) {
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(count));
        readIndices(format, row, count, indices.data());
        for (int i = 0; i < count; ++i) out[i] = indices[i] < palette.size() ? palette[indices[i]] : 0xFF000000;
        return;
    }
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + static_cast<std::ptrdiff_t>(i) * (bitsPerPixel(format) / 8);
        switch (format) {
        case PixelFormat16bppGrayScale: {
            unsigned y = load16(p) >> 8;
            out[i] = pack(255, y, y, y);
            break;
        }
        case PixelFormat16bppRGB555: {
            unsigned v = load16(p);
            out[i] = pack(255, expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31));
            break;
        }
        case PixelFormat16bppRGB565: {
            unsigned v = load16(p);
            out[i] = pack(255, expand5((v >> 11) & 31), expand6((v >> 5) & 63), expand5(v & 31));
            break;
        }
        case PixelFormat16bppARGB1555: {
            unsigned v = load16(p);
            out[i] = pack(v & 0x8000 ? 255 : 0, expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31));
            break;
        }
        case PixelFormat24bppRGB:
            out[i] = pack(255, p[2], p[1], p[0]);
            break;
        case PixelFormat32bppRGB:
            out[i] = pack(255, p[2], p[1], p[0]);
            break;
        case PixelFormat32bppARGB:
            out[i] = pack(p[3], p[2], p[1], p[0]);
            break;
        case PixelFormat32bppPARGB:
            out[i] = unpremultiply(pack(p[3], p[2], p[1], p[0]));
            break;
        case PixelFormat48bppRGB:
            out[i] = pack(255, load16(p + 4) >> 8, load16(p + 2) >> 8, load16(p) >> 8);
            break;
        case PixelFormat64bppARGB:
            out[i] = pack(load16(p + 6) >> 8, load16(p + 4) >> 8, load16(p + 2) >> 8, load16(p) >> 8);
            break;
        case PixelFormat64bppPARGB:
            out[i] = unpremultiply(pack(load16(p + 6) >> 8, load16(p + 4) >> 8, load16(p + 2) >> 8, load16(p) >> 8));
            break;
        default:
            out[i] = 0;
        }
    }
}

void encodeRow(PixelFormat format, const ARGB* in, int count, std::uint8_t* row, const std::vector<ARGB>& palette) {
    if (isIndexed(format)) {
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) indices[i] = nearestIndex(palette, in[i]);
        writeIndices(format, indices.data(), count, row);
        return;
    }
    for (int i = 0; i < count; ++i) {
        std::uint8_t* p = row + static_cast<std::ptrdiff_t>(i) * (bitsPerPixel(format) / 8);
        ARGB c = in[i];
        unsigned a = alphaOf(c), r = redOf(c), g = greenOf(c), b = blueOf(c);
        switch (format) {
        case PixelFormat16bppGrayScale:
            store16(p, luminance(c) * 257);
            break;
        case PixelFormat16bppRGB555:
            store16(p, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
            break;
        case PixelFormat16bppRGB565:
            store16(p, ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
            break;
        case PixelFormat16bppARGB1555:
            store16(p, (a >= 128 ? 0x8000 : 0) | ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
            break;
        case PixelFormat24bppRGB:
            p[0] = static_cast<std::uint8_t>(b), p[1] = static_cast<std::uint8_t>(g), p[2] = static_cast<std::uint8_t>(r);
            break;
        case PixelFormat32bppRGB:
            p[0] = static_cast<std::uint8_t>(b), p[1] = static_cast<std::uint8_t>(g), p[2] = static_cast<std::uint8_t>(r);
            p[3] = 0xFF;
            break;
        case PixelFormat32bppARGB:
            std::memcpy(p, &c, 4);  // little-endian: B, G, R, A
            break;
        case PixelFormat32bppPARGB: {
            ARGB pm = premultiply(c);
            std::memcpy(p, &pm, 4);
            break;
        }
        case PixelFormat48bppRGB:
            store16(p, b * 257), store16(p + 2, g * 257), store16(p + 4, r * 257);
            break;
        case PixelFormat64bppARGB:
            store16(p, b * 257), store16(p + 2, g * 257), store16(p + 4, r * 257), store16(p + 6, a * 257);
            break;
        case PixelFormat64bppPARGB: {
            ARGB pm = premultiply(c);
            store16(p, blueOf(pm) * 257), store16(p + 2, greenOf(pm) * 257), store16(p + 4, redOf(pm) * 257);
            store16(p + 6, a * 257);
            break;
        }
        default:
            break;
        }
    }
}

QImage makeStorage(int width, int height, PixelFormat format, const std::vector<ARGB>& palette) {
    QImage image(width, height, storageFormat(format));
    if (image.isNull()) return image;
    image.fill(0);
    if (isIndexed(format)) {
        QList<QRgb> table(palette.begin(), palette.end());
        table.resize(256, 0xFF000000);
        image.setColorTable(table);
    }
    return image;
}

void applyPalette(GpImage& image, std::vector<ARGB> palette, UINT flags) {
    image.palette = std::move(palette);
    image.paletteFlags = flags;
    if (image.pixels.format() == QImage::Format_Indexed8) {
        QList<QRgb> table(image.palette.begin(), image.palette.end());
        table.resize(256, 0xFF000000);
        image.pixels.setColorTable(table);
    }
}

std::vector<ARGB> readArea(const GpImage& image, const QRect& area) {
    std::vector<ARGB> out(static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height()));
    if (out.empty()) return out;
    QImage straight = image.pixels.copy(area).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(&out[static_cast<std::size_t>(y) * area.width()], straight.constScanLine(y),
                    static_cast<std::size_t>(area.width()) * 4);
    return out;
}

void writeArea(GpImage& image, const QRect& area, const ARGB* pixels) {
    const int w = area.width(), h = area.height();
    if (w <= 0 || h <= 0) return;
    if (image.pixels.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < h; ++y) {
            std::uint8_t* row = image.pixels.scanLine(area.y() + y) + area.x();
            for (int x = 0; x < w; ++x) row[x] = nearestIndex(image.palette, pixels[static_cast<std::size_t>(y) * w + x]);
        }
        return;
    }
    QImage straight(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<ARGB*>(straight.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] = quantize(image.format, pixels[static_cast<std::size_t>(y) * w + x]);
    }
    QImage stored = straight.convertToFormat(image.pixels.format());
    const std::size_t bytes = static_cast<std::size_t>(w) * static_cast<std::size_t>(stored.depth() / 8);
    for (int y = 0; y < h; ++y)
        std::memcpy(image.pixels.scanLine(area.y() + y) + static_cast<std::size_t>(area.x()) * (stored.depth() / 8),
                    stored.constScanLine(y), bytes);
}

void areaToRaw(const GpImage& image, const QRect& area, PixelFormat format, std::uint8_t* rows, int stride) {
    const int w = area.width();
    if (isIndexed(format) && format == image.format && image.pixels.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < area.height(); ++y)
            writeIndices(format, image.pixels.constScanLine(area.y() + y) + area.x(), w,
                         rows + static_cast<std::ptrdiff_t>(y) * stride);
        return;
    }
    std::vector<ARGB> straight = readArea(image, area);
    for (int y = 0; y < area.height(); ++y)
        encodeRow(format, &straight[static_cast<std::size_t>(y) * w], w, rows + static_cast<std::ptrdiff_t>(y) * stride,
                  image.palette);
}

void rawToArea(GpImage& image, const QRect& area, PixelFormat format, const std::uint8_t* rows, int stride) {
    const int w = area.width();
    if (isIndexed(format) && format == image.format && image.pixels.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < area.height(); ++y)
            readIndices(format, rows + static_cast<std::ptrdiff_t>(y) * stride, w,
                        image.pixels.scanLine(area.y() + y) + area.x());
        return;
    }
    std::vector<ARGB> straight(static_cast<std::size_t>(w) * static_cast<std::size_t>(area.height()));
    for (int y = 0; y < area.height(); ++y)
        decodeRow(format, rows + static_cast<std::ptrdiff_t>(y) * stride, w, &straight[static_cast<std::size_t>(y) * w],
                  image.palette);
    writeArea(image, area, straight.data());
}

QImage convertForStorage(const QImage& source, PixelFormat format, const std::vector<ARGB>& palette) {
    const QImage::Format target = storageFormat(format);
    if (target == QImage::Format_Indexed8) {
        QImage out = makeStorage(source.width(), source.height(), format, palette);
        if (out.isNull()) return out;
        QImage straight = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < out.height(); ++y) {
            const auto* in = reinterpret_cast<const ARGB*>(straight.constScanLine(y));
            std::uint8_t* row = out.scanLine(y);
            for (int x = 0; x < out.width(); ++x) row[x] = nearestIndex(palette, in[x]);
        }
        return out;
    }
    QImage straight = source.convertToFormat(QImage::Format_ARGB32);
    if (quantize(format, 0x80818283) != 0x80818283) {
        for (int y = 0; y < straight.height(); ++y) {
            auto* row = reinterpret_cast<ARGB*>(straight.scanLine(y));
            for (int x = 0; x < straight.width(); ++x) row[x] = quantize(format, row[x]);
        }
    }
    QImage out = straight.convertToFormat(target);
    out.setDotsPerMeterX(source.dotsPerMeterX());
    out.setDotsPerMeterY(source.dotsPerMeterY());
    return out;
}

}  // namespace engine
