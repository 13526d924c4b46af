// The preset species of the main window's buttons: the atoms and common
// monatomic ions of hydrogen to calcium and of iron.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace diagram {

struct ElementPreset {
    // The button's layout name, UTF-8: 按钮_ then the symbol and, for an
    // ion, a digit (H1 is H+, H2 is H-, Fe2 and Fe3 are Fe2+ and Fe3+).
    const char* buttonName;
    // The nuclear charge, then the counts of shells 1..7, in the order the
    // eight edit boxes take them.
    std::array<std::int32_t, 8> values;

    std::int32_t nuclearCharge() const { return values[0]; }
    // Shell k = 1..7.
    std::int32_t shellCount(int k) const { return values[std::size_t(k)]; }
};

inline constexpr std::string_view kPresetButtonPrefix = "按钮_";

extern const std::array<ElementPreset, 38> elementPresets;

// The row of a button, named in full ("按钮_Na1") or by the part after the
// prefix ("Na1"); null when there is none.
const ElementPreset* findPreset(std::string_view name);

// The name after the prefix ("Na1" for "按钮_Na1").
std::string_view presetShortName(const ElementPreset& preset);

}  // namespace diagram
