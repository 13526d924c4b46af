// A string format: layout settings for DrawString and MeasureString. A null
// format means the generic default one.
#pragma once

#include <vector>

#include "object.h"

using LANGID = WORD;

using StringAlignment = int;
constexpr StringAlignment StringAlignmentNear = 0;
constexpr StringAlignment StringAlignmentCenter = 1;
constexpr StringAlignment StringAlignmentFar = 2;

struct GpStringFormat : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::StringFormat; }
    GpStringFormat() : Object(engine::ObjectKind::StringFormat) {}

    INT flags = 0;
    LANGID language = 0;
    StringAlignment align = StringAlignmentNear;
    StringAlignment lineAlign = StringAlignmentNear;
    INT trimming = 1;      // StringTrimmingCharacter
    INT hotkeyPrefix = 0;  // HotkeyPrefixNone
    REAL firstTabOffset = 0;
    std::vector<REAL> tabStops;
    INT digitSubstitution = 0;  // StringDigitSubstituteUser
    std::vector<CharacterRange> ranges;
    bool typographic = false;  // no padding at the line ends
};
