// Records taken and returned by value, laid out like GDI+'s Rect, PointF
// and Point (FloatRect, like RectF, has a header of its own).
#pragma once

#include "float_rect.h"

namespace graphics {

struct IntRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
struct FloatPoint {
    float x = 0;
    float y = 0;
};
struct IntPoint {
    int x = 0;
    int y = 0;
};

}  // namespace graphics
