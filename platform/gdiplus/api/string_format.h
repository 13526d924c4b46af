// String formats: layout rules for drawing and measuring text.
#pragma once
#include "gdiplus_types.h"

using LANGID = WORD;

using StringAlignment = int;
constexpr StringAlignment StringAlignmentNear = 0;
constexpr StringAlignment StringAlignmentCenter = 1;
constexpr StringAlignment StringAlignmentFar = 2;

using StringFormatFlags = int;
constexpr StringFormatFlags StringFormatFlagsDirectionRightToLeft = 0x00000001;
constexpr StringFormatFlags StringFormatFlagsDirectionVertical = 0x00000002;
constexpr StringFormatFlags StringFormatFlagsNoFitBlackBox = 0x00000004;
constexpr StringFormatFlags StringFormatFlagsDisplayFormatControl = 0x00000020;
constexpr StringFormatFlags StringFormatFlagsNoFontFallback = 0x00000400;
constexpr StringFormatFlags StringFormatFlagsMeasureTrailingSpaces = 0x00000800;
constexpr StringFormatFlags StringFormatFlagsNoWrap = 0x00001000;
constexpr StringFormatFlags StringFormatFlagsLineLimit = 0x00002000;
constexpr StringFormatFlags StringFormatFlagsNoClip = 0x00004000;
constexpr StringFormatFlags StringFormatFlagsBypassGDI = static_cast<int>(0x80000000u);

using StringTrimming = int;
constexpr StringTrimming StringTrimmingNone = 0;
constexpr StringTrimming StringTrimmingCharacter = 1;
constexpr StringTrimming StringTrimmingWord = 2;
constexpr StringTrimming StringTrimmingEllipsisCharacter = 3;
constexpr StringTrimming StringTrimmingEllipsisWord = 4;
constexpr StringTrimming StringTrimmingEllipsisPath = 5;

using HotkeyPrefix = int;
constexpr HotkeyPrefix HotkeyPrefixNone = 0;
constexpr HotkeyPrefix HotkeyPrefixShow = 1;
constexpr HotkeyPrefix HotkeyPrefixHide = 2;

using StringDigitSubstitute = int;
constexpr StringDigitSubstitute StringDigitSubstituteUser = 0;
constexpr StringDigitSubstitute StringDigitSubstituteNone = 1;
constexpr StringDigitSubstitute StringDigitSubstituteNational = 2;
constexpr StringDigitSubstitute StringDigitSubstituteTraditional = 3;

// At most this many measurable character ranges (more: ValueOverflow).
constexpr INT MaxMeasurableCharacterRanges = 32;

// A new format (the caller's; GdipDeleteStringFormat) with these flags.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateStringFormat(INT formatAttributes, LANGID language,
                                                       GpStringFormat** format);
// The shared generic formats. They belong to the engine: deleting them is
// accepted and does nothing; clone one to change it privately.
GDIP_EXPORT GpStatus WINGDIPAPI GdipStringFormatGetGenericDefault(GpStringFormat** format);
// Flags LineLimit | NoClip | NoFitBlackBox, no trimming, no line-end padding.
GDIP_EXPORT GpStatus WINGDIPAPI GdipStringFormatGetGenericTypographic(GpStringFormat** format);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* format);
// A new private format like `format` (the caller's, even for a generic one).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneStringFormat(GDIPCONST GpStringFormat* format, GpStringFormat** newFormat);

GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatFlags(GpStringFormat* format, INT flags);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatFlags(GDIPCONST GpStringFormat* format, INT* flags);
// Alignments are Near, Center or Far.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatAlign(GDIPCONST GpStringFormat* format, StringAlignment* align);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatLineAlign(GDIPCONST GpStringFormat* format,
                                                             StringAlignment* align);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatTrimming(GDIPCONST GpStringFormat* format,
                                                            StringTrimming* trimming);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, INT hotkeyPrefix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatHotkeyPrefix(GDIPCONST GpStringFormat* format, INT* hotkeyPrefix);

// Tab stops: the offset of the first one, then `count` distances, each from
// the previous stop. Count 0 clears them.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatTabStops(GpStringFormat* format, REAL firstTabOffset, INT count,
                                                            GDIPCONST REAL* tabStops);
// Copies up to `count` stops; the first offset lands in *firstTabOffset.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatTabStops(GDIPCONST GpStringFormat* format, INT count,
                                                            REAL* firstTabOffset, REAL* tabStops);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatTabStopCount(GDIPCONST GpStringFormat* format, INT* count);

// Digit substitution: a StringDigitSubstitute method for a language.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatDigitSubstitution(GpStringFormat* format, LANGID language,
                                                                     StringDigitSubstitute substitute);
// Either output may be null when the caller does not want it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatDigitSubstitution(GDIPCONST GpStringFormat* format,
                                                                     LANGID* language,
                                                                     StringDigitSubstitute* substitute);

// Character ranges that MeasureCharacterRanges reports (copied; at most 32).
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetStringFormatMeasurableCharacterRanges(GpStringFormat* format, INT rangeCount,
                                                                             GDIPCONST CharacterRange* ranges);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetStringFormatMeasurableCharacterRangeCount(GDIPCONST GpStringFormat* format,
                                                                                 INT* count);
