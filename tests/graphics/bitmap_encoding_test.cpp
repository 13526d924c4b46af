// The Bitmap save operations: files, bytes, parameters and the encoder
// lookup they make on every call.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "binding.h"
#include "bitmap.h"
#include "graphics_session.h"
#include "image_encoders.h"
#include "last_status.h"

namespace {

using namespace graphics;

constexpr const char* kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* kTiffFormat = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* kQualityGuid = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
constexpr const char* kSaveFlagGuid = "{292266FC-AC40-47BF-8CFC-A85B89A655DE}";

ByteArray longValue(int v) {
    ByteArray b(4);
    std::memcpy(b.data(), &v, 4);
    return b;
}

// A small diagram-like picture: transparent, with anti-aliased strokes.
QImage picture() {
    QImage image(48, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 90, 30), 1.5));
    p.drawEllipse(QRectF(2, 2, 16, 16));
    p.drawArc(QRectF(20, 1, 10, 18), 30 * 16, -60 * 16);
    p.fillRect(QRect(36, 6, 8, 8), QColor(220, 20, 60));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage decoded(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class BitmapEncoding : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        source = picture();
        ASSERT_TRUE(bitmap.CreateBitmapFromScan0(source.width(), source.height(),
                                                 static_cast<int>(source.bytesPerLine()), PixelFormat32bppARGB,
                                                 source.bits()));
        resetCallCounts();
        LastStatus = 0;
    }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
    QImage source;  // the bitmap's rows
    Bitmap bitmap;
};

TEST_F(BitmapEncoding, SavesPngWhenTheFormatIsLeftOutOrEmpty) {
    const struct {
        const char* name;
        Optional<std::string> format;
    } cases[] = {{"omitted.png", {}}, {"empty.png", std::string()}, {"flagOnly.png", Optional<std::string>{}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetCallCounts();
        ASSERT_TRUE(bitmap.SaveToFile(path(c.name), c.format));
        EXPECT_EQ(LastStatus, 0);
        EXPECT_EQ(callCount("GdipGetImageEncodersSize"), 1u);
        EXPECT_EQ(callCount("GdipSaveImageToFile"), 1u);
        const QByteArray file = readFile(dir.filePath(c.name));
        EXPECT_TRUE(file.startsWith("\x89PNG\r\n\x1A\n"));
        const QImage back = decoded(file);
        EXPECT_TRUE(back.hasAlphaChannel());
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), source);
    }
    EXPECT_EQ(entries().size(), 3);
}

TEST_F(BitmapEncoding, ImageMagickSeesAPngWithAlpha) {
    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty()) GTEST_SKIP() << "ImageMagick's identify is not installed";
    ASSERT_TRUE(bitmap.SaveToFile(path("diagram.png")));
    QProcess run;
    run.start(identify, {"-format", "%m %wx%h %A", dir.filePath("diagram.png")});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(QString::fromLatin1(run.readAllStandardOutput()).trimmed(), "PNG 48x20 True");
}

TEST_F(BitmapEncoding, LowerCaseFormatFindsNoEncoderAndWritesNothing) {
    EXPECT_FALSE(bitmap.SaveToFile(path("lower.png"), std::string("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")));
    EXPECT_NE(LastStatus, 0);
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(bitmap.SaveToBytes(std::string("{b96b3cab-0728-11d3-9d7b-0000f81ef32e}")).empty());
    EXPECT_NE(LastStatus, 0);
}

TEST_F(BitmapEncoding, SaveToBytesWithBmpIsACompleteBmpWithThePixels) {
    const ByteArray bmp = bitmap.SaveToBytes(std::string(kBmpFormat));
    EXPECT_EQ(LastStatus, 0);
    EXPECT_EQ(callCount("GdipSaveImageToStream"), 1u);
    ASSERT_GE(bmp.size(), 54u);
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | bmp[at + 3] << 24);
    };
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(u32(2), bmp.size()) << "the bytes end where the stream ends";
    const std::uint32_t offset = u32(10);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 48u);
    EXPECT_EQ(u32(22), 20u);
    EXPECT_EQ(bmp[28], 32);
    // Rows bottom-up, B, G, R, A, straight alpha.
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const std::uint8_t* p = bmp.data() + offset + (source.height() - 1 - y) * source.width() * 4 + x * 4;
            ASSERT_EQ(qRgba(p[2], p[1], p[0], p[3]), source.pixel(x, y)) << x << "," << y;
        }
}

