// A path: GDI+ keeps points with a type byte each (start, line, Bézier,
// with close and marker flags) and a fill mode.
#pragma once

#include <QPainterPath>
#include <vector>

#include "object.h"

// Point types of a path.
constexpr BYTE PathPointTypeStart = 0;
constexpr BYTE PathPointTypeLine = 1;
constexpr BYTE PathPointTypeBezier = 3;
constexpr BYTE PathPointTypePathTypeMask = 0x07;
constexpr BYTE PathPointTypeDashMode = 0x10;
constexpr BYTE PathPointTypePathMarker = 0x20;
constexpr BYTE PathPointTypeCloseSubpath = 0x80;

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
