// A pen: colour or brush fill, width in a unit, caps, joins, dashes,
// alignment, compound array and its own transform.
#pragma once

#include <QPen>
#include <QTransform>
#include <vector>

#include "object.h"

struct GpBrush;
struct GpCustomLineCap;

struct GpPen : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Pen; }
    GpPen() : Object(engine::ObjectKind::Pen) {}

    ARGB color = 0xFF000000;
    REAL width = 1;
    GpUnit unit = UnitWorld;
    // (further properties: added by the pen's implementation)

    // A QPen with this pen's colour or fill, caps, joins and dashes, its
    // width given in the pen's own unit (the caller scales it to device
    // pixels as the unit and the graphics state ask).
    QPen toQPen() const;
};
