#include <gtest/gtest.h>

#include "conversions.h"

namespace {

using namespace graphics;

TEST(Conversions, TextToWideEndsInOneZeroUnit) {
    struct Case {
        std::string text;
        std::size_t bytes;
    } cases[] = {
        {"", 2},
        {"+118", 10},
        {"编辑框", 8},                 // three BMP characters
        {"\xF0\x9F\x98\x80", 6},      // one surrogate pair
    };
    for (const Case& c : cases) {
        ByteArray wide = TextToWide(c.text);
        ASSERT_EQ(wide.size(), c.bytes) << c.text;
        EXPECT_EQ(wide[wide.size() - 1], 0);
        EXPECT_EQ(wide[wide.size() - 2], 0);
        EXPECT_EQ(WideToText(AsWide(wide)), c.text);
    }
    EXPECT_EQ(WideToText(nullptr), "");
}

TEST(Conversions, GuidTextRoundTrips) {
    const std::string texts[] = {"{557CF406-1A04-11D3-9A73-0000F81EF32E}", "{00000000-0000-0000-0000-000000000000}",
                                 "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"};
    for (const std::string& t : texts) EXPECT_EQ(GuidToText(TextToGuid(t)), t);
    // Byte order: Data1 is little-endian in memory.
    GuidBytes png = TextToGuid(texts[0]);
    EXPECT_EQ(png[0], 0x06);
    EXPECT_EQ(png[3], 0x55);
    EXPECT_EQ(png[8], 0x9A);
}

TEST(Conversions, TextThatIsNoGuidGivesTheAllZeroGuid) {
    for (const char* t : {"", "png", "{557CF406-1A04-11D3-9A73-0000F81EF32}", "557CF406-1A04-11D3-9A73-0000F81EF32E"})
        EXPECT_EQ(TextToGuid(t), GuidBytes{}) << t;
    // Lower case parses (CLSIDFromString accepts it); the text written back is upper case.
    EXPECT_EQ(GuidToText(TextToGuid("{557cf406-1a04-11d3-9a73-0000f81ef32e}")),
              "{557CF406-1A04-11D3-9A73-0000F81EF32E}");
}

}  // namespace
