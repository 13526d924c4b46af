#include "string_format.h"

#include "binding.h"

namespace graphics {

StringFormat::~StringFormat() {
    if (format) DeleteStringFormat();
}

void StringFormat::Destroy() {
    DeleteStringFormat();
}

std::unique_ptr<WrapperObject> StringFormat::Copy() const {
    auto copy = std::make_unique<StringFormat>();
    copy->handle = handle;
    copy->format = format;
    return copy;
}

void StringFormat::OnHandleSet(void* h) {
    format = static_cast<GpStringFormat*>(h);
}

bool StringFormat::DeleteStringFormat() {
    if (!format) return false;
    const GpStatus status = GDIP(GdipDeleteStringFormat)(format);
    SetHandle(nullptr);
    return Record(status);
}

bool StringFormat::CreateStringFormat(Optional<int> flags, Optional<int> language) {
    if (format) DeleteStringFormat();
    const GpStatus status =
        GDIP(GdipCreateStringFormat)(flags.value, static_cast<LANGID>(language.value), &format);
    SetHandle(format);
    return Record(status);
}

bool StringFormat::StringFormatGetGenericDefault() {
    if (format) DeleteStringFormat();
    const GpStatus status = GDIP(GdipStringFormatGetGenericDefault)(&format);
    SetHandle(format);
    return Record(status);
}

bool StringFormat::StringFormatGetGenericTypographic() {
    if (format) DeleteStringFormat();
    const GpStatus status = GDIP(GdipStringFormatGetGenericTypographic)(&format);
    SetHandle(format);
    return Record(status);
}

bool StringFormat::CloneStringFormat(StringFormat& target) {
    GpStringFormat* clone = nullptr;
    const GpStatus status = GDIP(GdipCloneStringFormat)(format, &clone);
    HandOver(target, clone);
    return Record(status);
}

bool StringFormat::SetStringFormatFlags(int flags) {
    return Record(GDIP(GdipSetStringFormatFlags)(format, flags));
}

int StringFormat::GetStringFormatFlags() {
    INT flags = 0;
    Record(GDIP(GdipGetStringFormatFlags)(format, &flags));
    return flags;
}

bool StringFormat::SetStringFormatAlign(int align) {
    return Record(GDIP(GdipSetStringFormatAlign)(format, align));
}

int StringFormat::GetStringFormatAlign() {
    StringAlignment align = 0;
    Record(GDIP(GdipGetStringFormatAlign)(format, &align));
    return align;
}

bool StringFormat::SetStringFormatLineAlign(int align) {
    return Record(GDIP(GdipSetStringFormatLineAlign)(format, align));
}

int StringFormat::GetStringFormatLineAlign() {
    StringAlignment align = 0;
    Record(GDIP(GdipGetStringFormatLineAlign)(format, &align));
    return align;
}

bool StringFormat::SetStringFormatTrimming(int trimming) {
    return Record(GDIP(GdipSetStringFormatTrimming)(format, trimming));
}

int StringFormat::GetStringFormatTrimming() {
    StringTrimming trimming = 0;
    Record(GDIP(GdipGetStringFormatTrimming)(format, &trimming));
    return trimming;
}

bool StringFormat::SetStringFormatHotkeyPrefix(int hotkeyPrefix) {
    return Record(GDIP(GdipSetStringFormatHotkeyPrefix)(format, hotkeyPrefix));
}

int StringFormat::GetStringFormatHotkeyPrefix() {
    INT prefix = 0;
    Record(GDIP(GdipGetStringFormatHotkeyPrefix)(format, &prefix));
    return prefix;
}

bool StringFormat::SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops) {
    return Record(GDIP(GdipSetStringFormatTabStops)(format, firstTabOffset, static_cast<INT>(tabStops.size()),
                                                   tabStops.data()));
}

int StringFormat::GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops) {
    INT count = 0;
    if (!Record(GDIP(GdipGetStringFormatTabStopCount)(format, &count))) return 0;
    tabStops.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0f);
    Record(GDIP(GdipGetStringFormatTabStops)(format, count, &firstTabOffset, tabStops.data()));
    return count;
}

bool StringFormat::SetStringFormatDigitSubstitution(int method, Optional<int> language) {
    return Record(GDIP(GdipSetStringFormatDigitSubstitution)(format, static_cast<LANGID>(language.value), method));
}

bool StringFormat::GetStringFormatDigitSubstitution(int& method, int* language) {
    LANGID lang = 0;
    StringDigitSubstitute substitute = 0;
    const bool ok = Record(GDIP(GdipGetStringFormatDigitSubstitution)(format, &lang, &substitute));
    method = substitute;
    if (language) *language = lang;
    return ok;
}

bool StringFormat::SetStringFormatMeasurableCharacterRanges(std::vector<CharacterRange>& ranges) {
    // One contiguous block of (first, length) pairs; none for no ranges.
    std::vector<CharacterRange> block(ranges.begin(), ranges.end());
    const bool ok = Record(GDIP(GdipSetStringFormatMeasurableCharacterRanges)(
        format, static_cast<INT>(block.size()), block.empty() ? nullptr : block.data()));
    std::copy(block.begin(), block.end(), ranges.begin());
    return ok;
}

int StringFormat::GetStringFormatMeasurableCharacterRangeCount() {
    INT count = 0;
    Record(GDIP(GdipGetStringFormatMeasurableCharacterRangeCount)(format, &count));
    return count;
}

bool StringFormat::IsValid() {
    return format != nullptr;
}

}  // namespace graphics
