// Decoding: files and streams of every supported format, made in the test,
// multi-frame GIFs and the failures of a bad file or bad bytes; and the
// exchange with DIBs, GDI bitmaps and icons.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <cstring>
#include <vector>

#include "gdiplus_flat.h"
#include "win32/gdi_bitmap.h"
#include "win32/global_memory.h"

namespace {

class Decoding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }
    void TearDown() override {
        for (GpBitmap* b : owned) GdipDisposeImage(reinterpret_cast<GpImage*>(b));
    }
    GpBitmap* own(GpBitmap* b) {
        if (b) owned.push_back(b);
        return b;
    }

    static ULONG_PTR token;
    std::vector<GpBitmap*> owned;
};
ULONG_PTR Decoding::token = 0;

GpImage* I(GpBitmap* b) { return reinterpret_cast<GpImage*>(b); }

ARGB pixel(GpBitmap* b, int x, int y) {
    ARGB c = 0xDEADBEEF;
    EXPECT_EQ(GdipBitmapGetPixel(b, x, y, &c), Ok);
    return c;
}

// A 4 x 2 picture: red, green, blue, half-transparent white on top, the
// bottom row black.
QImage sample(QImage::Format format) {
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(0xFF000000);
    image.setPixel(0, 0, 0xFFFF0000);
    image.setPixel(1, 0, 0xFF00FF00);
    image.setPixel(2, 0, 0xFF0000FF);
    image.setPixel(3, 0, 0x80FFFFFF);
    return image.convertToFormat(format);
}

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image)) << format << ": " << writer.errorString().toStdString();
    return bytes;
}

IStream* streamOver(const QByteArray& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(bytes.size()));
    std::memcpy(GlobalLock(block), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    GlobalUnlock(block);
    IStream* stream = nullptr;
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    return stream;
}

GpStatus decode(const QByteArray& bytes, GpBitmap** out) {
    IStream* stream = streamOver(bytes);
    GpStatus status = GdipCreateBitmapFromStream(stream, out);
    stream->Release();  // the bitmap keeps nothing of the stream
    return status;
}

