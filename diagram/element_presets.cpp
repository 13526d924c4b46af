#include "element_presets.h"

namespace diagram {

// clang-format off
const std::array<ElementPreset, 38> elementPresets = {{
    {"按钮_H",   {1,  1, 0, 0, 0, 0, 0, 0}},
    {"按钮_H1",  {1,  0, 0, 0, 0, 0, 0, 0}},
    {"按钮_H2",  {1,  2, 0, 0, 0, 0, 0, 0}},
    {"按钮_He",  {2,  2, 0, 0, 0, 0, 0, 0}},
    {"按钮_Li",  {3,  2, 1, 0, 0, 0, 0, 0}},
    {"按钮_Li1", {3,  2, 0, 0, 0, 0, 0, 0}},
    {"按钮_Be",  {4,  2, 2, 0, 0, 0, 0, 0}},
    {"按钮_Be1", {4,  2, 0, 0, 0, 0, 0, 0}},
    {"按钮_B",   {5,  2, 3, 0, 0, 0, 0, 0}},
    {"按钮_C",   {6,  2, 4, 0, 0, 0, 0, 0}},
    {"按钮_N",   {7,  2, 5, 0, 0, 0, 0, 0}},
    {"按钮_N1",  {7,  2, 8, 0, 0, 0, 0, 0}},
    {"按钮_O",   {8,  2, 6, 0, 0, 0, 0, 0}},
    {"按钮_O1",  {8,  2, 8, 0, 0, 0, 0, 0}},
    {"按钮_F",   {9,  2, 7, 0, 0, 0, 0, 0}},
    {"按钮_F1",  {9,  2, 8, 0, 0, 0, 0, 0}},
    {"按钮_Ne",  {10, 2, 8, 0, 0, 0, 0, 0}},
    {"按钮_Na",  {11, 2, 8, 1, 0, 0, 0, 0}},
    {"按钮_Na1", {11, 2, 8, 0, 0, 0, 0, 0}},
    {"按钮_Mg",  {12, 2, 8, 2, 0, 0, 0, 0}},
    {"按钮_Mg1", {12, 2, 8, 0, 0, 0, 0, 0}},
    {"按钮_Al",  {13, 2, 8, 3, 0, 0, 0, 0}},
    {"按钮_Al1", {13, 2, 8, 0, 0, 0, 0, 0}},
    {"按钮_Si",  {14, 2, 8, 4, 0, 0, 0, 0}},
    {"按钮_P",   {15, 2, 8, 5, 0, 0, 0, 0}},
    {"按钮_P1",  {15, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_S",   {16, 2, 8, 6, 0, 0, 0, 0}},
    {"按钮_S1",  {16, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_Cl",  {17, 2, 8, 7, 0, 0, 0, 0}},
    {"按钮_Cl1", {17, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_Ar",  {18, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_K",   {19, 2, 8, 8, 1, 0, 0, 0}},
    {"按钮_K1",  {19, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_Ca",  {20, 2, 8, 8, 2, 0, 0, 0}},
    {"按钮_Ca1", {20, 2, 8, 8, 0, 0, 0, 0}},
    {"按钮_Fe",  {26, 2, 8, 14, 2, 0, 0, 0}},
    {"按钮_Fe2", {26, 2, 8, 14, 0, 0, 0, 0}},
    {"按钮_Fe3", {26, 2, 8, 13, 0, 0, 0, 0}},
}};
// clang-format on

std::string_view presetShortName(const ElementPreset& preset) {
    std::string_view name = preset.buttonName;
    if (name.starts_with(kPresetButtonPrefix)) name.remove_prefix(kPresetButtonPrefix.size());
    return name;
}

const ElementPreset* findPreset(std::string_view name) {
    if (name.starts_with(kPresetButtonPrefix)) name.remove_prefix(kPresetButtonPrefix.size());
    for (const ElementPreset& preset : elementPresets) {
        if (presetShortName(preset) == name) return &preset;
    }
    return nullptr;
}

}  // namespace diagram
