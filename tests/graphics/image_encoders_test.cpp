// The encoder lookup and the encoder parameter block.
#include <gtest/gtest.h>

#include <cstring>

#include "binding.h"
#include "encoder_parameter_list.h"
#include "gdiplus_flat.h"
#include "image_encoders.h"
#include "last_status.h"

namespace {

using namespace graphics;

constexpr const char* kPngClsid = "{557CF406-1A04-11D3-9A73-0000F81EF32E}";
constexpr const char* kBmpClsid = "{557CF400-1A04-11D3-9A73-0000F81EF32E}";

TEST(ImageEncoders, ListsTheFiveEncodersAsTexts) {
    struct Want {
        const char* clsid;
        const char* format;
        const char* mime;
        const char* extensions;
        ByteArray signature;
    } want[] = {
        {kBmpClsid, "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}", "image/bmp", "*.BMP;*.DIB;*.RLE", {'B', 'M'}},
        {"{557CF401-1A04-11D3-9A73-0000F81EF32E}", "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}", "image/jpeg",
         "*.JPG;*.JPEG;*.JPE;*.JFIF", {0xFF, 0xD8}},
        {"{557CF402-1A04-11D3-9A73-0000F81EF32E}", "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}", "image/gif", "*.GIF",
         {'G', 'I', 'F', '8', '9', 'a', 'G', 'I', 'F', '8', '7', 'a'}},
        {"{557CF405-1A04-11D3-9A73-0000F81EF32E}", "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}", "image/tiff",
         "*.TIF;*.TIFF", {'I', 'I', 'M', 'M'}},
        {kPngClsid, kPngFormat, "image/png", "*.PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
    };
    std::vector<ImageCodecRecord> records(9);  // resized to the engine's count
    resetCallCounts();
    ASSERT_EQ(GetImageEncoders(records), 5);
    EXPECT_EQ(LastStatus, 0);
    EXPECT_EQ(callCount("GdipGetImageEncodersSize"), 1u);
    EXPECT_EQ(callCount("GdipGetImageEncoders"), 1u);
    ASSERT_EQ(records.size(), 5u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        const ImageCodecRecord& r = records[i];
        EXPECT_EQ(r.clsid, want[i].clsid);
        EXPECT_EQ(r.formatId, want[i].format);
        EXPECT_EQ(r.mimeType, want[i].mime);
        EXPECT_EQ(r.filenameExtension, want[i].extensions);
        EXPECT_EQ(r.codecName.rfind("Built-in ", 0), 0u) << r.codecName;
        EXPECT_EQ(r.dllName, "");
        EXPECT_EQ(r.flags, 0x10007);
        EXPECT_EQ(r.version, 1);
        EXPECT_EQ(r.sigPattern, want[i].signature);
        EXPECT_EQ(static_cast<std::size_t>(r.sigCount * r.sigSize), r.sigPattern.size());
        EXPECT_EQ(r.sigMask, ByteArray(r.sigPattern.size(), 0xFF));
    }
}

TEST(ImageEncoders, FindsTheEncoderByItsExactFormatText) {
    const struct {
        std::string format;
        std::string clsid;
    } cases[] = {
        {kPngFormat, kPngClsid},
        {kBmpFormat, kBmpClsid},
        {"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", ""},  // compared byte for byte
        {"", ""},
        {kPngClsid, ""},  // an encoder's own identifier is no format
        {"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E} ", ""},
    };
    for (const auto& c : cases) {
        resetCallCounts();
        EXPECT_EQ(FindEncoderClsid(c.format), c.clsid) << c.format;
        EXPECT_EQ(callCount("GdipGetImageEncoders"), 1u) << "the list is fetched afresh every time";
    }
}

ByteArray bytesOf(const GUID& g) {
    ByteArray b(16);
    std::memcpy(b.data(), &g, 16);
    return b;
}

TEST(EncoderParameterBlock, HoldsTheCountAndEveryEntry) {
    EncoderParameterList list;
    list.count = 0;  // written as given, even below the number of entries
    list.entries = {
        {"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, {80, 0, 0, 0}},
        {"not a guid", 3, 7, {}},
    };
    ByteArray block;
    ASSERT_TRUE(BuildEncoderParameterBlock(list, block));
    const std::size_t header = offsetof(EncoderParameters, Parameter);
    ASSERT_EQ(block.size(), header + 2 * sizeof(EncoderParameter));
    EXPECT_EQ(ByteArray(block.begin(), block.begin() + 4), ByteArray(4, 0));

    const auto* params = reinterpret_cast<const EncoderParameters*>(block.data());
    const EncoderParameter& quality = params->Parameter[0];
    EXPECT_EQ(bytesOf(quality.Guid), ByteArray({0xB5, 0xE4, 0x5B, 0x1D, 0x4A, 0xFA, 0x2D, 0x45, 0x9C, 0xDD, 0x5D, 0xB3,
                                                0x51, 0x05, 0xE7, 0xEB}));
    EXPECT_EQ(quality.NumberOfValues, 1u);
    EXPECT_EQ(quality.Type, 4u);
    EXPECT_EQ(quality.Value, list.entries[0].value.data()) << "the block points at the values, no copy";
    const EncoderParameter& other = params->Parameter[1];
    EXPECT_EQ(bytesOf(other.Guid), ByteArray(16, 0));
    EXPECT_EQ(other.NumberOfValues, 3u);
    EXPECT_EQ(other.Type, 7u);
    EXPECT_EQ(other.Value, nullptr) << "a value without storage is passed as null";
}

TEST(EncoderParameterBlock, RefusesACountBeyondItsEntries) {
    for (int count : {2, -1, 1000}) {
        EncoderParameterList list;
        list.count = count;
        list.entries = {{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, {80, 0, 0, 0}}};
        ByteArray block{1, 2, 3};
        EXPECT_FALSE(BuildEncoderParameterBlock(list, block)) << count;
        EXPECT_TRUE(block.empty());
    }
    EncoderParameterList empty;
    ByteArray block;
    ASSERT_TRUE(BuildEncoderParameterBlock(empty, block));
    EXPECT_EQ(block.size(), offsetof(EncoderParameters, Parameter));
}

}  // namespace
