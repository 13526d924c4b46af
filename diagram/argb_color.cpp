#include "argb_color.h"

namespace diagram {

ArgbColor toArgbColor(ToolkitColor color, graphics::Optional<std::uint8_t> alpha) {
    const std::uint32_t red = color & 0xFFu;
    const std::uint32_t green = (color >> 8) & 0xFFu;
    const std::uint32_t blue = (color >> 16) & 0xFFu;
    return std::uint32_t(alpha.Or(255)) << 24 | red << 16 | green << 8 | blue;
}

}  // namespace diagram
