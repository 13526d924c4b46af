// The engine's codec list, encoders and saves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <sys/resource.h>

#include "codec_test_support.h"

using namespace codec_test;

namespace {

std::u16string wide(const QString& s) { return s.toStdU16String(); }

// The documented file format GUIDs.
constexpr GUID formatGuid(std::uint32_t first) {
    return {first, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
}
constexpr GUID kFormatBmp = formatGuid(0xb96b3cab), kFormatJpeg = formatGuid(0xb96b3cae),
               kFormatPng = formatGuid(0xb96b3caf), kFormatGif = formatGuid(0xb96b3cb0),
               kFormatTiff = formatGuid(0xb96b3cb1), kFormatIcon = formatGuid(0xb96b3cb5);

QString text(const WCHAR* s) { return s ? QString::fromUtf16(s) : QString(); }

class CodecTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startEngine(); }
};

// --- the lists ----------------------------------------------------------

struct ListedCodec {
    CLSID clsid;
    GUID format;
    const char* name;
    const char* extensions;
    const char* description;
    const char* mime;
    std::vector<BYTE> firstSignature;
};

const std::vector<ListedCodec> kExpectedEncoders = {
    {CodecClsidBMP, kFormatBmp, "Built-in BMP Codec", "*.BMP;*.DIB;*.RLE", "BMP", "image/bmp", {'B', 'M'}},
    {CodecClsidJPEG, kFormatJpeg, "Built-in JPEG Codec", "*.JPG;*.JPEG;*.JPE;*.JFIF", "JPEG", "image/jpeg",
     {0xFF, 0xD8}},
    {CodecClsidGIF, kFormatGif, "Built-in GIF Codec", "*.GIF", "GIF", "image/gif", {'G', 'I', 'F', '8', '9', 'a'}},
    {CodecClsidTIFF, kFormatTiff, "Built-in TIFF Codec", "*.TIF;*.TIFF", "TIFF", "image/tiff", {'I', 'I'}},
    {CodecClsidPNG, kFormatPng, "Built-in PNG Codec", "*.PNG", "PNG", "image/png",
     {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
};

TEST_F(CodecTest, EncodersAreListedInOrderWithTheirFields) {
    UINT count = 0, size = 0;
    ASSERT_EQ(GdipGetImageEncodersSize(&count, &size), Ok);
    ASSERT_EQ(count, kExpectedEncoders.size());
    std::vector<std::uint64_t> storage((size + 7) / 8);
    auto* list = reinterpret_cast<ImageCodecInfo*>(storage.data());
    ASSERT_EQ(GdipGetImageEncoders(count, size, list), Ok);

    const auto* begin = reinterpret_cast<const BYTE*>(storage.data());
    auto inside = [&](const void* p) {
        return p >= begin + count * sizeof(ImageCodecInfo) && p < begin + size;
    };
    for (UINT i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const ImageCodecInfo& info = list[i];
        const ListedCodec& want = kExpectedEncoders[i];
        EXPECT_TRUE(info.Clsid == want.clsid);
        EXPECT_TRUE(info.FormatID == want.format);
        EXPECT_EQ(text(info.CodecName), want.name);
        EXPECT_EQ(info.DllName, nullptr);
        EXPECT_EQ(text(info.FormatDescription), want.description);
        EXPECT_EQ(text(info.FilenameExtension), want.extensions);
        EXPECT_EQ(text(info.MimeType), want.mime);
        EXPECT_EQ(info.Flags, ImageCodecFlagsEncoder | ImageCodecFlagsDecoder | ImageCodecFlagsSupportBitmap |
                                  ImageCodecFlagsBuiltin);
        EXPECT_EQ(info.Version, 1u);
        ASSERT_EQ(info.SigSize, want.firstSignature.size());
        EXPECT_GE(info.SigCount, 1u);
        EXPECT_EQ(std::vector<BYTE>(info.SigPattern, info.SigPattern + info.SigSize), want.firstSignature);
        EXPECT_EQ(std::vector<BYTE>(info.SigMask, info.SigMask + info.SigSize), std::vector<BYTE>(info.SigSize, 0xFF));
        // Everything the entry points to lies in the caller's buffer.
        for (const void* p : {static_cast<const void*>(info.CodecName), static_cast<const void*>(info.MimeType),
                              static_cast<const void*>(info.SigPattern),
                              static_cast<const void*>(info.SigMask + info.SigCount * info.SigSize - 1)})
            EXPECT_TRUE(inside(p));
    }
}

TEST_F(CodecTest, DecodersAddTheIconDecoder) {
    UINT count = 0, size = 0;
    ASSERT_EQ(GdipGetImageDecodersSize(&count, &size), Ok);
    ASSERT_EQ(count, 6u);
    std::vector<std::uint64_t> storage((size + 7) / 8);
    auto* list = reinterpret_cast<ImageCodecInfo*>(storage.data());
    ASSERT_EQ(GdipGetImageDecoders(count, size, list), Ok);
    EXPECT_TRUE(list[4].FormatID == kFormatPng);
    EXPECT_TRUE(list[5].FormatID == kFormatIcon);
    EXPECT_EQ(text(list[5].MimeType), "image/x-icon");
    EXPECT_EQ(list[5].Flags & ImageCodecFlagsEncoder, 0u);
}

TEST_F(CodecTest, ListCallsRefuseBadBuffers) {
    UINT count = 0, size = 0;
    ASSERT_EQ(GdipGetImageEncodersSize(&count, &size), Ok);
    std::vector<std::uint64_t> storage((size + 7) / 8 + 1, 0xABABABABABABABABu);
    auto* list = reinterpret_cast<ImageCodecInfo*>(storage.data());
    EXPECT_EQ(GdipGetImageEncoders(count, size - 1, list), InsufficientBuffer);
    EXPECT_EQ(storage[0], 0xABABABABABABABABu) << "a refused call writes nothing";
    EXPECT_EQ(GdipGetImageEncoders(count + 1, size, list), InvalidParameter);
    EXPECT_EQ(GdipGetImageEncoders(count, size, nullptr), InvalidParameter);
    EXPECT_EQ(GdipGetImageEncodersSize(nullptr, &size), InvalidParameter);
    EXPECT_EQ(GdipGetImageDecodersSize(&count, nullptr), InvalidParameter);
    EXPECT_EQ(GdipGetImageEncoders(count, size + 8, list), Ok) << "a larger buffer is fine";
}

// --- round trips --------------------------------------------------------

struct RoundTrip {
    const char* name;
    CLSID encoder;
    std::vector<std::pair<GUID, LONG>> params;
    QImage (*picture)();
    int tolerance;      // per channel
    bool keepsAlpha;    // else compared against the picture made opaque
    int expectedDepth;  // of the decoded image (QImage::depth of Qt's reading), 0 = not checked
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

QImage diagram() { return diagramPicture(); }
QImage flat() { return flatPicture(); }
QImage noise() { return noisePicture(); }
QImage gradient() { return gradientPicture(); }

class RoundTripTest : public CodecTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripTest, DecodesToTheSavedPixels) {
    const RoundTrip& c = GetParam();
    auto bitmap = makeBitmap(c.picture());
    ParameterBlock block;
    for (auto& [guid, value] : c.params) block.add(guid, value);
    GpStatus status = GenericError;
    const QByteArray bytes = saveToMemory(bitmap.get(), c.encoder, c.params.empty() ? nullptr : block.get(), &status);
    ASSERT_EQ(status, Ok);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage raw = reader.read();
    ASSERT_FALSE(raw.isNull()) << reader.errorString().toStdString();
    if (c.expectedDepth) {
        EXPECT_EQ(raw.depth(), c.expectedDepth);
    }
    const QImage back = raw.convertToFormat(QImage::Format_ARGB32);
    QImage want = visiblePixels(*bitmap);
    if (!c.keepsAlpha) want = want.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), want.size());
    EXPECT_LE(maxChannelDifference(back, want), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RoundTripTest,
    ::testing::Values(
        RoundTrip{"PngDiagram", CodecClsidPNG, {}, diagram, 0, true, 32},
        RoundTrip{"PngNoise", CodecClsidPNG, {}, noise, 0, true, 32},
        RoundTrip{"PngFlatAs8Bits", CodecClsidPNG, {{EncoderColorDepth, 8}}, flat, 0, true, 8},
        RoundTrip{"PngFlatAs24Bits", CodecClsidPNG, {{EncoderColorDepth, 24}}, flat, 0, false, 32},
        // Readers ignore the alpha bytes of a BI_RGB file; the layout test checks them.
        RoundTrip{"BmpDiagram", CodecClsidBMP, {}, diagram, 0, false, 0},
        RoundTrip{"BmpFlatAs24Bits", CodecClsidBMP, {{EncoderColorDepth, 24}}, flat, 0, false, 0},
        RoundTrip{"BmpFlatAs8Bits", CodecClsidBMP, {{EncoderColorDepth, 8}}, flat, 0, false, 8},
        RoundTrip{"BmpFlatAs4Bits", CodecClsidBMP, {{EncoderColorDepth, 4}}, flat, 0, false, 8},
        RoundTrip{"TiffDiagramLzw", CodecClsidTIFF, {}, diagram, 0, true, 0},
        RoundTrip{"TiffNoiseLzw", CodecClsidTIFF, {}, noise, 0, true, 0},
        RoundTrip{"TiffNoisePackBits", CodecClsidTIFF, {{EncoderCompression, EncoderValueCompressionRle}}, noise, 0,
                  true, 0},
        RoundTrip{"TiffFlatPackBits8Bits",
                  CodecClsidTIFF,
                  {{EncoderCompression, EncoderValueCompressionRle}, {EncoderColorDepth, 8}},
                  flat,
                  0,
                  false,
                  0},
        RoundTrip{"TiffFlatUncompressed1Bit",
                  CodecClsidTIFF,
                  {{EncoderCompression, EncoderValueCompressionNone}, {EncoderColorDepth, 4}},
                  flat,
                  0,
                  false,
                  0},
        RoundTrip{"GifFlat", CodecClsidGIF, {}, flat, 0, false, 0},
        RoundTrip{"JpegGradientBestQuality", CodecClsidJPEG, {{EncoderQuality, 100}}, gradient, 6, false, 32}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodecTest, GifKeepsTransparencyAndNoiseThroughFullCodeTables) {
    // Noise of up to 256 colours fills the 12-bit code table many times.
    QImage noise(150, 100, QImage::Format_ARGB32);
    std::uint32_t state = 7;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int v = static_cast<int>(state >> 24);
            noise.setPixel(x, y, v < 8 ? 0u : qRgb(v, 255 - v, (v * 7) & 0xFF));
        }
    auto bitmap = makeBitmap(noise);
    GpStatus status = GenericError;
    const QImage back = decode(saveToMemory(bitmap.get(), CodecClsidGIF, nullptr, &status));
    ASSERT_EQ(status, Ok);
    EXPECT_EQ(maxChannelDifference(back, visiblePixels(*bitmap)), 0);
}

TEST_F(CodecTest, BmpOfArgbIsACompleteBottomUpFileWithAlpha) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    const QRgb top[3] = {0xFF112233, 0x00000000, 0xFFFFFFFF};
    const QRgb bottom[3] = {0xFF445566, 0xFF000000, 0xFF8090A0};
    for (int x = 0; x < 3; ++x) picture.setPixel(x, 0, top[x]), picture.setPixel(x, 1, bottom[x]);
    auto bitmap = makeBitmap(picture);
    bitmap->dpiX = bitmap->dpiY = 96;
    GpStatus status = GenericError;
    const QByteArray bmp = saveToMemory(bitmap.get(), CodecClsidBMP, nullptr, &status);
    ASSERT_EQ(status, Ok);
    ASSERT_EQ(bmp.size(), 14 + 40 + 3 * 2 * 4);

    auto u16 = [&](int at) { return static_cast<unsigned>(static_cast<uchar>(bmp[at]) | static_cast<uchar>(bmp[at + 1]) << 8); };
    auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(u32(2), static_cast<unsigned>(bmp.size()));
    EXPECT_EQ(u32(6), 0u);
    EXPECT_EQ(u32(10), 54u);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 3u);
    EXPECT_EQ(u32(22), 2u) << "positive height: bottom-up";
    EXPECT_EQ(u16(26), 1u);
    EXPECT_EQ(u16(28), 32u);
    EXPECT_EQ(u32(30), 0u) << "BI_RGB";
    EXPECT_EQ(u32(34), 24u);
    EXPECT_EQ(u32(38), 3780u);
    // First stored row is the bottom one, as B, G, R, A.
    const char want[] = "\x66\x55\x44\xFF\x00\x00\x00\xFF\xA0\x90\x80\xFF"
                        "\x33\x22\x11\xFF\x00\x00\x00\x00\xFF\xFF\xFF\xFF";
    EXPECT_EQ(bmp.mid(54), QByteArray(want, 24));
}

