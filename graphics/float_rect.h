// A rectangle of four 32-bit floats, laid out like the engine's RectF.
#pragma once

namespace graphics {

struct FloatRect {
    float x = 0, y = 0, width = 0, height = 0;
};
static_assert(sizeof(FloatRect) == 16);

}  // namespace graphics
