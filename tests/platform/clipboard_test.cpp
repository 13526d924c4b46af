#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstring>
#include <vector>

#include "toolkit/image_conversion.h"
#include "win32/clipboard.h"
#include "win32/global_memory.h"

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
}

std::vector<std::uint8_t> encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

// A picture with a transparent left half and an opaque red right half, and
// one blue pixel at the top left, so that the row order shows.
QImage sample(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x) image.setPixel(x, y, qRgba(255, 0, 0, 255));
    image.setPixel(0, 0, qRgba(0, 0, 255, 255));
    return image;
}

std::vector<std::uint8_t> blockBytes(HGLOBAL block) {
    std::vector<std::uint8_t> bytes(GlobalSize(block));
    std::memcpy(bytes.data(), GlobalLock(block), bytes.size());
    GlobalUnlock(block);
    return bytes;
}

TEST(ImageConversion, PackedDibIs24BitBottomUpPaddedAndWhiteUnderTransparency) {
    ensureApplication();
    const int width = 230, height = 3;  // 690 bytes of pixels, padded to 692
    toolkit::DecodedImage* cell = nullptr;
    ASSERT_TRUE(toolkit::decodeImageFromBytes(cell, encode(sample(width, height), "PNG"), 0));
    HGLOBAL block = toolkit::copyImageToGlobal(cell);
    toolkit::freeImage(cell);
    EXPECT_EQ(cell, nullptr);
    ASSERT_NE(block, nullptr) << "the block outlives the image object";
    std::vector<std::uint8_t> dib = blockBytes(block);
    GlobalFree(block);

    const std::size_t row = 692;
    ASSERT_EQ(dib.size(), 40 + row * height);
    BITMAPINFOHEADER info;
    std::memcpy(&info, dib.data(), sizeof info);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, width);
    EXPECT_EQ(info.biHeight, height) << "positive height: bottom-up";
    EXPECT_EQ(info.biPlanes, 1);
    EXPECT_EQ(info.biBitCount, 24);
    EXPECT_EQ(info.biCompression, BI_RGB);
    EXPECT_EQ(info.biClrUsed, 0u);
    const std::uint8_t* pixels = dib.data() + 40;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* line = pixels + row * y;
        EXPECT_EQ(line[690], 0);
        EXPECT_EQ(line[691], 0);
        const int imageRow = height - 1 - y;
        for (int x : {0, 1, width / 2 - 1, width / 2, width - 1}) {
            const std::uint8_t* bgr = line + 3 * x;
            if (imageRow == 0 && x == 0) {
                EXPECT_EQ((std::vector<int>{bgr[0], bgr[1], bgr[2]}), (std::vector<int>{255, 0, 0})) << "blue, top row last";
            } else if (x < width / 2) {
                EXPECT_EQ((std::vector<int>{bgr[0], bgr[1], bgr[2]}), (std::vector<int>{255, 255, 255})) << x << "," << y;
            } else {
                EXPECT_EQ((std::vector<int>{bgr[0], bgr[1], bgr[2]}), (std::vector<int>{0, 0, 255})) << x << "," << y;
            }
        }
    }
}

TEST(ImageConversion, DecodesNothingFromTooFewOrForeignBytes) {
    ensureApplication();
    toolkit::DecodedImage* cell = nullptr;
    std::vector<std::uint8_t> png = encode(sample(4, 4), "PNG");
    EXPECT_FALSE(toolkit::decodeImageFromBytes(cell, std::vector<std::uint8_t>(png.begin(), png.begin() + 32), 0));
    EXPECT_NE(cell, nullptr) << "the object is made even when nothing decodes";
    EXPECT_EQ(toolkit::copyImageToGlobal(cell), nullptr);
    EXPECT_FALSE(toolkit::decodeImageFromBytes(cell, std::vector<std::uint8_t>(100, 0x42), 0));
    EXPECT_EQ(toolkit::copyImageToGlobal(nullptr), nullptr);
    toolkit::freeImage(cell);
}

TEST(Clipboard, OffersTheDibAsBmpAndPng) {
    ensureApplication();
    toolkit::DecodedImage* cell = nullptr;
    const QImage picture = sample(230, 120);
    ASSERT_TRUE(toolkit::decodeImageFromBytes(cell, encode(picture, "BMP"), 0));
    HGLOBAL block = toolkit::copyImageToGlobal(cell);
    toolkit::freeImage(cell);

    EXPECT_EQ(SetClipboardData(CF_DIB, block), nullptr) << "not open";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "already open";
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(2, block), nullptr) << "only CF_DIB";
    EXPECT_EQ(SetClipboardData(CF_DIB, block), block);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());

    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    for (const char* type : {"image/png", "image/bmp"}) {
        QImage pasted = QImage::fromData(mime->data(QString::fromLatin1(type)));
        ASSERT_FALSE(pasted.isNull()) << type;
        EXPECT_EQ(pasted.size(), picture.size()) << type;
        EXPECT_EQ(pasted.pixel(0, 0), qRgb(0, 0, 255)) << type;
        EXPECT_EQ(pasted.pixel(229, 119), qRgb(255, 0, 0)) << type;
    }
    // The clipboard owns the block until it is emptied.
    EXPECT_GT(GlobalSize(block), 0u);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(GlobalSize(block), 0u);
}

}  // namespace
