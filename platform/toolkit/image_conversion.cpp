#include "image_conversion.h"

#include <QImage>
#include <QPainter>
#include <cstring>

#include "win32/global_memory.h"

namespace toolkit {

struct DecodedImage {
    QImage image;
};

bool decodeImageFromBytes(DecodedImage*& cell, const std::vector<std::uint8_t>& bytes, int format) {
    if (!cell) cell = new DecodedImage;
    if (bytes.size() <= 32 || format != 0) return false;
    QImage decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
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