TEST_F(BitmapEncoding, GivenParametersWithCountZeroUseNone) {
    // A quality entry would be refused by the PNG encoder; count 0 passes none of it.
    EncoderParameterList list;
    list.count = 0;
    list.entries = {{kQualityGuid, 1, 4, longValue(50)}};
    ASSERT_TRUE(bitmap.SaveToFile(path("zero.png"), {}, list));
    ASSERT_TRUE(bitmap.SaveToFile(path("none.png")));
    EXPECT_EQ(readFile(dir.filePath("zero.png")), readFile(dir.filePath("none.png")));
    list.count = 1;
    EXPECT_FALSE(bitmap.SaveToFile(path("one.png"), {}, list)) << "with count 1 the entry is used and refused";
    EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(BitmapEncoding, ParametersNotGivenAreIgnored) {
    Optional<EncoderParameterList> notGiven;
    notGiven.value.count = 1;
    notGiven.value.entries = {{kQualityGuid, 1, 4, longValue(50)}};
    EXPECT_TRUE(bitmap.SaveToFile(path("a.png"), {}, notGiven));
    EXPECT_FALSE(bitmap.SaveToBytes({}, notGiven).empty());
}

TEST_F(BitmapEncoding, ACountBeyondTheEntriesIsRefusedWithoutAnEngineCall) {
    EncoderParameterList list;
    list.count = 2;
    list.entries = {{kQualityGuid, 1, 4, longValue(50)}};
    EXPECT_FALSE(bitmap.SaveToFile(path("over.jpg"), std::string(kJpegFormat), list));
    EXPECT_EQ(LastStatus, InvalidParameter);
    LastStatus = 0;
    EXPECT_TRUE(bitmap.SaveToBytes(std::string(kJpegFormat), list).empty());
    EXPECT_EQ(LastStatus, InvalidParameter);
    LastStatus = 0;
    EXPECT_FALSE(bitmap.SaveAdd(list));
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_FALSE(bitmap.SaveAddImage(bitmap, list));
    EXPECT_EQ(callCount("GdipSaveImageToFile"), 0u);
    EXPECT_EQ(callCount("GdipSaveImageToStream"), 0u);
    EXPECT_EQ(callCount("GdipSaveAdd"), 0u);
    EXPECT_EQ(callCount("GdipSaveAddImage"), 0u);
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(BitmapEncoding, ASaveThatCannotBeWrittenLeavesNothing) {
    EXPECT_FALSE(bitmap.SaveToFile(path("missing/folder/a.png")));
    EXPECT_EQ(LastStatus, Win32Error);
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(BitmapEncoding, WideNameIsUsedAsGiven) {
    const QString name = dir.filePath(u"原子结构.png"_qs);
    ByteArray wide(reinterpret_cast<const std::uint8_t*>(name.utf16()),
                   reinterpret_cast<const std::uint8_t*>(name.utf16() + name.size() + 1));
    EXPECT_TRUE(bitmap.SaveToFileWide(wide));
    EXPECT_TRUE(QFile::exists(name));
    wide.resize(wide.size() - 2);  // no terminator: one is added rather than read past the array
    QFile::remove(name);
    EXPECT_TRUE(bitmap.SaveToFileWide(wide));
    EXPECT_EQ(entries(), QStringList{u"原子结构.png"_qs});
}

TEST_F(BitmapEncoding, AnEmptyBitmapSavesNothing) {
    Bitmap empty;
    EXPECT_FALSE(empty.SaveToFile(path("empty.png")));
    EXPECT_NE(LastStatus, 0);
    EXPECT_TRUE(empty.SaveToBytes().empty());
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(BitmapEncoding, JpegParameterListReadsBackAsEntries) {
    EncoderParameterList list;
    list.entries.resize(7);
    ASSERT_TRUE(bitmap.GetEncoderParameterList(kJpegFormat, list));
    ASSERT_EQ(list.count, 2);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].guid, "{8D0EB2D1-A58E-4EA8-AA14-108074B7B6F9}");
    EXPECT_EQ(list.entries[0].type, 4);
    EXPECT_EQ(list.entries[0].numberOfValues, 5);
    EXPECT_EQ(list.entries[0].value.size(), 20u);
    EXPECT_EQ(list.entries[1].guid, kQualityGuid);
    EXPECT_EQ(list.entries[1].type, 6);
    EXPECT_EQ(list.entries[1].numberOfValues, 1);
    ByteArray range = longValue(0), high = longValue(100);
    range.insert(range.end(), high.begin(), high.end());
    EXPECT_EQ(list.entries[1].value, range);

    EncoderParameterList untouched;
    untouched.count = 3;
    EXPECT_FALSE(bitmap.GetEncoderParameterList("{b96b3cae-0728-11d3-9d7b-0000f81ef32e}", untouched));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(untouched.count, 3);
}

TEST_F(BitmapEncoding, MultiPageTiffThroughSaveAdd) {
    Bitmap second;
    ASSERT_TRUE(second.CreateFromScan0(48, 20));
    EncoderParameterList begin{1, {{kSaveFlagGuid, 1, 4, longValue(18)}}};  // MultiFrame
    EncoderParameterList page{1, {{kSaveFlagGuid, 1, 4, longValue(23)}}};   // FrameDimensionPage
    EncoderParameterList flush{1, {{kSaveFlagGuid, 1, 4, longValue(20)}}};  // Flush
    ASSERT_TRUE(bitmap.SaveToFile(path("pages.tif"), std::string(kTiffFormat), begin));
    ASSERT_TRUE(bitmap.SaveAddImage(second, page));
    ASSERT_TRUE(bitmap.SaveAdd(flush));
    QImageReader reader(dir.filePath("pages.tif"));
    EXPECT_EQ(reader.imageCount(), 2);
    EXPECT_EQ(reader.read().convertToFormat(QImage::Format_ARGB32), source);
}

}  // namespace
