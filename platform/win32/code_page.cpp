#include "code_page.h"

#include <string>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes UTF-8 strictly (no overlongs, no surrogates, nothing above
// U+10FFFF); each malformed sequence yields one replacement character.
std::u16string decodeUtf8(const unsigned char* s, std::size_t n) {
    std::u16string out;
    out.reserve(n);
    std::size_t i = 0;
    while (i < n) {
        unsigned char c = s[i];
        char32_t cp = kReplacement;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if (c >= 0xC2 && c <= 0xF4) {
            std::size_t need = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            char32_t v = c & (need == 2 ? 0x1F : need == 3 ? 0x0F : 0x07);
            std::size_t k = 1;
            for (; k < need && i + k < n; ++k) {
                unsigned char t = s[i + k];
                if ((t & 0xC0) != 0x80) break;
                // Reject overlong and out-of-range forms at the second byte.
                if (k == 1) {
                    if (c == 0xE0 && t < 0xA0) break;
                    if (c == 0xED && t > 0x9F) break;
                    if (c == 0xF0 && t < 0x90) break;
                    if (c == 0xF4 && t > 0x8F) break;
                }
                v = (v << 6) | (t & 0x3F);
            }
            if (k == need) {
                cp = v;
                len = need;
            } else {
                len = k;  // skip the valid prefix, replace it once
            }
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string encodeUtf8(const char16_t* w, std::size_t n, const char* defaultChar, bool& usedDefault) {
    std::string out;
    out.reserve(n * 3);
    auto put = [&](char32_t cp) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    };
    for (std::size_t i = 0; i < n; ++i) {
        char16_t u = w[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
            put(0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(w[i + 1]) - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            usedDefault = true;
            if (defaultChar)
                out.push_back(defaultChar[0]);
            else
                put(kReplacement);
        } else {
            put(u);
        }
    }
    return out;
}

bool knownCodePage(UINT cp) { return cp == CP_ACP || cp == CP_OEMCP || cp == CP_UTF8; }

}  // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int byteCount, LPWSTR wide,
                               int wideCapacity) {
    if (!knownCodePage(codePage) || !text || byteCount == 0 || byteCount < -1 || wideCapacity < 0 ||
        (wideCapacity > 0 && !wide))
        return 0;
    std::size_t n = byteCount == -1 ? std::char_traits<char>::length(text) + 1 : std::size_t(byteCount);
    std::u16string w = decodeUtf8(reinterpret_cast<const unsigned char*>(text), n);
    int units = static_cast<int>(w.size());
    if (wideCapacity == 0) return units;
    if (units > wideCapacity) return 0;
    w.copy(wide, w.size());
    return units;
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int wideCount, LPSTR text,
                               int byteCapacity, LPCSTR defaultChar, BOOL* usedDefaultChar) {
    if (!knownCodePage(codePage) || !wide || wideCount == 0 || wideCount < -1 || byteCapacity < 0 ||
        (byteCapacity > 0 && !text))
        return 0;
    std::size_t n = wideCount == -1 ? std::size_t(lstrlenW(wide)) + 1 : std::size_t(wideCount);
    bool used = false;
    std::string s = encodeUtf8(wide, n, defaultChar, used);
    if (usedDefaultChar) *usedDefaultChar = used ? TRUE : FALSE;
    int bytes = static_cast<int>(s.size());
    if (byteCapacity == 0) return bytes;
    if (bytes > byteCapacity) return 0;
    s.copy(text, s.size());
    return bytes;
}

int WINAPI lstrlenW(LPCWSTR text) {
    if (!text) return 0;
    int n = 0;
    while (text[n]) ++n;
    return n;
}
