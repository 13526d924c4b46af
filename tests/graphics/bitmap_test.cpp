// The Bitmap wrapper: the create pattern, disposal, hand-overs, the image
// level's getters and the operations with algorithms of their own.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstring>

#include "binding.h"
#include "bitmap.h"
#include "graphics_session.h"

namespace {

using graphics::Bitmap;
using graphics::callCount;

class BitmapWrapper : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics::GraphicsSession::Start());
        graphics::resetCallCounts();
    }

    // True once the engine opens drawing contexts on images.
    static bool contextsAvailable() {
        Bitmap probe;
        probe.CreateFromScan0(1, 1);
        return probe.GetDrawingContext() != nullptr;
    }
};

graphics::ByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return graphics::ByteArray(bytes.begin(), bytes.end());
}

// A two-frame 1 x 1 GIF (red, then blue), 10 and 20 hundredths.
graphics::ByteArray twoFrameGif() {
    return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,
            0x21, 0xF9, 0x04, 0x00, 10, 0, 0x00, 0x00, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,
            0x21, 0xF9, 0x04, 0x00, 20, 0, 0x00, 0x00, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 0x02, 0x02, 0x4C, 0x01, 0x00,
            0x3B};
}

TEST_F(BitmapWrapper, CreateFromScan0DefaultsToTransparentArgb) {
    Bitmap bitmap;
    const bool created = bitmap.CreateFromScan0(180, 120);
    EXPECT_TRUE(bitmap.IsValid());
    EXPECT_EQ(bitmap.GetHandle(), static_cast<void*>(bitmap.GetBitmapHandle()));
    EXPECT_EQ(bitmap.GetImageWidth(), 180u);
    EXPECT_EQ(bitmap.GetImageHeight(), 120u);
    EXPECT_EQ(bitmap.GetImagePixelFormat(), PixelFormat32bppARGB);
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), 0u);
    EXPECT_EQ(bitmap.BitmapGetPixel(179, 119), 0u);
    EXPECT_EQ(callCount("GdipCreateBitmapFromScan0"), 1u);
    EXPECT_EQ(callCount("GdipGetImageGraphicsContext"), 1u);
    if (!contextsAvailable()) GTEST_SKIP() << "the engine opens no drawing contexts yet";
    EXPECT_TRUE(created);
    EXPECT_NE(bitmap.GetDrawingContext(), nullptr);
}

TEST_F(BitmapWrapper, ASecondCreateDisposesTheFirst) {
    Bitmap bitmap;
    bitmap.CreateFromScan0(10, 10);
    EXPECT_EQ(callCount("GdipDisposeImage"), 0u);
    bitmap.CreateFromScan0(20, 5, PixelFormat24bppRGB);
    EXPECT_EQ(callCount("GdipDisposeImage"), 1u);
    EXPECT_EQ(callCount("GdipDeleteGraphics"), 1u);
    EXPECT_EQ(bitmap.GetImageWidth(), 20u);
    EXPECT_EQ(bitmap.GetImagePixelFormat(), PixelFormat24bppRGB);
}

TEST_F(BitmapWrapper, DisposeAndDestroyReleaseOnce) {
    Bitmap empty;
    graphics::LastStatus = 42;
    EXPECT_FALSE(empty.DisposeBitmap());
    EXPECT_EQ(graphics::LastStatus, 42);
    empty.Destroy();
    EXPECT_EQ(callCount("GdipDisposeImage"), 0u);

    {
        Bitmap bitmap;
        bitmap.CreateFromScan0(4, 4);
        EXPECT_TRUE(bitmap.DisposeBitmap());
        EXPECT_FALSE(bitmap.IsValid());
        EXPECT_EQ(bitmap.GetHandle(), nullptr);
        EXPECT_EQ(bitmap.GetDrawingContext(), nullptr);
        bitmap.Destroy();
        EXPECT_EQ(callCount("GdipDisposeImage"), 1u);
    }
    {
        Bitmap held;  // the destructor releases what is still held
        held.CreateFromScan0(4, 4);
    }
    EXPECT_EQ(callCount("GdipDisposeImage"), 2u);
}

