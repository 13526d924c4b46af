// A path: GDI+ keeps points with a type byte each (start, line, Bézier,
// with close and marker flags) and a fill mode.
#pragma once

#include <QPainterPath>
#include <vector>

#include "api/path.h"
#include "object.h"

struct GpPath : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Path; }
    GpPath() : Object(engine::ObjectKind::Path) {}

    std::vector<GpPointF> points;
    std::vector<BYTE> types;
    GpFillMode fillMode = FillModeAlternate;
    bool newFigure = true;  // the next point added starts a figure

    // The same outline as a Qt path, with the matching fill rule.
    QPainterPath toQt() const;
};
