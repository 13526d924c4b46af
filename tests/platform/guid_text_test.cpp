#include <gtest/gtest.h>

#include <string>

#include "win32/guid_text.h"

namespace {

std::u16string wide(const char* s) {
    std::u16string w;
    while (*s) w.push_back(static_cast<char16_t>(*s++));
    return w;
}

// The PNG encoder's class identifier: a GUID whose text has every kind of digit.
constexpr GUID kSample = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

TEST(GuidText, WritesTheBracedUpperCaseForm) {
    WCHAR text[39];
    ASSERT_EQ(StringFromGUID2(kSample, text, 39), 39);
    EXPECT_EQ(std::u16string(text), wide("{557CF406-1A04-11D3-9A73-0000F81EF32E}"));
    EXPECT_EQ(StringFromGUID2(kSample, text, 38), 0) << "a buffer without room for the terminator";
}

TEST(GuidText, ParsesWhatItWritesInEitherCase) {
    for (const char* t : {"{557CF406-1A04-11D3-9A73-0000F81EF32E}", "{557cf406-1a04-11d3-9a73-0000f81ef32e}"}) {
        GUID parsed{};
        ASSERT_EQ(CLSIDFromString(wide(t).c_str(), &parsed), S_OK) << t;
        EXPECT_TRUE(parsed == kSample) << t;
    }
}

TEST(GuidText, TextThatIsNoGuidLeavesTheResultUntouched) {
    const char* bad[] = {
        "",
        "557CF406-1A04-11D3-9A73-0000F81EF32E",     // no braces
        "{557CF406-1A04-11D3-9A73-0000F81EF32E",    // short
        "{557CF406-1A04-11D3-9A73-0000F81EF32E}x",  // trailing text
        "{557CF406-1A04-11D3-9A73-0000F81EF32G}",   // not hex
        "{557CF406+1A04-11D3-9A73-0000F81EF32E}",   // wrong separator
    };
    for (const char* t : bad) {
        GUID result = kSample;
        EXPECT_NE(CLSIDFromString(wide(t).c_str(), &result), S_OK) << t;
        EXPECT_TRUE(result == kSample) << t;
    }
}

}  // namespace