TEST_F(BitmapWrapper, CloneImageHandsOverWithoutAContext) {
    Bitmap source;
    source.CreateFromScan0(30, 20);
    source.BitmapSetPixel(1, 2, 0xFF336699);

    for (bool targetHolds : {false, true}) {
        SCOPED_TRACE(targetHolds ? "holding target" : "empty target");
        Bitmap target;
        if (targetHolds) target.CreateFromScan0(5, 5);
        void* old = target.GetHandle();
        graphics::resetCallCounts();
        EXPECT_TRUE(source.CloneImage(target));
        EXPECT_EQ(callCount("GdipDisposeImage"), targetHolds ? 1u : 0u);
        EXPECT_TRUE(target.IsValid());
        EXPECT_NE(target.GetHandle(), old);
        EXPECT_NE(target.GetHandle(), source.GetHandle());
        EXPECT_EQ(target.GetDrawingContext(), nullptr);
        EXPECT_EQ(target.GetImageWidth(), 30u);
        EXPECT_EQ(target.BitmapGetPixel(1, 2), 0xFF336699u);
        // No context: drawing on the clone fails.
        EXPECT_NE(GDIP(GdipGraphicsClear)(target.GetDrawingContext(), 0xFFFFFFFF), Ok);
    }

    Bitmap empty, target;
    EXPECT_FALSE(empty.CloneImage(target));
    EXPECT_FALSE(target.IsValid());
    EXPECT_EQ(graphics::LastStatus, InvalidParameter);
}

TEST_F(BitmapWrapper, AnIndexedImageIsHeldWithoutAContext) {
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.CreateFromScan0(8, 8, PixelFormat8bppIndexed));
    EXPECT_TRUE(bitmap.IsValid());
    EXPECT_EQ(bitmap.GetDrawingContext(), nullptr);
    EXPECT_EQ(bitmap.GetImagePixelFormat(), PixelFormat8bppIndexed);
}

TEST_F(BitmapWrapper, AFailedCreateHoldsNothing) {
    Bitmap bitmap;
    bitmap.CreateFromScan0(4, 4);
    EXPECT_FALSE(bitmap.CreateFromScan0(0, 4));
    EXPECT_FALSE(bitmap.IsValid());
    EXPECT_EQ(bitmap.GetHandle(), nullptr);
    // The status is that of the dispose that follows the failed creation.
    EXPECT_EQ(callCount("GdipDisposeImage"), 2u);
    EXPECT_EQ(graphics::LastStatus, InvalidParameter);
}

TEST_F(BitmapWrapper, StreamBytesStayOpenWhileTheImageLives) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0xFF00FF00);
    Bitmap bitmap;
    bitmap.CreateBitmapFromStream(pngBytes(image), false);
    ASSERT_TRUE(bitmap.IsValid());
    EXPECT_EQ(bitmap.GetRawFormat(), "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}");
    EXPECT_EQ(bitmap.BitmapGetPixel(2, 1), 0xFF00FF00u);
    EXPECT_NE(bitmap.GetMemoryStream().GetStream(), nullptr);
    EXPECT_TRUE(bitmap.DisposeBitmap());
    EXPECT_EQ(bitmap.GetMemoryStream().GetStream(), nullptr);

    EXPECT_FALSE(bitmap.CreateBitmapFromStream({'n', 'o', 'p', 'e'}, true));
    EXPECT_FALSE(bitmap.IsValid());
    EXPECT_EQ(callCount("GdipCreateBitmapFromStreamICM"), 1u);
}

TEST_F(BitmapWrapper, GetRotatedSizeSpansTheCorners) {
    struct Case {
        float w, h;
        int angle;
        float width, height;
    } cases[] = {
        {100, 50, 0, 99, 49},
        {100, 50, 90, 49, 99},
        {100, 50, 180, 99, 49},
        {11, 11, 45, 14.142f, 14.142f},
    };
    Bitmap bitmap;
    for (const Case& c : cases) {
        float width = -1, height = -1;
        bitmap.GetRotatedSize(c.w, c.h, c.angle, width, height);
        EXPECT_NEAR(width, c.width, 1e-3) << c.angle;
        EXPECT_NEAR(height, c.height, 1e-3) << c.angle;
    }
}

