// A string format: layout settings for DrawString and MeasureString. A null
// format means the generic default one.
#pragma once

#include <vector>

#include "api/string_format.h"
#include "object.h"

struct GpStringFormat : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::StringFormat; }
    GpStringFormat() : Object(engine::ObjectKind::StringFormat) {}

    INT flags = 0;
    LANGID language = 0;
    StringAlignment align = StringAlignmentNear;
    StringAlignment lineAlign = StringAlignmentNear;
    INT trimming = StringTrimmingCharacter;
    INT hotkeyPrefix = HotkeyPrefixNone;
    REAL firstTabOffset = 0;
    std::vector<REAL> tabStops;
    INT digitSubstitution = StringDigitSubstituteUser;
    LANGID digitLanguage = 0;  // the language whose digits substitute
    std::vector<CharacterRange> ranges;
    bool typographic = false;  // no padding at the line ends
    bool generic = false;      // one of the engine's shared generic formats: never freed

    // An independent copy, never generic.
    GpStringFormat* clone() const;
};