// A two-frame 1 x 1 GIF (red, then blue), 10 and 20 hundredths, looping forever.
QByteArray twoFrameGif() {
    const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,                    // screen, 2-colour table
        0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,                                       // red, blue
        0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',  // loop extension
        0x03, 0x01, 0x00, 0x00, 0x00,                                             //
        0x21, 0xF9, 0x04, 0x00, 10, 0, 0x00, 0x00,                                // delay 10
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,         // index 0
        0x21, 0xF9, 0x04, 0x00, 20, 0, 0x00, 0x00,                                // delay 20
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x4C, 0x01, 0x00,         // index 1
        0x3B,
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_F(Decoding, EveryFormatDecodesFromAStream) {
    struct Case {
        const char* writer;
        QImage::Format source;
        GUID raw;
        PixelFormat format;
        bool lossless;
    } cases[] = {
        {"png", QImage::Format_ARGB32, ImageFormatPNG, PixelFormat32bppARGB, true},
        {"png", QImage::Format_RGB32, ImageFormatPNG, PixelFormat24bppRGB, true},
        {"bmp", QImage::Format_RGB32, ImageFormatBMP, PixelFormat24bppRGB, true},
        {"ico", QImage::Format_ARGB32, ImageFormatIcon, PixelFormat32bppARGB, true},
        {"tiff", QImage::Format_ARGB32, ImageFormatTIFF, PixelFormat32bppARGB, true},
        {"jpeg", QImage::Format_RGB32, ImageFormatJPEG, PixelFormat24bppRGB, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.writer);
        const QImage source = sample(c.source);
        GpBitmap* b = nullptr;
        ASSERT_EQ(decode(encode(source, c.writer), &b), Ok);
        own(b);
        GUID raw{};
        PixelFormat format = 0;
        UINT w = 0, h = 0;
        GdipGetImageRawFormat(I(b), &raw);
        GdipGetImagePixelFormat(I(b), &format);
        GdipGetImageWidth(I(b), &w);
        GdipGetImageHeight(I(b), &h);
        EXPECT_TRUE(raw == c.raw);
        EXPECT_EQ(format, c.format);
        EXPECT_EQ(w, 4u);
        EXPECT_EQ(h, 2u);
        if (c.lossless) {
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(pixel(b, x, 0), source.pixel(x, 0)) << "x " << x;
        } else {
            EXPECT_EQ(pixel(b, 0, 1) >> 24, 0xFFu);  // opaque, colours only near the source
        }
    }
}

TEST_F(Decoding, IndexedFilesKeepTheirPalette) {
    QImage indexed = sample(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8);
    GpBitmap* b = nullptr;
    ASSERT_EQ(decode(encode(indexed, "png"), &b), Ok);
    own(b);
    PixelFormat format = 0;
    GdipGetImagePixelFormat(I(b), &format);
    EXPECT_TRUE(format == PixelFormat8bppIndexed || format == PixelFormat4bppIndexed) << std::hex << format;
    EXPECT_EQ(pixel(b, 2, 0), 0xFF0000FFu);
    INT size = 0;
    ASSERT_EQ(GdipGetImagePaletteSize(I(b), &size), Ok);
    EXPECT_GE(size, 8 + 4 * 4);
}

TEST_F(Decoding, AnimatedGifHasTimeFramesAndDelays) {
    GpBitmap* b = nullptr;
    ASSERT_EQ(decode(twoFrameGif(), &b), Ok);
    own(b);
    GUID raw{}, dimension{};
    PixelFormat format = 0;
    UINT frames = 0;
    GdipGetImageRawFormat(I(b), &raw);
    GdipGetImagePixelFormat(I(b), &format);
    EXPECT_TRUE(raw == ImageFormatGIF);
    EXPECT_EQ(format, PixelFormat8bppIndexed);
    ASSERT_EQ(GdipImageGetFrameDimensionsList(I(b), &dimension, 1), Ok);
    EXPECT_TRUE(dimension == FrameDimensionTime);
    ASSERT_EQ(GdipImageGetFrameCount(I(b), &FrameDimensionTime, &frames), Ok);
    EXPECT_EQ(frames, 2u);
    EXPECT_EQ(GdipImageGetFrameCount(I(b), &FrameDimensionPage, &frames), InvalidParameter);

    EXPECT_EQ(pixel(b, 0, 0), 0xFFFF0000u);
    ASSERT_EQ(GdipImageSelectActiveFrame(I(b), &FrameDimensionTime, 1), Ok);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(GdipImageSelectActiveFrame(I(b), &FrameDimensionTime, 2), InvalidParameter);

    UINT size = 0;
    ASSERT_EQ(GdipGetPropertyItemSize(I(b), PropertyTagFrameDelay, &size), Ok);
    std::vector<std::uint8_t> block(size);
    auto* item = reinterpret_cast<PropertyItem*>(block.data());
    ASSERT_EQ(GdipGetPropertyItem(I(b), PropertyTagFrameDelay, size, item), Ok);
    ASSERT_EQ(item->length, 8u);
    EXPECT_EQ(item->type, PropertyTagTypeLong);
    std::int32_t delays[2];
    std::memcpy(delays, item->value, 8);
    EXPECT_EQ(delays[0], 10);
    EXPECT_EQ(delays[1], 20);
}

TEST_F(Decoding, FilesAndTheirFailures) {
    const QString dir = QDir::tempPath() + "/zelvaro-decode-test";
    QDir().mkpath(dir);
    const QString png = dir + "/sample.png", junk = dir + "/junk.png";
    sample(QImage::Format_ARGB32).save(png, "PNG");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not an image at all");
    }
    QFile damaged(dir + "/damaged.png");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(encode(sample(QImage::Format_ARGB32), "png").left(20));
    damaged.close();

    struct Case {
        QString path;
        GpStatus expected;
    } cases[] = {
        {png, Ok},
        {dir + "/missing.png", FileNotFound},
        {junk, UnknownImageFormat},
        {damaged.fileName(), InvalidParameter},
        {dir, FileNotFound},
    };
    for (const Case& c : cases) {
        for (bool icm : {false, true}) {
            GpBitmap* b = nullptr;
            const GpStatus status = icm ? GdipCreateBitmapFromFileICM(reinterpret_cast<const WCHAR*>(c.path.utf16()), &b)
                                        : GdipCreateBitmapFromFile(reinterpret_cast<const WCHAR*>(c.path.utf16()), &b);
            EXPECT_EQ(status, c.expected) << c.path.toStdString();
            EXPECT_EQ(b != nullptr, c.expected == Ok);
            own(b);
        }
    }
    QDir(dir).removeRecursively();

    GpBitmap* b = nullptr;
    EXPECT_EQ(decode(QByteArray(), &b), UnknownImageFormat);
    EXPECT_EQ(GdipCreateBitmapFromStream(nullptr, &b), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromResource(nullptr, u"name", &b), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromResource(reinterpret_cast<HINSTANCE>(0x400000), u"name", &b), Win32Error);
    EXPECT_EQ(b, nullptr);
}

