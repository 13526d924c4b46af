// Bitmaps made in memory: creation, pixels, locks, caller memory, copies,
// rotations, palettes and properties.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gdiplus_flat.h"

namespace {

class Bitmaps : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }

    // A bitmap that is disposed at the end of the test.
    GpBitmap* make(int width, int height, PixelFormat format, BYTE* scan0 = nullptr, INT stride = 0) {
        GpBitmap* b = nullptr;
        EXPECT_EQ(GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &b), Ok);
        if (b) owned.push_back(reinterpret_cast<GpImage*>(b));
        return b;
    }
    GpImage* own(GpImage* image) {
        if (image) owned.push_back(image);
        return image;
    }
    void TearDown() override {
        for (GpImage* i : owned) GdipDisposeImage(i);
    }

    static ULONG_PTR token;
    std::vector<GpImage*> owned;
};
ULONG_PTR Bitmaps::token = 0;

GpImage* I(GpBitmap* b) { return reinterpret_cast<GpImage*>(b); }

bool hasAlphaFormat(PixelFormat f) { return (f & PixelFormatAlpha) != 0; }

ARGB pixel(GpBitmap* b, int x, int y) {
    ARGB c = 0xDEADBEEF;
    EXPECT_EQ(GdipBitmapGetPixel(b, x, y, &c), Ok);
    return c;
}

TEST_F(Bitmaps, NewBitmapIsTransparentArgbInMemory) {
    GpBitmap* b = make(180, 120, PixelFormat32bppARGB);
    ASSERT_TRUE(b);
    UINT w = 0, h = 0;
    PixelFormat format = 0;
    ImageType type = 0;
    GUID raw{};
    REAL dpi = 0;
    EXPECT_EQ(GdipGetImageWidth(I(b), &w), Ok);
    EXPECT_EQ(GdipGetImageHeight(I(b), &h), Ok);
    EXPECT_EQ(GdipGetImagePixelFormat(I(b), &format), Ok);
    EXPECT_EQ(GdipGetImageType(I(b), &type), Ok);
    EXPECT_EQ(GdipGetImageRawFormat(I(b), &raw), Ok);
    EXPECT_EQ(GdipGetImageHorizontalResolution(I(b), &dpi), Ok);
    EXPECT_EQ(w, 180u);
    EXPECT_EQ(h, 120u);
    EXPECT_EQ(format, PixelFormat32bppARGB);
    EXPECT_EQ(type, ImageTypeBitmap);
    EXPECT_TRUE(raw == ImageFormatMemoryBMP);
    EXPECT_EQ(dpi, 96.0f);
    for (auto [x, y] : {std::pair{0, 0}, {179, 119}, {90, 60}}) EXPECT_EQ(pixel(b, x, y), 0u);

    GpRectF bounds{};
    GpUnit unit = -1;
    EXPECT_EQ(GdipGetImageBounds(I(b), &bounds, &unit), Ok);
    EXPECT_EQ(bounds.Width, 180.0f);
    EXPECT_EQ(unit, UnitPixel);
    UINT dims = 0, frames = 0;
    GUID dimension{};
    EXPECT_EQ(GdipImageGetFrameDimensionsCount(I(b), &dims), Ok);
    EXPECT_EQ(GdipImageGetFrameDimensionsList(I(b), &dimension, 1), Ok);
    EXPECT_EQ(GdipImageGetFrameCount(I(b), &dimension, &frames), Ok);
    EXPECT_EQ(dims, 1u);
    EXPECT_TRUE(dimension == FrameDimensionPage);
    EXPECT_EQ(frames, 1u);
}

