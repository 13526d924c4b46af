// Colours: the toolkit's RGB form and the engine's ARGB form.
#pragma once

#include <cstdint>

#include "optional.h"

namespace diagram {

// The colour picker's form: red in bits 0-7, green 8-15, blue 16-23.
using ToolkitColor = std::uint32_t;
// The engine's form: alpha in bits 24-31, then red, green, blue.
using ArgbColor = std::uint32_t;

// A toolkit colour from its three components.
constexpr ToolkitColor toolkitRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ToolkitColor(red) | ToolkitColor(green) << 8 | ToolkitColor(blue) << 16;
}

// Swaps red and blue and puts `alpha` (255, opaque, when left out) in the
// top byte; whatever the top byte of `color` held is dropped.
ArgbColor toArgbColor(ToolkitColor color, graphics::Optional<std::uint8_t> alpha = {});

}  // namespace diagram
