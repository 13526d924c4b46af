// A region: an area of the plane, exact in floating point. An infinite
// region covers the whole plane; everything else is held as a Qt path
// (whose boolean operations keep float precision).
#pragma once

#include <QPainterPath>

#include "object.h"

struct GpRegion : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Region; }
    GpRegion() : Object(engine::ObjectKind::Region) {}

    bool infinite = true;  // a new region is infinite
    QPainterPath path;     // the area when not infinite (winding fill)

    // The area as a path; an infinite region as a very large rectangle.
    QPainterPath toQt() const;
};
