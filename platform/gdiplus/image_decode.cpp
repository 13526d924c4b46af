// Bitmaps decoded from files and streams. The format is recognised from the
// first bytes, never from a file name; Qt's image readers do the decoding and
// the result is stored as the pixel format GDI+ gives such a file.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>
#include <cstring>
#include <memory>

#include "api/image.h"
#include "image_pixels.h"
#include "objects/image.h"
#include "status.h"

using namespace engine;

namespace {

struct FileKind {
    const char* reader;  // Qt's name of the format
    GUID rawFormat;
};

// The kind of image the bytes hold, from their signature; null for none.
const FileKind* recognise(const QByteArray& bytes) {
    static const FileKind png{"png", ImageFormatPNG}, bmp{"bmp", ImageFormatBMP}, jpeg{"jpeg", ImageFormatJPEG},
        gif{"gif", ImageFormatGIF}, tiff{"tiff", ImageFormatTIFF}, ico{"ico", ImageFormatIcon};
    auto startsWith = [&bytes](const char* signature, int length) {
        return bytes.size() >= length && std::memcmp(bytes.constData(), signature, static_cast<std::size_t>(length)) == 0;
    };
    if (startsWith("\x89PNG\r\n\x1a\n", 8)) return &png;
    if (startsWith("BM", 2) && bytes.size() >= 26) return &bmp;
    if (startsWith("\xFF\xD8\xFF", 3)) return &jpeg;
    if (startsWith("GIF87a", 6) || startsWith("GIF89a", 6)) return &gif;
    if (startsWith("II*\0", 4) || startsWith("MM\0*", 4)) return &tiff;
    if (startsWith("\0\0\1\0", 4) && bytes.size() >= 6 && (bytes[4] || bytes[5])) return &ico;
    return nullptr;
}

// Bits per pixel that the file itself states, where that decides the format
// (BMP and PNG); 0 when the file does not say.
int statedDepth(const QByteArray& bytes, const FileKind& kind) {
    auto u8 = [&bytes](int at) { return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0; };
    if (kind.rawFormat == ImageFormatBMP) {
        const unsigned headerSize = u8(14) | (u8(15) << 8);
        return headerSize == 12 ? (u8(24) | (u8(25) << 8)) : (u8(28) | (u8(29) << 8));
    }
    if (kind.rawFormat == ImageFormatPNG && u8(25) == 3) return u8(24);  // palette image: its index depth
    return 0;
}

PixelFormat formatFor(const QImage& image, const FileKind& kind, int depth) {
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return PixelFormat1bppIndexed;
    case QImage::Format_Indexed8:
        if (depth == 1) return PixelFormat1bppIndexed;
        if (depth == 2 || depth == 4) return PixelFormat4bppIndexed;
        return PixelFormat8bppIndexed;
    case QImage::Format_Grayscale8:
        return PixelFormat8bppIndexed;
    case QImage::Format_Grayscale16:
    case QImage::Format_RGBX64:
        return PixelFormat48bppRGB;
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        return PixelFormat64bppARGB;
    case QImage::Format_RGB16:
        return PixelFormat16bppRGB565;
    case QImage::Format_RGB555:
        return depth == 16 ? PixelFormat16bppRGB555 : PixelFormat24bppRGB;
    default:
        break;
    }
    if (image.hasAlphaChannel()) return PixelFormat32bppARGB;
    if (kind.rawFormat == ImageFormatBMP) {
        if (depth == 32) return PixelFormat32bppRGB;
        if (depth == 16) return PixelFormat16bppRGB555;
    }
    return PixelFormat24bppRGB;
}

std::vector<ARGB> grayRamp() {
    std::vector<ARGB> palette(256);
    for (unsigned v = 0; v < 256; ++v) palette[v] = 0xFF000000 | (v << 16) | (v << 8) | v;
    return palette;
}

// One decoded frame in the storage of `format`, and the palette it uses.
QImage storeFrame(const QImage& frame, PixelFormat format, std::vector<ARGB>& palette) {
    if (isIndexed(format)) {
        QImage indexed = frame;
        if (frame.format() == QImage::Format_Grayscale8) {
            palette = grayRamp();
            indexed = frame.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(palette.begin(), palette.end()));
        } else if (frame.format() != QImage::Format_Indexed8) {
            indexed = frame.convertToFormat(QImage::Format_Indexed8);
        }
        QList<QRgb> table = indexed.colorTable();
        palette.assign(table.begin(), table.end());
        return indexed;
    }
    palette.clear();
    return convertForStorage(frame, format, palette);
}

