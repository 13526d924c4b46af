// A weak stand-in for the region family's Qt conversion, so that drawing
// builds and runs before that family defines it; the family's own (strong)
// definition replaces it at link time.
#include "objects/region.h"

__attribute__((weak)) QPainterPath GpRegion::toQt() const {
    if (!infinite) return path;
    QPainterPath all;
    all.addRect(QRectF(-4194304, -4194304, 8388608, 8388608));
    return all;
}
