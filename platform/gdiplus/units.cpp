#include "units.h"

namespace engine {

qreal pixelsPerUnit(GpUnit unit, qreal dpi) {
    switch (unit) {
    case UnitPoint: return dpi / 72;
    case UnitInch: return dpi;
    case UnitDocument: return dpi / 300;
    case UnitMillimeter: return dpi / 25.4;
    default: return 1;  // World, Display (pixels on raster surfaces), Pixel
    }
}

}  // namespace engine
