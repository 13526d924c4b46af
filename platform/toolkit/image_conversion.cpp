#include "image_conversion.h"

#include <QImage>
#include <QPainter>
#include <cstring>

#include "win32/global_memory.h"

namespace toolkit {

struct DecodedImage {
    QImage image;
};

namespace {

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

// A 32-bit BI_RGB BMP keeps straight alpha in its fourth byte (as GDI+
// writes pictures with alpha), which Qt's reader drops; the picture with
// its alpha, or a null image when the file has none (all fourth bytes 0,
// as older writers leave them) or is not such a BMP.
QImage bmpWithAlpha(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const std::uint32_t offBits = read32(bytes, 10);
    const std::uint32_t headerSize = read32(bytes, 14);
    const auto width = static_cast<std::int32_t>(read32(bytes, 18));
    const auto height = static_cast<std::int32_t>(read32(bytes, 22));
    const std::uint32_t bitsAndPlanes = read32(bytes, 26);
    const std::uint32_t compression = read32(bytes, 30);
    if (headerSize < 40 || (bitsAndPlanes >> 16) != 32 || compression != BI_RGB || width <= 0 || height == 0 ||
        width > 65535 || height > 65535 || height < -65535)
        return {};
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = std::size_t(width) * 4;
    if (offBits > bytes.size() || (bytes.size() - offBits) / stride < std::size_t(rows)) return {};
    QImage image(width, rows, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* in = bytes.data() + offBits + stride * std::size_t(height > 0 ? rows - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 4) {
            out[x] = qRgba(in[2], in[1], in[0], in[3]);
            anyAlpha |= in[3] != 0;
        }
    }
    return anyAlpha ? image : QImage();
}

}  // namespace

bool decodeImageFromBytes(DecodedImage*& cell, const std::vector<std::uint8_t>& bytes, int format) {
    if (!cell) cell = new DecodedImage;
    if (bytes.size() <= 32 || format != 0) return false;
    QImage decoded = bmpWithAlpha(bytes);
    if (decoded.isNull()) decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
    if (decoded.isNull()) return false;
    cell->image = decoded;
    return true;
}

namespace {

std::size_t paddedRow(int width, int bits) {
    return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

}  // namespace

HGLOBAL copyImageToGlobal(const DecodedImage* cell) {
    if (!cell || cell->image.isNull()) return nullptr;
    QImage source = cell->image;
    const bool indexed = source.format() == QImage::Format_Indexed8 || source.format() == QImage::Format_Mono ||
                         source.format() == QImage::Format_MonoLSB;
    if (indexed) {
        source = source.convertToFormat(QImage::Format_Indexed8);
    } else {
        // 24 bits, no alpha: what has alpha is composed onto white.
        QImage flat(source.size(), QImage::Format_RGB888);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
        painter.end();
        source = flat;
    }
    const int width = source.width();
    const int height = source.height();
    const int bits = indexed ? 8 : 24;
    const DWORD colours = indexed ? static_cast<DWORD>(source.colorCount()) : 0;
    const std::size_t row = paddedRow(width, bits);
    const std::size_t total = sizeof(BITMAPINFOHEADER) + 4 * colours + row * static_cast<std::size_t>(height);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, total);
    if (!block) return nullptr;
    auto* out = static_cast<std::uint8_t*>(GlobalLock(block));
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // positive: rows bottom-up
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(row * static_cast<std::size_t>(height));
    info.biXPelsPerMeter = info.biYPelsPerMeter = 3780;  // 96 dpi
    info.biClrUsed = colours;
    std::memcpy(out, &info, sizeof info);
    std::uint8_t* pixels = out + sizeof info;
    for (DWORD i = 0; i < colours; ++i) {
        QRgb c = source.color(static_cast<int>(i));
        RGBQUAD quad{static_cast<BYTE>(qBlue(c)), static_cast<BYTE>(qGreen(c)), static_cast<BYTE>(qRed(c)), 0};
        std::memcpy(pixels, &quad, sizeof quad);
        pixels += sizeof quad;
    }
    for (int y = 0; y < height; ++y) {
        const uchar* line = source.constScanLine(height - 1 - y);
        std::uint8_t* target = pixels + row * static_cast<std::size_t>(y);
        if (indexed) {
            std::memcpy(target, line, static_cast<std::size_t>(width));
        } else {
            for (int x = 0; x < width; ++x) {  // RGB in the image, BGR in a DIB
                target[3 * x] = line[3 * x + 2];
                target[3 * x + 1] = line[3 * x + 1];
                target[3 * x + 2] = line[3 * x];
            }
        }
    }
    GlobalUnlock(block);
    return block;
}

void freeImage(DecodedImage*& cell) {
    delete cell;
    cell = nullptr;
}

}  // namespace toolkit
