#include <gtest/gtest.h>

#include "argb_color.h"

namespace {

TEST(ToArgbColor, SwapsRedAndBlueAndMakesOpaque) {
    const struct {
        diagram::ToolkitColor color;
        diagram::ArgbColor expected;
    } cases[] = {
        {0x00000000u, 0xFF000000u},  // black
        {0x00FFFFFFu, 0xFFFFFFFFu},  // white
        {0x000000FFu, 0xFFFF0000u},  // red
        {0x0000FF00u, 0xFF00FF00u},  // green
        {0x00FF0000u, 0xFF0000FFu},  // blue
        {0x00563412u, 0xFF123456u},
        {0xAB563412u, 0xFF123456u},  // a top byte is dropped, not kept as alpha
        {0xFF000000u, 0xFF000000u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(diagram::toArgbColor(c.color), c.expected) << std::hex << c.color;
    }
}

TEST(ToArgbColor, TakesAGivenAlpha) {
    EXPECT_EQ(diagram::toArgbColor(0x000000FFu, std::uint8_t(0)), 0x00FF0000u);
    EXPECT_EQ(diagram::toArgbColor(0xCC563412u, std::uint8_t(0x80)), 0x80123456u);
    EXPECT_EQ(diagram::toArgbColor(diagram::toolkitRgb(255, 255, 255)), 0xFFFFFFFFu);
    EXPECT_EQ(diagram::toolkitRgb(0x12, 0x34, 0x56), 0x00563412u);
}

}  // namespace
