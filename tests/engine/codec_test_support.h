// Helpers shared by the codec tests: images built as engine records,
// parameter blocks, saving into memory and reading the result back.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "gdiplus_flat.h"
#include "objects/image.h"
#include "win32/global_memory.h"

namespace codec_test {

inline void startEngine() {
    static ULONG_PTR token = 0;
    if (token) return;
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    GdiplusStartup(&token, &input, nullptr);
}

// An engine bitmap over `straight` pixels, kept premultiplied as the engine
// keeps 32bpp ARGB images.
inline std::unique_ptr<GpBitmap> makeBitmap(const QImage& straight, PixelFormat format = PixelFormat32bppARGB) {
    auto bitmap = std::make_unique<GpBitmap>();
    bitmap->format = format;
    bitmap->pixels = (format & PixelFormatAlpha) ? straight.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                                 : straight.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}

// What callers of the engine see of a bitmap: straight ARGB.
inline QImage visiblePixels(const GpImage& image) { return image.pixels.convertToFormat(QImage::Format_ARGB32); }

// A small picture like the program's diagrams: a transparent background,
// anti-aliased lines and text in one colour, and one opaque block.
inline QImage diagramPicture(int width = 60, int height = 24) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 60, 200), 1.5));
    p.drawEllipse(QRectF(2, 2, height - 4, height - 4));
    p.drawArc(QRectF(height, 1, 12, height - 2), 30 * 16, -60 * 16);
    p.fillRect(QRect(width - 12, 4, 8, 8), QColor(200, 30, 30));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A picture of few colours, which every format, GIF included, keeps exactly.
inline QImage flatPicture() {
    QImage image(17, 9, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFF);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 17; ++x) {
            if ((x + 2 * y) % 5 == 0)
                image.setPixel(x, y, 0xFF102030);
            else if (x > 12)
                image.setPixel(x, y, 0xFFE04010);
        }
    return image;
}

// A smooth picture, which JPEG keeps close.
inline QImage gradientPicture() {
    QImage image(32, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(x * 8, 128 + y * 4, 200 - x * 2));
    return image;
}

// A picture of noise: long enough to fill an LZW code table several times.
inline QImage noisePicture(int width = 200, int height = 120) {
    QImage image(width, height, QImage::Format_ARGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    return image;
}

// An EncoderParameters block built up one Long parameter at a time.
class ParameterBlock {
public:
    ParameterBlock& add(const GUID& category, LONG value, ULONG type = EncoderParameterValueTypeLong,
                        ULONG count = 1) {
        values_.push_back(value);
        entries_.push_back({category, count, type, &values_.back()});
        return *this;
    }
    EncoderParameters* get() {
        storage_.assign(offsetof(EncoderParameters, Parameter) + std::max<std::size_t>(1, entries_.size()) *
                                                                     sizeof(EncoderParameter),
                        0);
        auto* block = reinterpret_cast<EncoderParameters*>(storage_.data());
        block->Count = static_cast<UINT>(entries_.size());
        if (!entries_.empty())
            std::memcpy(block->Parameter, entries_.data(), entries_.size() * sizeof(EncoderParameter));
        return block;
    }

private:
    std::deque<LONG> values_;  // stable addresses
    std::vector<EncoderParameter> entries_;
    std::vector<std::uint64_t> storage_;
};

// Saves through a stream over global memory; the bytes up to the stream's end.
inline QByteArray saveToMemory(GpImage* image, const CLSID& encoder, const EncoderParameters* params,
                               GpStatus* status = nullptr) {
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    GpStatus s = GdipSaveImageToStream(image, stream, &encoder, params);
    if (status) *status = s;
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    HGLOBAL block = nullptr;
    GetHGlobalFromStream(stream, &block);
    QByteArray bytes(static_cast<const char*>(GlobalLock(block)), static_cast<qsizetype>(stat.cbSize.QuadPart));
    GlobalUnlock(block);
    stream->Release();
    return bytes;
}

inline QImage decode(const QByteArray& bytes, int index = 0) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (index && reader.jumpToImage(index)) return reader.read().convertToFormat(QImage::Format_ARGB32);
    QImage image = reader.read();
    for (int i = 0; i < index; ++i) image = reader.read();  // readers that cannot jump
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline int frameCount(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.imageCount();
}

// The largest difference of one channel between two images of one size.
inline int maxChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return worst;
}

}  // namespace codec_test
