// Weak stand-ins for the Qt conversions of pens, brushes, fonts, paths and
// regions, so that drawing builds and runs before their families define
// them. Each family's own (strong) definition replaces these at link time.
#include "objects/brush.h"
#include "objects/font.h"
#include "objects/path.h"
#include "objects/pen.h"
#include "objects/region.h"

#define PENDING __attribute__((weak))

PENDING QPen GpPen::toQPen() const {
    QPen pen(QColor::fromRgba(color), width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

PENDING QBrush GpSolidFill::toQBrush() const {
    return QBrush(QColor::fromRgba(color));
}

PENDING QFont GpFont::toQFont(qreal pixelSize) const {
    QFont font(qtFamily);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(style & FontStyleBold);
    font.setItalic(style & FontStyleItalic);
    font.setUnderline(style & FontStyleUnderline);
    font.setStrikeOut(style & FontStyleStrikeout);
    return font;
}

PENDING QPainterPath GpPath::toQt() const {
    QPainterPath out;
    out.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF p(points[i].X, points[i].Y);
        const BYTE type = types[i] & PathPointTypePathTypeMask;
        if (type == PathPointTypeStart) out.moveTo(p);
        else if (type == PathPointTypeBezier && i + 2 < points.size()) {
            out.cubicTo(p, QPointF(points[i + 1].X, points[i + 1].Y), QPointF(points[i + 2].X, points[i + 2].Y));
            i += 2;
        } else out.lineTo(p);
        if (types[i] & PathPointTypeCloseSubpath) out.closeSubpath();
    }
    return out;
}

PENDING QPainterPath GpRegion::toQt() const {
    if (!infinite) return path;
    QPainterPath all;
    all.addRect(QRectF(-4194304, -4194304, 8388608, 8388608));
    return all;
}