TEST_F(Bitmaps, CreationRefusesBadArgumentsAndLeavesTheOutputAlone) {
    BYTE rows[64] = {};
    struct Case {
        INT width, height, stride;
        PixelFormat format;
        BYTE* scan0;
    } cases[] = {
        {0, 4, 0, PixelFormat32bppARGB, nullptr},
        {4, -1, 0, PixelFormat32bppARGB, nullptr},
        {4, 4, 0, 0x12345678, nullptr},
        {4, 4, 0, PixelFormatUndefined, nullptr},
        {4, 4, 0, PixelFormat32bppARGB, rows},   // rows need a stride
        {4, 4, 6, PixelFormat16bppRGB565, rows},  // not a multiple of 4
        {4, 4, 12, PixelFormat32bppARGB, rows},  // shorter than a row
        {100000, 100000, 0, PixelFormat32bppARGB, nullptr},
    };
    for (const Case& c : cases) {
        auto* sentinel = reinterpret_cast<GpBitmap*>(0x1);
        GpBitmap* out = sentinel;
        EXPECT_EQ(GdipCreateBitmapFromScan0(c.width, c.height, c.stride, c.format, c.scan0, &out), InvalidParameter)
            << c.width << "x" << c.height << " stride " << c.stride << " format " << std::hex << c.format;
        EXPECT_EQ(out, sentinel);
    }
    EXPECT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, nullptr), InvalidParameter);
}

TEST_F(Bitmaps, PixelsReadBackAsTheFormatHoldsThem) {
    struct Case {
        PixelFormat format;
        ARGB written, read;
    } cases[] = {
        {PixelFormat32bppARGB, 0xFF123456, 0xFF123456},
        {PixelFormat32bppARGB, 0x00000000, 0x00000000},
        {PixelFormat32bppPARGB, 0xFF80FF00, 0xFF80FF00},
        {PixelFormat32bppRGB, 0x40123456, 0xFF123456},  // no alpha to keep
        {PixelFormat24bppRGB, 0x80ABCDEF, 0xFFABCDEF},
        {PixelFormat48bppRGB, 0x10102030, 0xFF102030},
        {PixelFormat64bppARGB, 0xFF445566, 0xFF445566},
        {PixelFormat16bppRGB565, 0xFFFF8040, 0xFFFF8242},   // 5-6-5 bits
        {PixelFormat16bppRGB555, 0xFFFF8040, 0xFFFF8442},   // 5-5-5 bits
        {PixelFormat16bppARGB1555, 0x40FF0000, 0x00000000},  // alpha of one bit; kept premultiplied
        {PixelFormat16bppARGB1555, 0xC0FF0000, 0xFFFF0000},
    };
    for (const Case& c : cases) {
        GpBitmap* b = make(3, 2, c.format);
        ASSERT_TRUE(b);
        EXPECT_EQ(GdipBitmapSetPixel(b, 2, 1, c.written), Ok);
        EXPECT_EQ(pixel(b, 2, 1), c.read) << std::hex << "format " << c.format << " colour " << c.written;
        EXPECT_EQ(pixel(b, 0, 0) >> 24, hasAlphaFormat(c.format) ? 0u : 0xFFu) << std::hex << c.format;
    }
}

TEST_F(Bitmaps, PixelAccessChecksItsArguments) {
    GpBitmap* b = make(4, 4, PixelFormat32bppARGB);
    GpBitmap* indexed = make(4, 4, PixelFormat8bppIndexed);
    ARGB c = 7;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}}) {
        EXPECT_EQ(GdipBitmapGetPixel(b, x, y, &c), InvalidParameter);
        EXPECT_EQ(GdipBitmapSetPixel(b, x, y, 0xFFFFFFFF), InvalidParameter);
    }
    EXPECT_EQ(c, 7u);
    EXPECT_EQ(GdipBitmapSetPixel(indexed, 0, 0, 0xFFFFFFFF), InvalidParameter);
    EXPECT_EQ(pixel(indexed, 0, 0), 0xFF000000u);  // first entry of the default palette
    EXPECT_EQ(GdipBitmapGetPixel(nullptr, 0, 0, &c), InvalidParameter);
}

TEST_F(Bitmaps, DisposedHandlesAreRefused) {
    GpBitmap* b = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(2, 2, 0, PixelFormat32bppARGB, nullptr, &b), Ok);
    EXPECT_EQ(GdipDisposeImage(I(b)), Ok);
    UINT w = 0;
    EXPECT_EQ(GdipGetImageWidth(I(b), &w), InvalidParameter);
    EXPECT_EQ(GdipDisposeImage(I(b)), InvalidParameter);
    EXPECT_EQ(GdipDisposeImage(nullptr), InvalidParameter);
}

