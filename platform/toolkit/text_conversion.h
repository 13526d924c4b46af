// The toolkit's conversions between the text of an edit box and an integer.
#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

// Reads a decimal integer the way the C library's atoi does, after folding
// full-width forms to ASCII (U+FF01..U+FF5E to U+0021..U+007E, the
// ideographic space U+3000 to a space): leading white space is skipped, one
// optional sign is taken, then digits up to the first non-digit. No digit at
// all gives 0. Values beyond 32 bits wrap around (two's complement) instead
// of overflowing.
std::int32_t textToInteger(const QString& text);
// The same for UTF-8 text.
std::int32_t textToInteger(std::string_view utf8);

// Plain decimal as "%d" prints it: a minus sign for negative values, no
// sign, grouping, padding or leading zeros otherwise.
QString integerToText(std::int32_t value);
std::string integerToUtf8(std::int32_t value);

}  // namespace toolkit
