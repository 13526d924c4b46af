#include "api/string_format.h"

#include <algorithm>

#include "objects/string_format.h"
#include "status.h"

namespace {

bool validAlignment(StringAlignment a) {
    return a >= StringAlignmentNear && a <= StringAlignmentFar;
}

// The generic formats live as long as the process; every caller shares them.
GpStringFormat* genericFormat(bool typographic) {
    static GpStringFormat* const formats[2] = {
        [] {
            auto* f = new GpStringFormat;
            f->generic = true;
            return f;
        }(),
        [] {
            auto* f = new GpStringFormat;
            f->flags = StringFormatFlagsLineLimit | StringFormatFlagsNoClip | StringFormatFlagsNoFitBlackBox;
            f->trimming = StringTrimmingNone;
            f->typographic = true;
            f->generic = true;
            return f;
        }(),
    };
    return formats[typographic ? 1 : 0];
}

}  // namespace

GpStringFormat* GpStringFormat::clone() const {
    auto* c = new GpStringFormat;
    c->flags = flags;
    c->language = language;
    c->align = align;
    c->lineAlign = lineAlign;
    c->trimming = trimming;
    c->hotkeyPrefix = hotkeyPrefix;
    c->firstTabOffset = firstTabOffset;
    c->tabStops = tabStops;
    c->digitSubstitution = digitSubstitution;
    c->digitLanguage = digitLanguage;
    c->ranges = ranges;
    c->typographic = typographic;
    return c;
}

GpStatus WINGDIPAPI GdipCreateStringFormat(INT formatAttributes, LANGID language, GpStringFormat** format) {
    GP_CHECK_ARG(format);
    auto* f = new GpStringFormat;
    f->flags = formatAttributes;
    f->language = language;
    *format = f;
    return Ok;
}

GpStatus WINGDIPAPI GdipStringFormatGetGenericDefault(GpStringFormat** format) {
    GP_CHECK_ARG(format);
    *format = genericFormat(false);
    return Ok;
}

GpStatus WINGDIPAPI GdipStringFormatGetGenericTypographic(GpStringFormat** format) {
    GP_CHECK_ARG(format);
    *format = genericFormat(true);
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* format) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f);
    if (!f->generic) delete f;
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneStringFormat(GDIPCONST GpStringFormat* format, GpStringFormat** newFormat) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && newFormat);
    *newFormat = f->clone();
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatFlags(GpStringFormat* format, INT flags) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f);
    f->flags = flags;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatFlags(GDIPCONST GpStringFormat* format, INT* flags) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && flags);
    *flags = f->flags;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && validAlignment(align));
    f->align = align;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatAlign(GDIPCONST GpStringFormat* format, StringAlignment* align) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && align);
    *align = f->align;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && validAlignment(align));
    f->lineAlign = align;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatLineAlign(GDIPCONST GpStringFormat* format, StringAlignment* align) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && align);
    *align = f->lineAlign;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && trimming >= StringTrimmingNone && trimming <= StringTrimmingEllipsisPath);
    f->trimming = trimming;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatTrimming(GDIPCONST GpStringFormat* format, StringTrimming* trimming) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && trimming);
    *trimming = f->trimming;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, INT hotkeyPrefix) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && hotkeyPrefix >= HotkeyPrefixNone && hotkeyPrefix <= HotkeyPrefixHide);
    f->hotkeyPrefix = hotkeyPrefix;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatHotkeyPrefix(GDIPCONST GpStringFormat* format, INT* hotkeyPrefix) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && hotkeyPrefix);
    *hotkeyPrefix = f->hotkeyPrefix;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatTabStops(GpStringFormat* format, REAL firstTabOffset, INT count,
                                                GDIPCONST REAL* tabStops) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && count >= 0 && (count == 0 || tabStops));
    f->firstTabOffset = firstTabOffset;
    f->tabStops.assign(tabStops, tabStops + count);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatTabStops(GDIPCONST GpStringFormat* format, INT count, REAL* firstTabOffset,
                                                REAL* tabStops) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && firstTabOffset && count >= 0 && (count == 0 || tabStops));
    *firstTabOffset = f->firstTabOffset;
    const auto n = std::min(static_cast<std::size_t>(count), f->tabStops.size());
    std::copy_n(f->tabStops.begin(), n, tabStops);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatTabStopCount(GDIPCONST GpStringFormat* format, INT* count) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && count);
    *count = static_cast<INT>(f->tabStops.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatDigitSubstitution(GpStringFormat* format, LANGID language,
                                                         StringDigitSubstitute substitute) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && substitute >= StringDigitSubstituteUser && substitute <= StringDigitSubstituteTraditional);
    f->digitLanguage = language;
    f->digitSubstitution = substitute;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatDigitSubstitution(GDIPCONST GpStringFormat* format, LANGID* language,
                                                         StringDigitSubstitute* substitute) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f);
    if (language) *language = f->digitLanguage;
    if (substitute) *substitute = f->digitSubstitution;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetStringFormatMeasurableCharacterRanges(GpStringFormat* format, INT rangeCount,
                                                                 GDIPCONST CharacterRange* ranges) {
    GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && rangeCount >= 0 && (rangeCount == 0 || ranges));
    GP_CHECK(rangeCount <= MaxMeasurableCharacterRanges, ValueOverflow);
    f->ranges.assign(ranges, ranges + rangeCount);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetStringFormatMeasurableCharacterRangeCount(GDIPCONST GpStringFormat* format, INT* count) {
    const GpStringFormat* f = engine::lookup<GpStringFormat>(format);
    GP_CHECK_ARG(f && count);
    *count = static_cast<INT>(f->ranges.size());
    return Ok;
}