TEST_F(Bitmaps, LockBitsConvertsBothWays) {
    GpBitmap* b = make(2, 2, PixelFormat32bppARGB);
    ASSERT_EQ(GdipBitmapSetPixel(b, 0, 0, 0xFF102030), Ok);
    ASSERT_EQ(GdipBitmapSetPixel(b, 1, 0, 0x80FF0000), Ok);
    ASSERT_EQ(GdipBitmapSetPixel(b, 1, 1, 0xFF0000FF), Ok);

    struct Case {
        PixelFormat format;
        std::vector<BYTE> firstRow;  // the bytes of row 0
    } cases[] = {
        {PixelFormat32bppARGB, {0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0xFF, 0x80}},
        {PixelFormat32bppPARGB, {0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0x80, 0x80}},
        {PixelFormat24bppRGB, {0x30, 0x20, 0x10, 0x00, 0x00, 0xFF}},
        {PixelFormat16bppRGB565, {0x06, 0x11, 0x00, 0xF8}},
    };
    for (const Case& c : cases) {
        BitmapData data{};
        ASSERT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeRead, c.format, &data), Ok);
        EXPECT_EQ(data.Width, 2u);
        EXPECT_EQ(data.PixelFormat, c.format);
        EXPECT_EQ(data.Stride % 4, 0);
        std::vector<BYTE> row(static_cast<BYTE*>(data.Scan0), static_cast<BYTE*>(data.Scan0) + c.firstRow.size());
        EXPECT_EQ(row, c.firstRow) << std::hex << c.format;
        EXPECT_EQ(GdipBitmapUnlockBits(b, &data), Ok);
    }

    // Written rows come back into the image: one 24bpp pixel of a sub-rectangle.
    GpRect area{1, 1, 1, 1};
    BitmapData data{};
    ASSERT_EQ(GdipBitmapLockBits(b, &area, ImageLockModeWrite, PixelFormat24bppRGB, &data), Ok);
    auto* bytes = static_cast<BYTE*>(data.Scan0);
    bytes[0] = 0x01, bytes[1] = 0x02, bytes[2] = 0x03;
    ASSERT_EQ(GdipBitmapUnlockBits(b, &data), Ok);
    EXPECT_EQ(pixel(b, 1, 1), 0xFF030201u);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF102030u);
}

TEST_F(Bitmaps, LockBitsWithTheCallersBufferAndItsRules) {
    GpBitmap* b = make(2, 1, PixelFormat32bppRGB);
    std::uint32_t mine[2] = {0xFF00FF00, 0xFF0000FF};
    BitmapData data{2, 1, 8, PixelFormat32bppARGB, mine, 0};
    ASSERT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeWrite | ImageLockModeUserInputBuf, PixelFormat32bppARGB,
                                 &data), Ok);
    EXPECT_EQ(data.Scan0, mine);
    EXPECT_EQ(mine[0], 0xFF00FF00u);  // a write-only lock leaves the caller's rows alone
    // One lock at a time.
    BitmapData second{};
    EXPECT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeRead, PixelFormat32bppARGB, &second), WrongState);
    ASSERT_EQ(GdipBitmapUnlockBits(b, &data), Ok);
    EXPECT_EQ(pixel(b, 0, 0), 0xFF00FF00u);
    EXPECT_EQ(pixel(b, 1, 0), 0xFF0000FFu);
    EXPECT_EQ(GdipBitmapUnlockBits(b, &data), WrongState);

    GpRect outside{1, 0, 2, 1}, empty{0, 0, 0, 1};
    EXPECT_EQ(GdipBitmapLockBits(b, &outside, ImageLockModeRead, PixelFormat32bppARGB, &second), InvalidParameter);
    EXPECT_EQ(GdipBitmapLockBits(b, &empty, ImageLockModeRead, PixelFormat32bppARGB, &second), InvalidParameter);
    EXPECT_EQ(GdipBitmapLockBits(b, nullptr, 0, PixelFormat32bppARGB, &second), InvalidParameter);
    EXPECT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeRead, PixelFormat8bppIndexed, &second), InvalidParameter);
}

