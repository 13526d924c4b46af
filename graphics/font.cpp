#include "font.h"

#include <cstring>

#include "binding.h"
#include "font_collection.h"
#include "font_family.h"
#include "win32/device_context.h"
#include "win32/gdi_font.h"

namespace graphics {

namespace {

constexpr int kLogfontASize = sizeof(LOGFONTA);  // 60 bytes

GpGraphics* GraphicsOf(const WrapperObject& w) {
    return static_cast<GpGraphics*>(w.GetHandle());
}

}  // namespace

Font::~Font() {
    if (font) DeleteFont();
}

void Font::Destroy() {
    DeleteFont();
}

std::unique_ptr<WrapperObject> Font::Copy() const {
    auto copy = std::make_unique<Font>();
    copy->handle = handle;
    copy->font = font;
    return copy;
}

void Font::OnHandleSet(void* h) {
    font = static_cast<GpFont*>(h);
}

bool Font::DeleteFont() {
    if (!font) return false;
    const GpStatus status = GDIP(GdipDeleteFont)(font);
    SetHandle(nullptr);
    return Record(status);
}

bool Font::CreateFont(const WrapperObject& family, float size, Optional<int> style, Optional<int> unit) {
    if (font) DeleteFont();
    const GpStatus status = GDIP(GdipCreateFont)(static_cast<GpFontFamily*>(family.GetHandle()), size, style.value,
                                                 unit.value, &font);
    SetHandle(font);
    return Record(status);
}

bool Font::CreateFromDefaultGuiFont() {
    if (font) DeleteFont();
    HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    void* buffer = Alloc(kLogfontASize);
    if (!buffer || GetObjectA(stock, kLogfontASize, buffer) == 0) {
        if (buffer) Free(buffer);
        return false;
    }
    HDC screen = GetDC(nullptr);
    const GpStatus status = GDIP(GdipCreateFontFromLogfontA)(screen, static_cast<const LOGFONTA*>(buffer), &font);
    ReleaseDC(nullptr, screen);
    Free(buffer);
    SetHandle(font);
    return Record(status);
}

bool Font::CreateFromFamilyName(const std::string& name, float size, Optional<int> style, Optional<int> unit) {
    return CreateFromFamilyNameW(TextToWide(name), size, style, unit);
}

bool Font::CreateFromFamilyNameW(const ByteArray& name, float size, Optional<int> style, Optional<int> unit) {
    FontFamily family;
    if (font) DeleteFont();
    {
        // An empty collection stands for the installed fonts. A name that is
        // not installed leaves the family Empty, and the font creation fails.
        FontCollection installed;
        family.CreateFontFamilyFromNameW(name, installed);
        installed.Destroy();
    }
    const GpStatus status = GDIP(GdipCreateFont)(static_cast<GpFontFamily*>(family.GetHandle()), size, style.value,
                                                 unit.value, &font);
    SetHandle(font);
    Record(status);
    // The family's release is the last call; the result is the font's.
    family.DeleteFontFamily();
    family.Destroy();
    return status == Ok;
}

bool Font::CreateFontFromDC(HDC dc) {
    if (font) DeleteFont();
    const GpStatus status = GDIP(GdipCreateFontFromDC)(dc, &font);
    SetHandle(font);
    return Record(status);
}

bool Font::CreateFromDCAndFont(HDC dc, HGDIOBJ fontObject) {
    if (font) DeleteFont();
    GpStatus status;
    if (fontObject) {
        void* buffer = Alloc(kLogfontASize);
        if (buffer && GetObjectA(fontObject, kLogfontASize, buffer) != 0)
            status = GDIP(GdipCreateFontFromLogfontA)(dc, static_cast<const LOGFONTA*>(buffer), &font);
        else
            status = GDIP(GdipCreateFontFromDC)(dc, &font);
        if (buffer) Free(buffer);
    } else {
        status = GDIP(GdipCreateFontFromDC)(dc, &font);
    }
    SetHandle(font);
    return Record(status);
}

bool Font::CreateFromDCOrLogfontA(HDC dc, const LOGFONTA* logFont) {
    if (font) DeleteFont();
    const GpStatus status =
        logFont ? GDIP(GdipCreateFontFromLogfontA)(dc, logFont, &font) : GDIP(GdipCreateFontFromDC)(dc, &font);
    SetHandle(font);
    return Record(status);
}

bool Font::CreateFromDCOrLogfontW(HDC dc, const LOGFONTW* logFont) {
    if (font) DeleteFont();
    const GpStatus status =
        logFont ? GDIP(GdipCreateFontFromLogfontW)(dc, logFont, &font) : GDIP(GdipCreateFontFromDC)(dc, &font);
    SetHandle(font);
    return Record(status);
}

bool Font::CloneFont(Font& target) {
    GpFont* clone = nullptr;
    const GpStatus status = GDIP(GdipCloneFont)(font, &clone);
    HandOver(target, clone);
    return Record(status);
}

bool Font::GetLogFontA(const WrapperObject& graphics, ByteArray& buffer) {
    if (buffer.size() < static_cast<std::size_t>(kLogfontASize)) buffer.resize(kLogfontASize, 0);
    LOGFONTA record;
    std::memcpy(&record, buffer.data(), sizeof record);
    const GpStatus status = GDIP(GdipGetLogFontA)(font, GraphicsOf(graphics), &record);
    std::memcpy(buffer.data(), &record, sizeof record);
    return Record(status);
}

bool Font::GetLogFontW(const WrapperObject& graphics, LOGFONTW* logFont) {
    return Record(GDIP(GdipGetLogFontW)(font, GraphicsOf(graphics), logFont));
}

bool Font::GetFamily(WrapperObject& target) {
    GpFontFamily* family = nullptr;
    const GpStatus status = GDIP(GdipGetFamily)(font, &family);
    HandOver(target, family);
    return Record(status);
}

int Font::GetFontStyle() {
    INT style = 0;
    Record(GDIP(GdipGetFontStyle)(font, &style));
    return style;
}

float Font::GetFontSize() {
    REAL size = 0;
    Record(GDIP(GdipGetFontSize)(font, &size));
    return size;
}

int Font::GetFontUnit() {
    GpUnit unit = 0;
    Record(GDIP(GdipGetFontUnit)(font, &unit));
    return unit;
}

float Font::GetFontHeight(const WrapperObject& graphics) {
    REAL height = 0;
    Record(GDIP(GdipGetFontHeight)(font, GraphicsOf(graphics), &height));
    return height;
}

float Font::GetFontHeightGivenDPI(float dpi) {
    REAL height = 0;
    Record(GDIP(GdipGetFontHeightGivenDPI)(font, dpi, &height));
    return height;
}

bool Font::IsValid() {
    return font != nullptr;
}

}  // namespace graphics