TEST_F(BitmapWrapper, FrameDelaysAndDimensionsOfAGif) {
    Bitmap bitmap;
    bitmap.CreateBitmapFromStream(twoFrameGif(), false);
    ASSERT_TRUE(bitmap.IsValid());
    std::vector<std::string> dimensions{"stale"};
    EXPECT_TRUE(bitmap.ImageGetFrameDimensionsList(dimensions));
    ASSERT_EQ(dimensions.size(), 1u);
    EXPECT_EQ(dimensions[0], "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}");
    EXPECT_EQ(bitmap.ImageGetFrameCount(dimensions[0]), 2u);
    EXPECT_TRUE(bitmap.ImageSelectActiveFrame(dimensions[0], 1));
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), 0xFF0000FFu);

    std::vector<int> delays{7, 7, 7};
    EXPECT_TRUE(bitmap.GetFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<int>{10, 20}));

    std::vector<int> ids;
    EXPECT_EQ(bitmap.GetPropertyIdList(ids), 2);
    EXPECT_EQ(ids[0], 0x5100);

    Bitmap plain;
    plain.CreateFromScan0(2, 2);
    std::vector<int> untouched{5};
    EXPECT_FALSE(plain.GetFrameDelays(untouched));
    EXPECT_EQ(untouched, std::vector<int>{5});
    EXPECT_EQ(graphics::LastStatus, PropertyNotFound);
    EXPECT_EQ(plain.GetPropertyIdList(untouched), 0);
    EXPECT_TRUE(untouched.empty());
}

TEST_F(BitmapWrapper, PropertiesAndPalettesThroughRecords) {
    Bitmap bitmap;
    bitmap.CreateFromScan0(2, 2, PixelFormat1bppIndexed);
    graphics::PropertyRecord text{0x010E, 3, PropertyTagTypeASCII, {'h', 'i', 0}};
    EXPECT_TRUE(bitmap.SetPropertyItem(text));
    graphics::PropertyRecord read;
    EXPECT_TRUE(bitmap.GetPropertyItem(0x010E, read));
    EXPECT_EQ(read.id, 0x010E);
    EXPECT_EQ(read.length, 3);
    EXPECT_EQ(read.type, PropertyTagTypeASCII);
    EXPECT_EQ(read.value, text.value);
    graphics::PropertyRecord tooLong{0x010F, 10, PropertyTagTypeASCII, {'x'}};
    graphics::resetCallCounts();
    EXPECT_FALSE(bitmap.SetPropertyItem(tooLong));
    EXPECT_EQ(callCount("GdipSetPropertyItem"), 0u);
    EXPECT_TRUE(bitmap.RemovePropertyItem(0x010E));
    EXPECT_FALSE(bitmap.GetPropertyItem(0x010E, read));

    graphics::PaletteRecord palette;
    EXPECT_TRUE(bitmap.GetImagePalette(palette));
    EXPECT_EQ(palette.count, 2);
    EXPECT_EQ(palette.entries, (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF}));
    graphics::PaletteRecord mine{0, 2, {0xFFFF0000, 0xFF0000FF}};
    EXPECT_TRUE(bitmap.SetImagePalette(mine));
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), 0xFFFF0000u);
}