TEST_F(Bitmaps, IndexedImagesLockTheirIndices) {
    GpBitmap* b = make(10, 1, PixelFormat1bppIndexed);
    BitmapData data{};
    ASSERT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeWrite, PixelFormat1bppIndexed, &data), Ok);
    static_cast<BYTE*>(data.Scan0)[0] = 0xA0;  // pixels 0 and 2 white
    static_cast<BYTE*>(data.Scan0)[1] = 0x40;  // pixel 9 white
    ASSERT_EQ(GdipBitmapUnlockBits(b, &data), Ok);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(pixel(b, x, 0), (x == 0 || x == 2 || x == 9) ? 0xFFFFFFFFu : 0xFF000000u) << x;
    ASSERT_EQ(GdipBitmapLockBits(b, nullptr, ImageLockModeRead, PixelFormat24bppRGB, &data), Ok);
    EXPECT_EQ(static_cast<BYTE*>(data.Scan0)[0], 0xFF);
    EXPECT_EQ(static_cast<BYTE*>(data.Scan0)[3], 0x00);
    EXPECT_EQ(GdipBitmapUnlockBits(b, &data), Ok);
}

TEST_F(Bitmaps, CallersRowsSeeEveryChange) {
    // A format with a twin layout is worked on in place; others are written back.
    struct Case {
        PixelFormat format;
        int stride;
    } cases[] = {
        {PixelFormat32bppARGB, 8},
        {PixelFormat32bppARGB, -8},  // bottom-up rows
        {PixelFormat24bppRGB, 8},
        {PixelFormat64bppARGB, 16},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> memory(static_cast<std::size_t>(std::abs(c.stride)) * 2, 0);
        BYTE* scan0 = c.stride > 0 ? memory.data() : memory.data() + std::abs(c.stride);
        GpBitmap* b = make(2, 2, c.format, scan0, c.stride);
        ASSERT_TRUE(b);
        ASSERT_EQ(GdipBitmapSetPixel(b, 1, 1, 0xFF112233), Ok);
        // Row 1 starts one stride after Scan0.
        BYTE* row1 = scan0 + c.stride;
        const int bytesPerPixel = (c.format >> 8 & 0xFF) / 8;
        if (bytesPerPixel == 8) {
            EXPECT_EQ(row1[8 + 1], 0x33) << std::hex << c.format;  // blue, high byte of 16 bits
        } else {
            EXPECT_EQ(row1[bytesPerPixel + 0], 0x33) << std::hex << c.format;
            EXPECT_EQ(row1[bytesPerPixel + 2], 0x11) << std::hex << c.format;
        }
        // And the bitmap reads what the caller writes into its rows.
        if (c.format == PixelFormat32bppARGB && c.stride > 0) {
            const std::uint32_t green = 0xFF00FF00;
            std::memcpy(scan0, &green, 4);
            EXPECT_EQ(pixel(b, 0, 0), green);
        }
    }
}

