// A font: a family, an em size in a unit, and a style.
#pragma once

#include <QFont>
#include <QString>

#include "object.h"

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

namespace engine {

// A family's vertical metrics in design units, as GDI+ reports them: the em
// square, the cell ascent and descent (the Windows ascent and descent of the
// font), and the line spacing (the cell plus any line gap the font asks for).
struct FontDesignMetrics {
    int emHeight = 2048;
    int cellAscent = 0;
    int cellDescent = 0;
    int lineSpacing = 0;
};
FontDesignMetrics fontDesignMetrics(const QString& qtFamily, INT style);

// Pixels per unit of `unit` at `dpi`. World, display and pixel units count
// as pixels: the graphics state scales world units on its own.
qreal pixelsPerUnit(GpUnit unit, qreal dpi);

}  // namespace engine