TEST_F(BitmapWrapper, AreasThumbnailsAndRotationsHandOver) {
    Bitmap source;
    source.CreateFromScan0(8, 4);
    source.BitmapSetPixel(7, 0, 0xFFFF0000);
    Bitmap target;
    EXPECT_TRUE(source.CloneBitmapAreaI({6, 0, 2, 2}, PixelFormat24bppRGB, target));
    EXPECT_EQ(target.GetImageWidth(), 2u);
    EXPECT_EQ(target.BitmapGetPixel(1, 0), 0xFFFF0000u);
    EXPECT_TRUE(source.CloneBitmapArea({0, 0, 4, 4}, PixelFormat32bppARGB, target));
    EXPECT_EQ(target.GetImageWidth(), 4u);
    EXPECT_FALSE(source.CloneBitmapAreaI({6, 0, 4, 2}, PixelFormat24bppRGB, target));
    EXPECT_FALSE(target.IsValid());  // a failed hand-over leaves the target empty

    EXPECT_TRUE(source.GetImageThumbnail(2, 1, target));
    EXPECT_EQ(target.GetImageDimension().width, 2.0f);
    EXPECT_EQ(target.GetDrawingContext(), nullptr);

    EXPECT_TRUE(source.ImageRotateFlip(Rotate90FlipNone));
    EXPECT_EQ(source.GetImageWidth(), 4u);
    EXPECT_EQ(source.BitmapGetPixel(3, 7), 0xFFFF0000u);

    if (!contextsAvailable()) GTEST_SKIP() << "the engine opens no drawing contexts yet";
    Bitmap turned;
    EXPECT_TRUE(source.RotateInto(90, turned));
    EXPECT_TRUE(turned.IsValid());
    EXPECT_EQ(turned.GetImagePixelFormat(), PixelFormat32bppARGB);
}

TEST_F(BitmapWrapper, ValueGettersOnAnEmptyBitmapGiveZero) {
    Bitmap empty;
    int unit = -1;
    EXPECT_EQ(empty.GetImageWidth(), 0u);
    EXPECT_EQ(graphics::LastStatus, InvalidParameter);
    EXPECT_EQ(empty.GetImageBounds(&unit).width, 0.0f);
    EXPECT_EQ(unit, 0);
    EXPECT_EQ(empty.BitmapGetPixel(0, 0), 0u);
    EXPECT_EQ(empty.CreateHBITMAPFromBitmap(), nullptr);
    EXPECT_EQ(empty.GetRawFormat(), "{00000000-0000-0000-0000-000000000000}");
}

TEST_F(BitmapWrapper, CopySharesTheImageButNotTheStream) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(0xFF123456);
    Bitmap bitmap;
    bitmap.CreateBitmapFromStream(pngBytes(image), false);
    auto copy = bitmap.Copy();
    auto& twin = static_cast<Bitmap&>(*copy);
    EXPECT_EQ(twin.GetHandle(), bitmap.GetHandle());
    EXPECT_EQ(twin.GetImageWidth(), 2u);
    EXPECT_EQ(twin.GetMemoryStream().GetBytes(), bitmap.GetMemoryStream().GetBytes());
    EXPECT_NE(twin.GetMemoryStream().GetStream(), bitmap.GetMemoryStream().GetStream());
    twin.SetHandle(nullptr);  // only one of the two records may release the image
}

// An effect that records what the bitmap hands back.
class RecordingEffect : public graphics::BitmapEffect {
public:
    CGpEffect* GetEffectHandle() const override { return nullptr; }
    bool GetUseAuxData() const override { return true; }
    void* GetAuxData() const override { return aux; }
    void SetAuxData(void* data, int size) override {
        aux = data;
        auxSize = size;
    }
    void* aux = nullptr;
    int auxSize = -1;
};

TEST_F(BitmapWrapper, EffectsAreNotImplementedAndOldAuxDataIsFreed) {
    Bitmap bitmap;
    bitmap.CreateFromScan0(2, 2);
    RecordingEffect effect;
    effect.aux = bitmap.Alloc(16);
    graphics::resetCallCounts();
    EXPECT_FALSE(bitmap.BitmapApplyEffect(effect, RECT{0, 0, 1, 1}));
    EXPECT_EQ(graphics::LastStatus, NotImplemented);
    EXPECT_EQ(callCount("GdipFree"), 1u);
    EXPECT_EQ(effect.aux, nullptr);
}

}  // namespace
