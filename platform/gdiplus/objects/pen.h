// A pen: colour or brush fill, width in a unit, caps, joins, dashes,
// alignment, compound array and its own transform.
#pragma once

#include <QPen>
#include <QTransform>
#include <memory>
#include <vector>

#include "api/pen.h"
#include "object.h"

struct GpBrush;

// A custom line cap: the outline it fills or strokes at a line's end (in
// pen widths, around the end point), the cap it stands on, and how far it is
// set back along the line.
struct GpCustomLineCap : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::CustomLineCap; }
    GpCustomLineCap() : Object(engine::ObjectKind::CustomLineCap) {}

    // The outline, as the path it was made from (points with GDI+ type bytes).
    std::vector<GpPointF> points;
    std::vector<BYTE> types;
    GpFillMode fillMode = FillModeAlternate;
    bool fills = false;  // true: the outline is filled; false: it is stroked
    GpLineCap baseCap = LineCapFlat;
    REAL baseInset = 0;
    GpLineCap strokeStartCap = LineCapFlat;
    GpLineCap strokeEndCap = LineCapFlat;
    GpLineJoin strokeJoin = LineJoinMiter;
    REAL widthScale = 1;

    GpCustomLineCap* clone() const;
};

struct GpPen : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Pen; }
    GpPen();
    ~GpPen() override;

    ARGB color = 0xFF000000;
    REAL width = 1;
    GpUnit unit = UnitWorld;
    std::unique_ptr<GpBrush> brush;  // the fill when not a plain colour (owned copy)
    GpLineCap startCap = LineCapFlat;
    GpLineCap endCap = LineCapFlat;
    GpDashCap dashCap = DashCapFlat;
    GpLineJoin lineJoin = LineJoinMiter;
    REAL miterLimit = 10;
    GpPenAlignment alignment = PenAlignmentCenter;
    std::unique_ptr<GpCustomLineCap> customStartCap;
    std::unique_ptr<GpCustomLineCap> customEndCap;
    QTransform transform;  // applied to the stroke, before the world transform
    GpDashStyle dashStyle = DashStyleSolid;
    REAL dashOffset = 0;
    std::vector<REAL> dashArray;      // in pen widths; empty for a solid line
    std::vector<REAL> compoundArray;  // empty: one solid band

    // An independent copy with every property.
    GpPen* clone() const;

    // A QPen with this pen's colour or fill, caps, joins and dashes, its
    // width given in the pen's own unit (the caller scales it to device
    // pixels as the unit and the graphics state ask). The pen transform and
    // compound bands are the caller's to apply.
    QPen toQPen() const;
};
