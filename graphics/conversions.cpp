#include "conversions.h"

#include <cstring>

#include "win32/code_page.h"
#include "win32/guid_text.h"

namespace graphics {

ByteArray TextToWide(const std::string& text) {
    // Units of the whole text including its terminator.
    int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (units < 1) units = 1;
    ByteArray wide(2 * static_cast<std::size_t>(units), 0);
    if (!text.empty())
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                            reinterpret_cast<WCHAR*>(wide.data()), units - 1);
    return wide;
}

std::string WideToText(const WCHAR* wide) {
    if (!wide) return {};
    int bytes = WideCharToMultiByte(CP_OEMCP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text.data(), bytes, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(bytes) - 1);  // drop the terminator
    return text;
}

std::string GuidToText(const GuidBytes& guid) {
    WCHAR buffer[39] = {};
    GUID value;
    std::memcpy(&value, guid.data(), sizeof value);
    StringFromGUID2(value, buffer, 39);
    return WideToText(buffer);
}

GuidBytes TextToGuid(const std::string& text) {
    GUID value{};
    ByteArray wide = TextToWide(text);
    // A text that is no GUID leaves the all-zero GUID.
    CLSIDFromString(AsWide(wide), &value);
    GuidBytes guid{};
    std::memcpy(guid.data(), &value, sizeof value);
    return guid;
}

}  // namespace graphics
