#include <gtest/gtest.h>

#include <string>

#include "win32/code_page.h"

namespace {

std::u16string toWide(const std::string& s, int count = -1) {
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), count, nullptr, 0);
    std::u16string w(static_cast<std::size_t>(n), u'\0');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, s.c_str(), count, w.data(), n), n);
    return w;
}

std::string toText(const std::u16string& w, int count = -1) {
    int n = WideCharToMultiByte(CP_OEMCP, 0, w.c_str(), count, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    EXPECT_EQ(WideCharToMultiByte(CP_OEMCP, 0, w.c_str(), count, s.data(), n, nullptr, nullptr), n);
    return s;
}

TEST(CodePage, RoundTripsTextIncludingTheTerminator) {
    const std::string samples[] = {"", "+118", "编辑框1", "Fe³⁺", "\xF0\x9F\x98\x80"};
    for (const std::string& s : samples) {
        std::u16string w = toWide(s);
        ASSERT_FALSE(w.empty());
        EXPECT_EQ(w.back(), u'\0') << s;
        EXPECT_EQ(toText(w), std::string(s.c_str(), s.size() + 1)) << s;
    }
    EXPECT_EQ(toWide("\xF0\x9F\x98\x80").size(), 3u) << "a character outside the BMP takes a surrogate pair";
}

TEST(CodePage, MalformedInputIsReplacedNotDropped) {
    struct Case {
        std::string bytes;
        std::u16string expected;
    } cases[] = {
        {"a\xFF" "b", u"a\uFFFDb"},
        {"\xC3", u"\uFFFD"},                      // truncated sequence at the end
        {"\xE2\x82" "x", u"\uFFFDx"},             // truncated in the middle
        {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
    };
    for (const Case& c : cases) {
        std::u16string w = toWide(c.bytes, static_cast<int>(c.bytes.size()));
        EXPECT_EQ(w, c.expected) << c.bytes;
    }
    std::u16string lone = u"x\xD800y";
    BOOL usedDefault = FALSE;
    char buffer[16] = {};
    int n = WideCharToMultiByte(CP_OEMCP, 0, lone.c_str(), 3, buffer, sizeof buffer, "?", &usedDefault);
    EXPECT_EQ(std::string(buffer, n), "x?y");
    EXPECT_TRUE(usedDefault);
}

TEST(CodePage, NeverReadsOrWritesPastTheGivenCounts) {
    // Only the first two bytes are given: the rest must not be read.
    const char text[] = {'a', 'b', 'c'};
    WCHAR out[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 2, out, 4), 2);
    EXPECT_EQ(out[2], u'#');
    // Too small a buffer writes nothing and says 0.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 3, out, 2), 0);
    EXPECT_EQ(out[0], u'a');
    EXPECT_EQ(lstrlenW(u"abc"), 3);
    EXPECT_EQ(lstrlenW(nullptr), 0);
}

}  // namespace
