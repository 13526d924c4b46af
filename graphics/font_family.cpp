#include "font_family.h"

#include "binding.h"
#include "font_collection.h"

namespace graphics {

namespace {
constexpr std::size_t kNameBytes = 64;  // 32 UTF-16 units, the engine's limit with the terminator
}

FontFamily::~FontFamily() {
    if (family) DeleteFontFamily();
}

void FontFamily::Destroy() {
    DeleteFontFamily();
}

std::unique_ptr<WrapperObject> FontFamily::Copy() const {
    auto copy = std::make_unique<FontFamily>();
    copy->handle = handle;
    copy->family = family;
    return copy;
}

void FontFamily::OnHandleSet(void* h) {
    family = static_cast<GpFontFamily*>(h);
}

bool FontFamily::DeleteFontFamily() {
    if (!family) return false;
    const GpStatus status = GDIP(GdipDeleteFontFamily)(family);
    SetHandle(nullptr);
    return Record(status);
}

bool FontFamily::CreateFromWide(const WCHAR* name, const FontCollection& collection) {
    if (family) DeleteFontFamily();
    const GpStatus status = GDIP(GdipCreateFontFamilyFromName)(
        name, static_cast<GpFontCollection*>(collection.GetHandle()), &family);
    SetHandle(family);
    return Record(status);
}

bool FontFamily::CreateFontFamilyFromName(const std::string& name, const FontCollection& collection) {
    const ByteArray wide = TextToWide(name);
    return CreateFromWide(AsWide(wide), collection);
}

bool FontFamily::CreateFontFamilyFromNameW(const ByteArray& name, const FontCollection& collection) {
    // The bytes are read up to their zero unit; an odd or unterminated array
    // is copied with a terminator added so that reading stays inside it.
    ByteArray wide(name);
    wide.resize((wide.size() + 1) / 2 * 2);
    wide.push_back(0);
    wide.push_back(0);
    return CreateFromWide(AsWide(wide), collection);
}

template <class Getter>
bool FontFamily::CreateGeneric(Getter getter) {
    if (family) DeleteFontFamily();
    const GpStatus status = getter(&family);
    SetHandle(family);
    return Record(status);
}

bool FontFamily::GetGenericFontFamilySansSerif() {
    return CreateGeneric(GDIP(GdipGetGenericFontFamilySansSerif));
}

bool FontFamily::GetGenericFontFamilySerif() {
    return CreateGeneric(GDIP(GdipGetGenericFontFamilySerif));
}

bool FontFamily::GetGenericFontFamilyMonospace() {
    return CreateGeneric(GDIP(GdipGetGenericFontFamilyMonospace));
}

bool FontFamily::CloneFontFamily(FontFamily& target) {
    GpFontFamily* clone = nullptr;
    const GpStatus status = GDIP(GdipCloneFontFamily)(family, &clone);
    HandOver(target, clone);
    return Record(status);
}

std::string FontFamily::GetFamilyName() {
    const ByteArray name = GetFamilyNameW();
    return WideToText(AsWide(name));
}

ByteArray FontFamily::GetFamilyNameW() {
    ByteArray name(kNameBytes, 0);
    Record(GDIP(GdipGetFamilyName)(family, reinterpret_cast<WCHAR*>(name.data()), 0));
    return name;
}

bool FontFamily::IsStyleAvailable(INT style) {
    BOOL available = FALSE;
    Record(GDIP(GdipIsStyleAvailable)(family, style, &available));
    return available != FALSE;
}

template <class Getter>
INT FontFamily::Metric(Getter getter, INT style) {
    UINT16 value = 0;
    Record(getter(family, style, &value));
    return value;
}

INT FontFamily::GetEmHeight(INT style) {
    return Metric(GDIP(GdipGetEmHeight), style);
}

INT FontFamily::GetCellAscent(INT style) {
    return Metric(GDIP(GdipGetCellAscent), style);
}

INT FontFamily::GetCellDescent(INT style) {
    return Metric(GDIP(GdipGetCellDescent), style);
}

INT FontFamily::GetLineSpacing(INT style) {
    return Metric(GDIP(GdipGetLineSpacing), style);
}

bool FontFamily::IsValid() const {
    return family != nullptr;
}

}  // namespace graphics
