// A rectangle of four 32-bit integers in pixels, laid out like GDI+'s Rect.
#pragma once

namespace graphics {

struct IntRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

static_assert(sizeof(IntRect) == 16, "IntRect must match GDI+'s Rect");

}  // namespace graphics
