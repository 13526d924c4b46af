#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <string>

#include "element_presets.h"

namespace {

// The charge of each species, independent of the table: 0 for atoms.
const std::map<std::string, int> kIonCharge = {
    {"H", 0},   {"H1", +1}, {"H2", -1}, {"He", 0},  {"Li", 0},  {"Li1", +1}, {"Be", 0},   {"Be1", +2},
    {"B", 0},   {"C", 0},   {"N", 0},   {"N1", -3}, {"O", 0},   {"O1", -2},  {"F", 0},    {"F1", -1},
    {"Ne", 0},  {"Na", 0},  {"Na1", +1}, {"Mg", 0}, {"Mg1", +2}, {"Al", 0},  {"Al1", +3}, {"Si", 0},
    {"P", 0},   {"P1", -3}, {"S", 0},   {"S1", -2}, {"Cl", 0},  {"Cl1", -1}, {"Ar", 0},   {"K", 0},
    {"K1", +1}, {"Ca", 0},  {"Ca1", +2}, {"Fe", 0}, {"Fe2", +2}, {"Fe3", +3},
};

TEST(ElementPresets, EachRowHoldsItsSpeciesElectrons) {
    std::set<std::string> seen;
    for (const diagram::ElementPreset& preset : diagram::elementPresets) {
        const std::string name(diagram::presetShortName(preset));
        SCOPED_TRACE(name);
        EXPECT_TRUE(std::string(preset.buttonName).starts_with("按钮_"));
        EXPECT_TRUE(seen.insert(name).second) << "duplicate button";
        ASSERT_EQ(kIonCharge.count(name), 1u) << "unknown species";

        int electrons = 0;
        bool emptyShellSeen = false;
        for (int k = 1; k <= 7; ++k) {
            const int count = preset.shellCount(k);
            EXPECT_GE(count, 0);
            electrons += count;
            // Every shell after an empty one is empty too, so the window's
            // zero cascade cannot change a preset.
            if (emptyShellSeen) {
                EXPECT_EQ(count, 0) << "shell " << k;
            }
            if (count == 0) emptyShellSeen = true;
            if (k >= 5) {
                EXPECT_EQ(count, 0) << "shell " << k;
            }
        }
        EXPECT_EQ(electrons, preset.nuclearCharge() - kIonCharge.at(name));
    }
    EXPECT_EQ(seen.size(), kIonCharge.size());
}

TEST(ElementPresets, FoundByFullOrShortName) {
    const diagram::ElementPreset* na = diagram::findPreset("Na");
    ASSERT_NE(na, nullptr);
    EXPECT_EQ(na->values, (std::array<std::int32_t, 8>{11, 2, 8, 1, 0, 0, 0, 0}));
    EXPECT_EQ(diagram::findPreset("按钮_Na"), na);
    const diagram::ElementPreset* fe3 = diagram::findPreset("Fe3");
    ASSERT_NE(fe3, nullptr);
    EXPECT_EQ(fe3->values, (std::array<std::int32_t, 8>{26, 2, 8, 13, 0, 0, 0, 0}));
    for (const char* missing : {"", "按钮_", "na", "Xe", "Na12", "按钮_按钮_Na"}) {
        EXPECT_EQ(diagram::findPreset(missing), nullptr) << missing;
    }
}

}  // namespace
