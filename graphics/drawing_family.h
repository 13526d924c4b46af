// The drawing family: rendering settings, transforms, lines, curves, shapes,
// fills, text, images, clipping and containers on a drawing context. Bitmap
// (on its own image) and Graphics (on a device context) share this one body.
#pragma once

#include "gdiplus_flat.h"
#include "wrapper_object.h"

namespace graphics {

class DrawingFamily {
public:
    virtual ~DrawingFamily() = default;

protected:
    // The drawing context every operation of the family draws through.
    virtual GpGraphics* DrawingContext() const = 0;
};

}  // namespace graphics