TEST_F(Bitmaps, ClonesAreDeepAndIndependent) {
    std::uint32_t memory[4] = {0xFF0000FF, 0, 0, 0};
    GpBitmap* b = make(2, 2, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(memory), 8);
    ASSERT_EQ(GdipBitmapSetResolution(b, 72, 144), Ok);
    GpImage* clone = nullptr;
    ASSERT_EQ(GdipCloneImage(I(b), &clone), Ok);
    own(clone);
    auto* c = reinterpret_cast<GpBitmap*>(clone);
    memory[0] = 0xFFFF0000;
    ASSERT_EQ(GdipBitmapSetPixel(b, 1, 1, 0xFF00FF00), Ok);
    EXPECT_EQ(pixel(c, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(pixel(c, 1, 1), 0u);
    REAL dpiY = 0;
    PixelFormat format = 0;
    EXPECT_EQ(GdipGetImageVerticalResolution(clone, &dpiY), Ok);
    EXPECT_EQ(GdipGetImagePixelFormat(clone, &format), Ok);
    EXPECT_EQ(dpiY, 144.0f);
    EXPECT_EQ(format, PixelFormat32bppARGB);
    ASSERT_EQ(GdipBitmapSetPixel(c, 0, 1, 0xFF000001), Ok);
    EXPECT_EQ(memory[2], 0u);
}

TEST_F(Bitmaps, RotateFlipMovesPixelsClockwise) {
    // A 3 x 2 image with a marker at its top-left and one at its top-right.
    struct Case {
        RotateFlipType type;
        UINT width, height;
        int markX, markY;  // where the top-left marker lands
    } cases[] = {
        {Rotate90FlipNone, 2, 3, 1, 0},
        {Rotate180FlipNone, 3, 2, 2, 1},
        {Rotate270FlipNone, 2, 3, 0, 2},
        {RotateNoneFlipX, 3, 2, 2, 0},
        {RotateNoneFlipY, 3, 2, 0, 1},
        {Rotate90FlipX, 2, 3, 0, 0},
    };
    for (const Case& c : cases) {
        GpBitmap* b = make(3, 2, PixelFormat24bppRGB);
        ASSERT_EQ(GdipBitmapSetPixel(b, 0, 0, 0xFFFF0000), Ok);
        ASSERT_EQ(GdipImageRotateFlip(I(b), c.type), Ok);
        UINT w = 0, h = 0;
        GdipGetImageWidth(I(b), &w);
        GdipGetImageHeight(I(b), &h);
        EXPECT_EQ(w, c.width) << c.type;
        EXPECT_EQ(h, c.height) << c.type;
        EXPECT_EQ(pixel(b, c.markX, c.markY), 0xFFFF0000u) << "type " << c.type;
    }
    EXPECT_EQ(GdipImageRotateFlip(I(make(1, 1, PixelFormat32bppARGB)), 8), InvalidParameter);
}

TEST_F(Bitmaps, AreasCloneIntoAnyFormat) {
    GpBitmap* b = make(4, 4, PixelFormat32bppARGB);
    ASSERT_EQ(GdipBitmapSetPixel(b, 2, 1, 0xFFFFFFFF), Ok);
    GpBitmap* area = nullptr;
    ASSERT_EQ(GdipCloneBitmapAreaI(2, 1, 2, 3, PixelFormat1bppIndexed, b, &area), Ok);
    own(I(area));
    UINT w = 0;
    PixelFormat format = 0;
    GdipGetImageWidth(I(area), &w);
    GdipGetImagePixelFormat(I(area), &format);
    EXPECT_EQ(w, 2u);
    EXPECT_EQ(format, PixelFormat1bppIndexed);
    EXPECT_EQ(pixel(area, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(area, 1, 0), 0xFF000000u);  // transparent black is nearest to black

    GpBitmap* floatArea = nullptr;
    ASSERT_EQ(GdipCloneBitmapArea(1.6f, 0.6f, 1.0f, 1.0f, PixelFormat24bppRGB, b, &floatArea), Ok);
    own(I(floatArea));
    EXPECT_EQ(pixel(floatArea, 0, 0), 0xFFFFFFFFu);

    GpBitmap* none = nullptr;
    EXPECT_EQ(GdipCloneBitmapAreaI(3, 3, 2, 1, PixelFormat32bppARGB, b, &none), InvalidParameter);
    EXPECT_EQ(GdipCloneBitmapAreaI(0, 0, 0, 1, PixelFormat32bppARGB, b, &none), InvalidParameter);
    EXPECT_EQ(none, nullptr);
}

TEST_F(Bitmaps, ThumbnailsScaleTheWholeImage) {
    GpBitmap* b = make(40, 20, PixelFormat24bppRGB);
    struct Case {
        UINT width, height, expectedWidth, expectedHeight;
    } cases[] = {{10, 5, 10, 5}, {0, 0, 120, 120}, {7, 30, 7, 30}};
    for (const Case& c : cases) {
        GpImage* thumb = nullptr;
        ASSERT_EQ(GdipGetImageThumbnail(I(b), c.width, c.height, &thumb, nullptr, nullptr), Ok);
        own(thumb);
        UINT w = 0, h = 0;
        GdipGetImageWidth(thumb, &w);
        GdipGetImageHeight(thumb, &h);
        EXPECT_EQ(w, c.expectedWidth);
        EXPECT_EQ(h, c.expectedHeight);
        EXPECT_EQ(pixel(reinterpret_cast<GpBitmap*>(thumb), 0, 0), 0xFF000000u);
    }
}

TEST_F(Bitmaps, PalettesOfIndexedAndOtherImages) {
    GpBitmap* indexed = make(2, 2, PixelFormat4bppIndexed);
    INT size = 0;
    ASSERT_EQ(GdipGetImagePaletteSize(I(indexed), &size), Ok);
    EXPECT_EQ(size, 8 + 4 * 16);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(size));
    auto* palette = reinterpret_cast<ColorPalette*>(block.data());
    ASSERT_EQ(GdipGetImagePalette(I(indexed), palette, size), Ok);
    EXPECT_EQ(palette->Count, 16u);
    EXPECT_EQ(palette->Entries[15], 0xFFFFFFFFu);
    EXPECT_EQ(GdipGetImagePalette(I(indexed), palette, size - 4), InvalidParameter);

    // A new palette recolours the indices already there.
    struct {
        UINT flags = PaletteFlagsHasAlpha, count = 2;
        ARGB entries[2] = {0x00000000, 0xFF00FF00};
    } two;
    ASSERT_EQ(GdipSetImagePalette(I(indexed), reinterpret_cast<ColorPalette*>(&two)), Ok);
    EXPECT_EQ(pixel(indexed, 1, 1), 0x00000000u);
    UINT flags = 0;
    GdipGetImageFlags(I(indexed), &flags);
    EXPECT_TRUE(flags & ImageFlagsHasAlpha);

    GpBitmap* onebit = make(2, 2, PixelFormat1bppIndexed);
    struct {
        UINT flags = 0, count = 3;
        ARGB entries[3] = {};
    } three;
    EXPECT_EQ(GdipSetImagePalette(I(onebit), reinterpret_cast<ColorPalette*>(&three)), InvalidParameter);

    GpBitmap* rgb = make(2, 2, PixelFormat24bppRGB);
    ASSERT_EQ(GdipGetImagePaletteSize(I(rgb), &size), Ok);
    ColorPalette empty{};
    ASSERT_EQ(GdipGetImagePalette(I(rgb), &empty, size), Ok);
    EXPECT_EQ(empty.Count, 0u);
}

TEST_F(Bitmaps, PropertiesAreStoredAsOneBlock) {
    GpBitmap* b = make(1, 1, PixelFormat32bppARGB);
    UINT count = 9;
    ASSERT_EQ(GdipGetPropertyCount(I(b), &count), Ok);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(GdipGetPropertyIdList(I(b), 0, nullptr), Ok);

    char text[] = "zelvaro";
    PropertyItem item{0x010E, sizeof text, PropertyTagTypeASCII, text};
    ASSERT_EQ(GdipSetPropertyItem(I(b), &item), Ok);
    text[0] = 'X';  // the engine keeps its own copy
    UINT size = 0;
    ASSERT_EQ(GdipGetPropertyItemSize(I(b), 0x010E, &size), Ok);
    EXPECT_EQ(size, sizeof(PropertyItem) + sizeof text);
    std::vector<std::uint8_t> block(size);
    auto* got = reinterpret_cast<PropertyItem*>(block.data());
    EXPECT_EQ(GdipGetPropertyItem(I(b), 0x010E, size - 1, got), InvalidParameter);
    ASSERT_EQ(GdipGetPropertyItem(I(b), 0x010E, size, got), Ok);
    EXPECT_EQ(got->id, 0x010Eu);
    EXPECT_EQ(got->type, PropertyTagTypeASCII);
    EXPECT_EQ(got->value, block.data() + sizeof(PropertyItem));
    EXPECT_STREQ(static_cast<const char*>(got->value), "zelvaro");

    PROPID ids[1] = {};
    EXPECT_EQ(GdipGetPropertyIdList(I(b), 2, ids), InvalidParameter);
    ASSERT_EQ(GdipGetPropertyIdList(I(b), 1, ids), Ok);
    EXPECT_EQ(ids[0], 0x010Eu);
    ASSERT_EQ(GdipRemovePropertyItem(I(b), 0x010E), Ok);
    EXPECT_EQ(GdipRemovePropertyItem(I(b), 0x010E), PropertyNotFound);
    EXPECT_EQ(GdipGetPropertyItemSize(I(b), 0x010E, &size), PropertyNotFound);
}

TEST_F(Bitmaps, ResolutionAndEffects) {
    GpBitmap* b = make(1, 1, PixelFormat32bppARGB);
    EXPECT_EQ(GdipBitmapSetResolution(b, 0, 96), InvalidParameter);
    EXPECT_EQ(GdipBitmapSetResolution(b, 300, 150), Ok);
    REAL x = 0;
    GdipGetImageHorizontalResolution(I(b), &x);
    EXPECT_EQ(x, 300.0f);
    EXPECT_EQ(GdipBitmapApplyEffect(b, nullptr, nullptr, FALSE, nullptr, nullptr), NotImplemented);
}

}  // namespace