// --- parameters ---------------------------------------------------------

struct RefusedParameters {
    const char* name;
    CLSID encoder;
    GUID category;
    LONG value;
    ULONG type;
    ULONG count;
};

void PrintTo(const RefusedParameters& c, std::ostream* os) { *os << c.name; }

class RefusedParameterTest : public CodecTest, public ::testing::WithParamInterface<RefusedParameters> {};

TEST_P(RefusedParameterTest, IsInvalidAndWritesNothing) {
    const RefusedParameters& c = GetParam();
    auto bitmap = makeBitmap(flatPicture());
    ParameterBlock block;
    block.add(c.category, c.value, c.type, c.count);
    GpStatus status = Ok;
    EXPECT_TRUE(saveToMemory(bitmap.get(), c.encoder, block.get(), &status).isEmpty());
    EXPECT_EQ(status, InvalidParameter);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, RefusedParameterTest,
    ::testing::Values(
        RefusedParameters{"QualityForPng", CodecClsidPNG, EncoderQuality, 50, EncoderParameterValueTypeLong, 1},
        RefusedParameters{"QualityAbove100", CodecClsidJPEG, EncoderQuality, 101, EncoderParameterValueTypeLong, 1},
        RefusedParameters{"QualityBelow0", CodecClsidJPEG, EncoderQuality, -1, EncoderParameterValueTypeLong, 1},
        RefusedParameters{"QualityAsShort", CodecClsidJPEG, EncoderQuality, 50, EncoderParameterValueTypeShort, 1},
        RefusedParameters{"QualityWithNoValue", CodecClsidJPEG, EncoderQuality, 50, EncoderParameterValueTypeLong, 0},
        RefusedParameters{"DepthUnknownToBmp", CodecClsidBMP, EncoderColorDepth, 12, EncoderParameterValueTypeLong, 1},
        RefusedParameters{"CompressionForPng", CodecClsidPNG, EncoderCompression, EncoderValueCompressionLZW,
                          EncoderParameterValueTypeLong, 1},
        RefusedParameters{"CompressionValueForTiff", CodecClsidTIFF, EncoderCompression, EncoderValueFlush,
                          EncoderParameterValueTypeLong, 1},
        RefusedParameters{"FlushOnAFirstSave", CodecClsidTIFF, EncoderSaveFlag, EncoderValueFlush,
                          EncoderParameterValueTypeLong, 1},
        RefusedParameters{"UnknownCategory", CodecClsidJPEG, CodecClsidPNG, 1, EncoderParameterValueTypeLong,
                          1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodecTest, JpegQualityChangesTheFile) {
    auto bitmap = makeBitmap(noisePicture(64, 64));
    ParameterBlock low, high;
    low.add(EncoderQuality, 5);
    high.add(EncoderQuality, 95);
    const QByteArray small = saveToMemory(bitmap.get(), CodecClsidJPEG, low.get());
    const QByteArray large = saveToMemory(bitmap.get(), CodecClsidJPEG, high.get());
    EXPECT_LT(small.size() * 2, large.size());
    EXPECT_EQ(saveToMemory(bitmap.get(), CodecClsidJPEG, nullptr).size(),
              saveToMemory(bitmap.get(), CodecClsidJPEG, ParameterBlock().add(EncoderQuality, 75).get()).size())
        << "75 is the default quality";
}

TEST_F(CodecTest, JpegTransformationTurnsThePicture) {
    auto bitmap = makeBitmap(flatPicture());
    ParameterBlock turn;
    turn.add(EncoderTransformation, EncoderValueTransformRotate90);
    const QImage back = decode(saveToMemory(bitmap.get(), CodecClsidJPEG, turn.get()));
    EXPECT_EQ(back.size(), QSize(9, 17));
}

TEST_F(CodecTest, EmptyParameterBlockMeansDefaults) {
    auto bitmap = makeBitmap(diagramPicture());
    ParameterBlock none;
    EXPECT_EQ(saveToMemory(bitmap.get(), CodecClsidPNG, none.get()), saveToMemory(bitmap.get(), CodecClsidPNG, nullptr));
}

TEST_F(CodecTest, JpegParameterListOffersTransformationAndQuality) {
    auto bitmap = makeBitmap(flatPicture());
    UINT size = 0;
    ASSERT_EQ(GdipGetEncoderParameterListSize(bitmap.get(), &CodecClsidJPEG, &size), Ok);
    std::vector<std::uint64_t> storage((size + 7) / 8);
    auto* list = reinterpret_cast<EncoderParameters*>(storage.data());
    EXPECT_EQ(GdipGetEncoderParameterList(bitmap.get(), &CodecClsidJPEG, size - 1, list), InsufficientBuffer);
    ASSERT_EQ(GdipGetEncoderParameterList(bitmap.get(), &CodecClsidJPEG, size, list), Ok);
    ASSERT_EQ(list->Count, 2u);
    const EncoderParameter& transform = list->Parameter[0];
    const EncoderParameter& quality = list->Parameter[1];
    EXPECT_TRUE(transform.Guid == EncoderTransformation);
    EXPECT_EQ(transform.Type, static_cast<ULONG>(EncoderParameterValueTypeLong));
    ASSERT_EQ(transform.NumberOfValues, 5u);
    EXPECT_EQ(static_cast<const LONG*>(transform.Value)[0], EncoderValueTransformRotate90);
    EXPECT_TRUE(quality.Guid == EncoderQuality);
    EXPECT_EQ(quality.Type, static_cast<ULONG>(EncoderParameterValueTypeLongRange));
    ASSERT_EQ(quality.NumberOfValues, 1u);
    EXPECT_EQ(static_cast<const LONG*>(quality.Value)[0], 0);
    EXPECT_EQ(static_cast<const LONG*>(quality.Value)[1], 100);
    const auto* end = reinterpret_cast<const BYTE*>(storage.data()) + size;
    EXPECT_LE(reinterpret_cast<const BYTE*>(static_cast<const LONG*>(quality.Value) + 2), end);

    EXPECT_EQ(GdipGetEncoderParameterListSize(bitmap.get(), &kFormatPng, &size), UnknownImageFormat);
}

// --- files --------------------------------------------------------------

class SaveFileTest : public CodecTest {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(SaveFileTest, WritesTheFileAndNothingElse) {
    auto bitmap = makeBitmap(diagramPicture());
    const auto name = wide(path(u"图 1.png"_qs));
    ASSERT_EQ(GdipSaveImageToFile(bitmap.get(), name.c_str(), &CodecClsidPNG, nullptr), Ok);
    EXPECT_EQ(entries(), QStringList{u"图 1.png"_qs});
    EXPECT_EQ(read(path(u"图 1.png"_qs)), saveToMemory(bitmap.get(), CodecClsidPNG, nullptr));
    EXPECT_EQ(QFile::permissions(path(u"图 1.png"_qs)) & QFileDevice::ReadOwner, QFileDevice::ReadOwner);
}

TEST_F(SaveFileTest, ReplacesAnExistingFile) {
    write(path("old.bmp"), QByteArray(5000, 'x'));
    auto bitmap = makeBitmap(flatPicture());
    const auto name = wide(path("old.bmp"));
    ASSERT_EQ(GdipSaveImageToFile(bitmap.get(), name.c_str(), &CodecClsidBMP, nullptr), Ok);
    EXPECT_EQ(read(path("old.bmp")), saveToMemory(bitmap.get(), CodecClsidBMP, nullptr));
    EXPECT_EQ(entries().size(), 1);
}

struct FailedSave {
    const char* name;
    QString target;  // relative to the test folder
    CLSID encoder;
    GpStatus status;
};

void PrintTo(const FailedSave& c, std::ostream* os) { *os << c.name; }

class FailedSaveTest : public SaveFileTest, public ::testing::WithParamInterface<FailedSave> {};

TEST_P(FailedSaveTest, LeavesTheFolderAsItWas) {
    const FailedSave& c = GetParam();
    QDir(dir.path()).mkdir("sub");
    write(path("keep.png"), "precious");
    const QStringList before = entries();
    auto bitmap = makeBitmap(diagramPicture());
    const auto name = wide(path(c.target));
    EXPECT_EQ(GdipSaveImageToFile(bitmap.get(), name.c_str(), &c.encoder, nullptr), c.status);
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(read(path("keep.png")), "precious");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSaveTest,
    ::testing::Values(FailedSave{"MissingFolder", "no/such/folder/a.png", CodecClsidPNG, Win32Error},
                      FailedSave{"TargetIsAFolder", "sub", CodecClsidPNG, AccessDenied},
                      FailedSave{"EncoderNotInstalled", "keep.png", CLSID{}, UnknownImageFormat},
                      FailedSave{"FormatGuidIsNoEncoder", "keep.png", kFormatPng, UnknownImageFormat}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFileTest, AWriteThatFailsMidwayKeepsTheOldFile) {
    write(path("keep.tif"), "precious");
    auto bitmap = makeBitmap(noisePicture(300, 300));
    const auto name = wide(path("keep.tif"));
    // Files may not grow beyond 1000 bytes: the encoded picture cannot be written.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const GpStatus status = GdipSaveImageToFile(bitmap.get(), name.c_str(), &CodecClsidTIFF, nullptr);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(status, Win32Error);
    EXPECT_EQ(read(path("keep.tif")), "precious");
    EXPECT_EQ(entries(), QStringList{"keep.tif"});
}

TEST_F(CodecTest, RefusesBadArguments) {
    auto bitmap = makeBitmap(flatPicture());
    const std::u16string name = u"x.png";
    EXPECT_EQ(GdipSaveImageToFile(nullptr, name.c_str(), &CodecClsidPNG, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSaveImageToFile(bitmap.get(), nullptr, &CodecClsidPNG, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSaveImageToFile(bitmap.get(), u"", &CodecClsidPNG, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSaveImageToFile(bitmap.get(), name.c_str(), nullptr, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSaveImageToStream(bitmap.get(), nullptr, &CodecClsidPNG, nullptr), InvalidParameter);
    GpBitmap* stale = bitmap.get();
    bitmap.reset();
    EXPECT_EQ(GdipSaveImageToFile(stale, name.c_str(), &CodecClsidPNG, nullptr), InvalidParameter);
}

// --- several frames -----------------------------------------------------

struct MultiFrame {
    const char* name;
    CLSID encoder;
    EncoderValue dimension;
};

void PrintTo(const MultiFrame& c, std::ostream* os) { *os << c.name; }

class MultiFrameTest : public CodecTest, public ::testing::WithParamInterface<MultiFrame> {};

TEST_P(MultiFrameTest, SavesEveryAddedFrame) {
    const MultiFrame& c = GetParam();
    auto first = makeBitmap(flatPicture());
    QImage second = flatPicture();
    second.fill(0xFF00FF00);
    auto other = makeBitmap(second);

    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    ParameterBlock begin, page, flush;
    begin.add(EncoderSaveFlag, EncoderValueMultiFrame);
    page.add(EncoderSaveFlag, c.dimension);
    flush.add(EncoderSaveFlag, EncoderValueFlush);
    ASSERT_EQ(GdipSaveImageToStream(first.get(), stream, &c.encoder, begin.get()), Ok);
    ASSERT_EQ(GdipSaveAddImage(first.get(), other.get(), page.get()), Ok);
    ASSERT_EQ(GdipSaveAdd(first.get(), page.get()), Ok);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(stat.cbSize.QuadPart, 0u) << "nothing is written before the flush";
    ASSERT_EQ(GdipSaveAdd(first.get(), flush.get()), Ok);
    EXPECT_EQ(GdipSaveAdd(first.get(), flush.get()), WrongState);

    stream->Stat(&stat, STATFLAG_NONAME);
    HGLOBAL block = nullptr;
    GetHGlobalFromStream(stream, &block);
    const QByteArray bytes(static_cast<const char*>(GlobalLock(block)), static_cast<qsizetype>(stat.cbSize.QuadPart));
    GlobalUnlock(block);
    stream->Release();

    ASSERT_EQ(frameCount(bytes), 3);
    EXPECT_EQ(maxChannelDifference(decode(bytes, 0), visiblePixels(*first)), 0);
    EXPECT_EQ(maxChannelDifference(decode(bytes, 1), visiblePixels(*other)), 0);
    EXPECT_EQ(maxChannelDifference(decode(bytes, 2), visiblePixels(*first)), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, MultiFrameTest,
                         ::testing::Values(MultiFrame{"Tiff", CodecClsidTIFF, EncoderValueFrameDimensionPage},
                                           MultiFrame{"Gif", CodecClsidGIF, EncoderValueFrameDimensionTime}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFileTest, MultiFrameFileAppearsAtTheFlushOrWhenTheImageGoesAway) {
    auto first = makeBitmap(flatPicture());
    ParameterBlock begin, flush;
    begin.add(EncoderSaveFlag, EncoderValueMultiFrame);
    flush.add(EncoderSaveFlag, EncoderValueFlush);
    const auto flushed = wide(path("flushed.tif")), dropped = wide(path("dropped.tif"));
    ASSERT_EQ(GdipSaveImageToFile(first.get(), flushed.c_str(), &CodecClsidTIFF, begin.get()), Ok);
    EXPECT_FALSE(QFile::exists(path("flushed.tif")));
    ASSERT_EQ(GdipSaveAddImage(first.get(), first.get(), nullptr), Ok);
    ASSERT_EQ(GdipSaveAdd(first.get(), flush.get()), Ok);
    EXPECT_EQ(frameCount(read(path("flushed.tif"))), 2);

    ASSERT_EQ(GdipSaveImageToFile(first.get(), dropped.c_str(), &CodecClsidTIFF, begin.get()), Ok);
    first.reset();
    EXPECT_EQ(frameCount(read(path("dropped.tif"))), 1);
    EXPECT_EQ(entries().size(), 2);
}

TEST_F(CodecTest, AddingWithoutAMultiFrameSaveIsTheWrongState) {
    auto bitmap = makeBitmap(flatPicture());
    ParameterBlock page;
    page.add(EncoderSaveFlag, EncoderValueFrameDimensionPage);
    EXPECT_EQ(GdipSaveAdd(bitmap.get(), page.get()), WrongState);
    EXPECT_EQ(GdipSaveAddImage(bitmap.get(), bitmap.get(), page.get()), WrongState);
    EXPECT_EQ(GdipSaveAdd(bitmap.get(), nullptr), InvalidParameter);
}

}  // namespace

// --- an independent reader ---------------------------------------------

struct IdentifyCase {
    const char* name;
    CLSID encoder;
    std::vector<std::pair<GUID, LONG>> params;
    const char* expected;  // identify's "%m %wx%h %z %A;": format, size, bits per channel, alpha
};

void PrintTo(const IdentifyCase& c, std::ostream* os) { *os << c.name; }

class IdentifyTest : public SaveFileTest, public ::testing::WithParamInterface<IdentifyCase> {};

TEST_P(IdentifyTest, ImageMagickReadsTheFile) {
    const QString identify = QStandardPaths::findExecutable("identify");
    if (identify.isEmpty()) GTEST_SKIP() << "ImageMagick's identify is not installed";
    const IdentifyCase& c = GetParam();
    auto bitmap = makeBitmap(diagramPicture(60, 24));
    ParameterBlock block;
    for (auto& [guid, value] : c.params) block.add(guid, value);
    const auto name = wide(path("picture"));
    ASSERT_EQ(GdipSaveImageToFile(bitmap.get(), name.c_str(), &c.encoder, c.params.empty() ? nullptr : block.get()),
              Ok);
    QProcess run;
    run.start(identify, {"-format", "%m %wx%h %z %A;", path("picture")});
    ASSERT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLatin1(run.readAllStandardOutput()).trimmed().toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, IdentifyTest,
    ::testing::Values(IdentifyCase{"Png", CodecClsidPNG, {}, "PNG 60x24 8 True;"},
                      IdentifyCase{"Bmp", CodecClsidBMP, {}, "BMP3 60x24 8 True;"},
                      IdentifyCase{"Bmp8Bits", CodecClsidBMP, {{EncoderColorDepth, 8}}, "BMP3 60x24 8 False;"},
                      IdentifyCase{"Jpeg", CodecClsidJPEG, {}, "JPEG 60x24 8 False;"},
                      IdentifyCase{"Gif", CodecClsidGIF, {}, "GIF 60x24 8 True;"},
                      IdentifyCase{"TiffLzw", CodecClsidTIFF, {}, "TIFF 60x24 8 True;"},
                      IdentifyCase{"TiffPackBits1Bit",
                                   CodecClsidTIFF,
                                   {{EncoderCompression, EncoderValueCompressionRle}, {EncoderColorDepth, 1}},
                                   "TIFF 60x24 1 False;"}),
    [](const auto& info) { return std::string(info.param.name); });
