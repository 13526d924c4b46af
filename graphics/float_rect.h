// A rectangle of four 32-bit floats in pixels, laid out like the engine's
// RectF so that it can be handed over by address.
#pragma once

namespace graphics {

struct FloatRect {
    float x, y, width, height;
};

static_assert(sizeof(FloatRect) == 16, "FloatRect must match the engine's RectF layout");

}  // namespace graphics
