// A rectangle of four 32-bit floats in pixels, laid out like GDI+'s RectF,
// so that its address can be handed to the engine as a layout rectangle.
#pragma once

namespace graphics {

struct FloatRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

static_assert(sizeof(FloatRect) == 16, "FloatRect must match GDI+'s RectF");

}  // namespace graphics
