// Conversions of texts and identifiers at the engine's boundary. Texts going
// to the engine are read in the ANSI code page, texts coming back are written
// in the OEM code page (both UTF-8 on this platform).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "win32/windows_types.h"

namespace graphics {

using ByteArray = std::vector<std::uint8_t>;
using GuidBytes = std::array<std::uint8_t, 16>;

// The text as UTF-16 little-endian followed by one zero unit; an empty text
// gives two zero bytes.
ByteArray TextToWide(const std::string& text);
// The zero-terminated UTF-16 string at `wide` as text; empty for null.
std::string WideToText(const WCHAR* wide);
// The 38-character braced upper-case identifier text of a GUID.
std::string GuidToText(const GuidBytes& guid);
// The GUID that an identifier text names; all zero when the text is none.
GuidBytes TextToGuid(const std::string& text);

// The UTF-16 units of a converted text, for calls that take a WCHAR pointer.
inline const WCHAR* AsWide(const ByteArray& wide) {
    return reinterpret_cast<const WCHAR*>(wide.data());
}

}  // namespace graphics