TEST_F(Decoding, DibsOfEveryDepthAndRowOrder) {
    // 2 x 2, top row: palette entry 1 then 0; bottom row: 0 then 1.
    struct {
        BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 3780, 3780, 2, 0};
        RGBQUAD colours[2] = {{0, 0, 0xFF, 0}, {0xFF, 0, 0, 0}};  // red, blue
    } info8;
    BYTE rows8[8] = {0, 1, 0, 0, 1, 0, 0, 0};  // bottom-up: bottom row first
    GpBitmap* b = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromGdiDib(reinterpret_cast<BITMAPINFO*>(&info8), rows8, &b), Ok);
    own(b);
    PixelFormat format = 0;
    GdipGetImagePixelFormat(I(b), &format);
    EXPECT_EQ(format, PixelFormat8bppIndexed);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(pixel(b, 1, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(b, 1, 1), 0xFF0000FFu);

    BITMAPINFO info24{{sizeof(BITMAPINFOHEADER), 2, -2, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    BYTE rows24[16] = {0x30, 0x20, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 0, 0};  // top-down
    ASSERT_EQ(GdipCreateBitmapFromGdiDib(&info24, rows24, &b), Ok);
    own(b);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF102030u);
    EXPECT_EQ(pixel(b, 1, 1), 0xFF030201u);

    BITMAPINFO bad = info24;
    bad.bmiHeader.biBitCount = 7;
    EXPECT_EQ(GdipCreateBitmapFromGdiDib(&bad, rows24, &b), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromGdiDib(&info24, nullptr, &b), InvalidParameter);
}

TEST_F(Decoding, GdiBitmapsAndIconsRoundTrip) {
    GpBitmap* b = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(3, 2, 0, PixelFormat32bppARGB, nullptr, &b), Ok);
    own(b);
    ASSERT_EQ(GdipBitmapSetPixel(b, 0, 0, 0xFFFF0000), Ok);
    ASSERT_EQ(GdipBitmapSetPixel(b, 1, 0, 0x80000000), Ok);  // half-transparent black

    // Over a white background: opaque pixels stay, the rest mixes with white.
    HBITMAP hbm = nullptr;
    ASSERT_EQ(GdipCreateHBITMAPFromBitmap(b, &hbm, 0xFFFFFFFF), Ok);
    BITMAP record{};
    ASSERT_EQ(GetObjectA(hbm, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmWidth, 3);
    EXPECT_EQ(record.bmHeight, 2);
    EXPECT_EQ(record.bmBitsPixel, 32);
    GpBitmap* back = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromHBITMAP(hbm, nullptr, &back), Ok);
    own(back);
    PixelFormat format = 0;
    GdipGetImagePixelFormat(I(back), &format);
    EXPECT_EQ(format, PixelFormat32bppRGB);
    EXPECT_EQ(pixel(back, 0, 0), 0xFFFF0000u);
    EXPECT_NEAR(static_cast<int>(pixel(back, 1, 0) & 0xFF), 0x7F, 1);
    EXPECT_EQ(pixel(back, 2, 1), 0xFFFFFFFFu);
    EXPECT_TRUE(DeleteObject(hbm));
    EXPECT_EQ(GdipCreateBitmapFromHBITMAP(hbm, nullptr, &back), InvalidParameter);

    // An icon keeps alpha; a fully transparent pixel is masked out.
    HICON icon = nullptr;
    ASSERT_EQ(GdipCreateHICONFromBitmap(b, &icon), Ok);
    GpBitmap* fromIcon = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromHICON(icon, &fromIcon), Ok);
    own(fromIcon);
    EXPECT_EQ(pixel(fromIcon, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(fromIcon, 1, 0) >> 24, 0x80u);
    EXPECT_EQ(pixel(fromIcon, 2, 1) >> 24, 0u);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_EQ(GdipCreateBitmapFromHICON(icon, &fromIcon), InvalidParameter);
}

TEST_F(Decoding, IconWithoutAlphaUsesItsMask) {
    // 2 x 1 colour rows (24 bits) and a mask hiding the second pixel.
    BITMAPINFO colourInfo{{sizeof(BITMAPINFOHEADER), 2, -1, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* colourBits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &colourInfo, DIB_RGB_COLORS, &colourBits, nullptr, 0);
    ASSERT_TRUE(colour);
    const BYTE pixels[6] = {0xFF, 0, 0, 0, 0xFF, 0};  // blue, green
    std::memcpy(colourBits, pixels, 6);
    struct {
        BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 2, -1, 1, 1, BI_RGB, 0, 0, 0, 2, 0};
        RGBQUAD colours[2] = {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}};
    } maskInfo;
    void* maskBits = nullptr;
    HBITMAP mask = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&maskInfo), DIB_RGB_COLORS, &maskBits,
                                    nullptr, 0);
    ASSERT_TRUE(mask);
    static_cast<BYTE*>(maskBits)[0] = 0x40;
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    ASSERT_TRUE(icon);
    GpBitmap* b = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromHICON(icon, &b), Ok);
    own(b);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(pixel(b, 1, 0) >> 24, 0u);
    DestroyIcon(icon);
}

}  // namespace
