#include "gdi_font.h"

#include <algorithm>
#include <cstring>

#include "code_page.h"

namespace {

LOGFONTA logFont(LONG height, LONG weight, BYTE charSet, const char* face) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = charSet;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// The stock fonts as a default Western system describes them. The default
// GUI font is the 8-point dialog face (11 pixels at 96 dpi); the engine maps
// the face to an installed sans serif.
LOGFONTA stockFontRecord(int index) {
    switch (index) {
    case OEM_FIXED_FONT: return logFont(12, FW_NORMAL, OEM_CHARSET, "Terminal");
    case ANSI_FIXED_FONT: return logFont(12, FW_NORMAL, ANSI_CHARSET, "Courier");
    case ANSI_VAR_FONT: return logFont(12, FW_NORMAL, ANSI_CHARSET, "MS Sans Serif");
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: return logFont(16, FW_BOLD, ANSI_CHARSET, "System");
    case SYSTEM_FIXED_FONT: return logFont(15, FW_NORMAL, ANSI_CHARSET, "Fixedsys");
    default: return logFont(-11, FW_NORMAL, ANSI_CHARSET, "MS Shell Dlg");
    }
}

}  // namespace

int GdiFont::describe(int size, void* out) const {
    if (!out) return static_cast<int>(sizeof(LOGFONTA));
    // GetObject copies as much of the record as the caller has room for.
    const int n = std::min(size, static_cast<int>(sizeof(LOGFONTA)));
    if (n <= 0) return 0;
    std::memcpy(out, &logFont, static_cast<std::size_t>(n));
    return n;
}

HGDIOBJ WINAPI GetStockObject(int index) {
    static HGDIOBJ fonts[DEFAULT_GUI_FONT + 1] = {};
    static const bool made = [] {
        for (int i = OEM_FIXED_FONT; i <= DEFAULT_GUI_FONT; ++i) {
            if (i == 15) continue;  // DEFAULT_PALETTE, not a font
            auto* font = new GdiFont(stockFontRecord(i));
            font->stock = true;
            fonts[i] = gdiObjectRegister(font);
        }
        return true;
    }();
    (void)made;
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    return fonts[index];
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) return nullptr;
    LOGFONTA lf = *logFont;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return gdiObjectRegister(new GdiFont(lf));
}

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont) return nullptr;
    LOGFONTA lf{};
    std::memcpy(&lf, logFont, offsetof(LOGFONTA, lfFaceName));
    // The face name may be unterminated in its 32 units.
    const int units = static_cast<int>(
        std::find(logFont->lfFaceName, logFont->lfFaceName + LF_FACESIZE, u'\0') - logFont->lfFaceName);
    char face[4 * LF_FACESIZE] = {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, logFont->lfFaceName, units, face, sizeof face - 1, nullptr,
                                          nullptr);
    // Keep whole characters only: cut before a UTF-8 sequence that does not fit.
    int keep = std::min(bytes, LF_FACESIZE - 1);
    while (keep > 0 && keep < bytes && (static_cast<unsigned char>(face[keep]) & 0xC0) == 0x80) --keep;
    std::memcpy(lf.lfFaceName, face, static_cast<std::size_t>(keep));
    return gdiObjectRegister(new GdiFont(lf));
}

