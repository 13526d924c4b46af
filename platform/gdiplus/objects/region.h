// A region: an area of the plane, exact in floating point. An infinite
// region covers the whole plane; everything else is held as a Qt path with
// its own fill rule (Qt's boolean operations keep float precision, so a
// region made of rectangles stays exactly those rectangles).
#pragma once

#include <QPainterPath>
#include <QRectF>

#include "object.h"

struct GpRegion : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Region; }
    GpRegion() : Object(engine::ObjectKind::Region) {}

    bool infinite = true;  // a new region is infinite
    QPainterPath path;     // the area when not infinite

    // The area as a path; an infinite region as engine::infiniteRegionRect().
    QPainterPath toQt() const;
};

namespace engine {

// The rectangle that an infinite region reports as its bounds and stands
// for where an area must be finite.
inline QRectF infiniteRegionRect() {
    return QRectF(-4194304.0, -4194304.0, 8388608.0, 8388608.0);
}

}  // namespace engine
