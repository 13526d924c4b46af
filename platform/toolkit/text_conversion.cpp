#include "text_conversion.h"

#include <cstdio>

namespace toolkit {

namespace {

// Full-width ASCII variants and the ideographic space as their ASCII forms;
// everything else unchanged. Only digits, signs and white space matter to
// the reading below, and for those this is the same as folding the GBK
// full-width row (lead byte 0xA3) and its ideographic space (0xA1 0xA1).
char16_t foldFullWidth(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char16_t>(c - 0xFEE0);
    if (c == 0x3000) return u' ';
    return c;
}

bool isCSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

}  // namespace

std::int32_t textToInteger(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isCSpace(foldFullWidth(text[i].unicode()))) ++i;

    bool negative = false;
    if (i < n) {
        const char16_t c = foldFullWidth(text[i].unicode());
        if (c == u'+' || c == u'-') {
            negative = c == u'-';
            ++i;
        }
    }

    // Accumulated unsigned so that a long run of digits wraps modulo 2^32
    // rather than overflowing a signed integer, which C++ leaves undefined.
    std::uint32_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = foldFullWidth(text[i].unicode());
        if (c < u'0' || c > u'9') break;
        value = value * 10u + static_cast<std::uint32_t>(c - u'0');
    }
    if (negative) value = 0u - value;
    // Two's-complement reinterpretation (well defined since C++20).
    return static_cast<std::int32_t>(value);
}

std::int32_t textToInteger(std::string_view utf8) {
    return textToInteger(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString integerToText(std::int32_t value) {
    const std::string text = integerToUtf8(value);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string integerToUtf8(std::int32_t value) {
    char buffer[16];
    const int length = std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace toolkit
