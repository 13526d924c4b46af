#include "guid_text.h"

namespace {

constexpr int kGuidTextLength = 38;

int hexValue(WCHAR c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// Reads `digits` hex digits at text[pos]; false on any non-hex character.
bool readHex(LPCWSTR text, int pos, int digits, std::uint64_t& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        int v = hexValue(text[pos + i]);
        if (v < 0) return false;
        out = out * 16 + static_cast<unsigned>(v);
    }
    return true;
}

}  // namespace

int WINAPI StringFromGUID2(const GUID& guid, LPWSTR text, int cchMax) {
    if (!text || cchMax < kGuidTextLength + 1) return 0;
    static const char digits[] = "0123456789ABCDEF";
    int pos = 0;
    auto put = [&](std::uint64_t value, int count) {
        for (int i = count - 1; i >= 0; --i)
            text[pos++] = static_cast<WCHAR>(digits[(value >> (4 * i)) & 0xF]);
    };
    text[pos++] = u'{';
    put(guid.Data1, 8);
    text[pos++] = u'-';
    put(guid.Data2, 4);
    text[pos++] = u'-';
    put(guid.Data3, 4);
    text[pos++] = u'-';
    put(guid.Data4[0], 2);
    put(guid.Data4[1], 2);
    text[pos++] = u'-';
    for (int i = 2; i < 8; ++i) put(guid.Data4[i], 2);
    text[pos++] = u'}';
    text[pos++] = 0;
    return pos;
}

HRESULT WINAPI CLSIDFromString(LPCWSTR text, LPCLSID clsid) {
    if (!text || !clsid) return E_INVALIDARG;
    // The whole text must be the braced form, nothing more and nothing less;
    // the terminator is checked before anything past it could be read.
    for (int i = 0; i < kGuidTextLength; ++i)
        if (text[i] == 0) return CO_E_CLASSSTRING;
    if (text[kGuidTextLength] != 0 || text[0] != u'{' || text[37] != u'}' || text[9] != u'-' ||
        text[14] != u'-' || text[19] != u'-' || text[24] != u'-')
        return CO_E_CLASSSTRING;

    GUID parsed{};
    std::uint64_t v = 0;
    if (!readHex(text, 1, 8, v)) return CO_E_CLASSSTRING;
    parsed.Data1 = static_cast<std::uint32_t>(v);
    if (!readHex(text, 10, 4, v)) return CO_E_CLASSSTRING;
    parsed.Data2 = static_cast<std::uint16_t>(v);
    if (!readHex(text, 15, 4, v)) return CO_E_CLASSSTRING;
    parsed.Data3 = static_cast<std::uint16_t>(v);
    static const int bytePositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!readHex(text, bytePositions[i], 2, v)) return CO_E_CLASSSTRING;
        parsed.Data4[i] = static_cast<std::uint8_t>(v);
    }
    *clsid = parsed;
    return S_OK;
}
