// The edit boxes' text-to-integer reading and the decimal writing.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

#include "toolkit/text_conversion.h"

namespace {

struct TextCase {
    const char* text;  // UTF-8
    std::int32_t expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" -> " << c.expected;
}

class TextToInteger : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToInteger, ReadsLikeAtoiAfterFoldingFullWidth) {
    const TextCase& c = GetParam();
    EXPECT_EQ(toolkit::textToInteger(std::string_view(c.text)), c.expected) << "text: \"" << c.text << "\"";
    EXPECT_EQ(toolkit::textToInteger(QString::fromUtf8(c.text)), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToInteger,
    ::testing::Values(
        // No digit at all.
        TextCase{"", 0}, TextCase{"abc", 0}, TextCase{"-", 0}, TextCase{"+", 0}, TextCase{"+-5", 0},
        TextCase{"- 5", 0}, TextCase{"x12", 0},
        // Leading white space, one sign, digits up to the first non-digit.
        TextCase{" 12", 12}, TextCase{"\t\n\v\f\r 7", 7}, TextCase{"12abc", 12}, TextCase{"3.9", 3},
        TextCase{"+7", 7}, TextCase{"-4", -4}, TextCase{"007", 7}, TextCase{"12 34", 12},
        TextCase{"2147483647", 2147483647}, TextCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
        // Full-width digits, signs and the ideographic space fold to ASCII.
        TextCase{"１８", 18}, TextCase{"－３", -3}, TextCase{"＋７", 7}, TextCase{"\u3000 ５", 5},
        TextCase{"1８", 18}, TextCase{"１８ａ", 18},
        // Other wide characters are not white space and end the reading.
        TextCase{"\u00a0" "5", 0}, TextCase{"氢1", 0},
        // Beyond 32 bits the value wraps modulo 2^32.
        TextCase{"2147483648", std::numeric_limits<std::int32_t>::min()},
        TextCase{"4294967295", -1}, TextCase{"4294967296", 0}, TextCase{"4294967298", 2},
        TextCase{"-4294967297", -1}, TextCase{"99999999999999999999", 1661992959}));

TEST(IntegerToText, PrintsPlainDecimal) {
    const struct {
        std::int32_t value;
        const char* text;
    } cases[] = {{0, "0"}, {7, "7"}, {118, "118"}, {-3, "-3"}, {1000000, "1000000"},
                 {std::numeric_limits<std::int32_t>::max(), "2147483647"},
                 {std::numeric_limits<std::int32_t>::min(), "-2147483648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(toolkit::integerToUtf8(c.value), c.text);
        EXPECT_EQ(toolkit::integerToText(c.value), QString::fromLatin1(c.text));
        // And the reading gives the value back.
        EXPECT_EQ(toolkit::textToInteger(toolkit::integerToText(c.value)), c.value);
    }
}

}  // namespace