GpStatus decode(const QByteArray& bytes, GpBitmap** bitmap) {
    const FileKind* kind = recognise(bytes);
    GP_CHECK(kind, UnknownImageFormat);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind->reader);
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(false);

    // Animation frames and document pages; an icon gives only its first image.
    const bool manyFrames = kind->rawFormat == ImageFormatGIF || kind->rawFormat == ImageFormatTIFF;
    std::vector<QImage> frames;
    std::vector<std::int32_t> delays;  // hundredths of a second
    const int count = manyFrames ? reader.imageCount() : 1;
    for (int i = 0; count <= 0 || i < count; ++i) {
        if (i > 0 && kind->rawFormat == ImageFormatTIFF && !reader.jumpToImage(i)) break;
        QImage frame = reader.read();
        if (frame.isNull()) break;
        frames.push_back(frame);
        delays.push_back(static_cast<std::int32_t>(std::max(0, reader.nextImageDelay()) / 10));
        if (!manyFrames || frames.size() >= 10000) break;
    }
    GP_CHECK_ARG(!frames.empty());

    auto b = std::make_unique<GpBitmap>();
    const QImage& first = frames.front();
    // Every GIF frame is 8-bit indexed, whatever the reader made of it.
    b->format = kind->rawFormat == ImageFormatGIF ? PixelFormat8bppIndexed
                                                  : formatFor(first, *kind, statedDepth(bytes, *kind));
    b->rawFormat = kind->rawFormat;
    b->frameDimension = kind->rawFormat == ImageFormatGIF ? FrameDimensionTime : FrameDimensionPage;
    b->flags = ImageFlagsHasRealPixelSize | ImageFlagsReadOnly |
               (first.isGrayscale() ? ImageFlagsColorSpaceGRAY : ImageFlagsColorSpaceRGB);
    if (first.dotsPerMeterX() > 0 && first.dotsPerMeterY() > 0) {
        b->dpiX = static_cast<REAL>(first.dotsPerMeterX() * 0.0254);
        b->dpiY = static_cast<REAL>(first.dotsPerMeterY() * 0.0254);
    }

    std::vector<ARGB> palette;
    std::vector<QImage> stored;
    for (const QImage& frame : frames) {
        std::vector<ARGB> framePalette;
        QImage s = storeFrame(frame.size() == first.size() ? frame : frame.scaled(first.size()), b->format, framePalette);
        GP_CHECK(!s.isNull(), OutOfMemory);
        if (stored.empty()) palette = framePalette;
        stored.push_back(std::move(s));
    }
    b->pixels = stored.front();
    if (isIndexed(b->format)) {
        b->palette = std::move(palette);
        for (ARGB c : b->palette)
            if ((c >> 24) != 0xFF) b->paletteFlags |= PaletteFlagsHasAlpha;
        if (first.format() == QImage::Format_Grayscale8) b->paletteFlags |= PaletteFlagsGrayScale;
    }
    if (stored.size() > 1) b->frames = std::move(stored);

    if (kind->rawFormat == ImageFormatGIF) {
        std::vector<std::uint8_t> value(delays.size() * 4);
        std::memcpy(value.data(), delays.data(), value.size());
        b->properties.push_back({PropertyTagFrameDelay, PropertyTagTypeLong, std::move(value)});
        // Qt counts -1 for an endless loop, which the property writes as 0.
        const int loops = reader.loopCount();
        const auto loopValue = static_cast<std::uint16_t>(loops < 0 ? 0 : loops);
        std::vector<std::uint8_t> loop(2);
        std::memcpy(loop.data(), &loopValue, 2);
        b->properties.push_back({PropertyTagLoopCount, PropertyTagTypeShort, std::move(loop)});
    }
    *bitmap = b.release();
    return Ok;
}

GpStatus decodeFile(const WCHAR* filename, GpBitmap** bitmap) {
    GP_CHECK_ARG(filename && bitmap);
    const QString path = QString::fromUtf16(filename);
    GP_CHECK_ARG(!path.isEmpty());
    QFileInfo info(path);
    GP_CHECK(info.exists() && !info.isDir(), FileNotFound);
    QFile file(path);
    GP_CHECK(file.open(QIODevice::ReadOnly), AccessDenied);
    const QByteArray bytes = file.readAll();
    return decode(bytes, bitmap);
}

GpStatus decodeStream(IStream* stream, GpBitmap** bitmap) {
    GP_CHECK_ARG(stream && bitmap);
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        ULONG got = 0;
        HRESULT hr = stream->Read(chunk, sizeof chunk, &got);
        GP_CHECK(SUCCEEDED(hr), Win32Error);
        if (got == 0) break;
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
    return decode(bytes, bitmap);
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateBitmapFromFile(GDIPCONST WCHAR* filename, GpBitmap** bitmap) {
    return decodeFile(filename, bitmap);
}

GpStatus WINGDIPAPI GdipCreateBitmapFromFileICM(GDIPCONST WCHAR* filename, GpBitmap** bitmap) {
    return decodeFile(filename, bitmap);
}

GpStatus WINGDIPAPI GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap) {
    return decodeStream(stream, bitmap);
}

GpStatus WINGDIPAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap) {
    return decodeStream(stream, bitmap);
}
