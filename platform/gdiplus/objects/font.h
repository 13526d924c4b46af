// A font: a family, an em size in a unit, and a style.
#pragma once

#include <QFont>
#include <QString>

#include "object.h"
#include "units.h"

struct GpFont : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Font; }
    GpFont() : Object(engine::ObjectKind::Font) {}

    QString familyName;  // as GdipGetFamilyName reports it
    QString qtFamily;    // the Qt family that draws it
    REAL emSize = 0;     // in `unit`
    INT style = FontStyleRegular;
    GpUnit unit = UnitPoint;

    // A QFont of this family and style whose em is `pixelSize` pixels, with
    // no hinting and no kerning (GDI+ lays text out without either). A
    // fractional size becomes a point size, which Qt resolves against the
    // paint device's resolution: pass that device's logicalDpiY().
    QFont toQFont(qreal pixelSize, qreal deviceDpi = 96) const;
};
