// Areas filled with a brush, and clearing the surface.
#include "api/graphics.h"
#include "graphics_painting.h"
#include "objects/brush.h"
#include "objects/path.h"
#include "objects/region.h"
#include "shape_geometry.h"

using engine::fail;
using engine::fillPath;
using engine::toPoints;

namespace {

constexpr REAL kDefaultTension = 0.5f;

Qt::FillRule toFillRule(GpFillMode mode) {
    return mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill;
}

bool validFillMode(GpFillMode mode) {
    return mode == FillModeAlternate || mode == FillModeWinding;
}

template <class R>
GpStatus fillRects(GpGraphics* g, GpBrush* brush, const R* rects, INT count) {
    GP_CHECK_ARG(rects && count > 0);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (INT i = 0; i < count; ++i) path.addRect(QRectF(rects[i].X, rects[i].Y, rects[i].Width, rects[i].Height));
    return fillPath(g, brush, path);
}

template <class P>
GpStatus fillPolygon(GpGraphics* g, GpBrush* brush, const P* points, INT count, GpFillMode mode) {
    GP_CHECK_ARG(points && count >= 2 && validFillMode(mode));
    QPainterPath path = engine::polylinePath(toPoints(points, count), true);
    path.setFillRule(toFillRule(mode));
    return fillPath(g, brush, path);
}

template <class P>
GpStatus fillClosedCurve(GpGraphics* g, GpBrush* brush, const P* points, INT count, REAL tension, GpFillMode mode) {
    GP_CHECK_ARG(points && count >= 3 && validFillMode(mode));
    QPainterPath path = engine::closedCurvePath(toPoints(points, count), tension);
    path.setFillRule(toFillRule(mode));
    return fillPath(g, brush, path);
}

}  // namespace

GpStatus WINGDIPAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color) {
    GpGraphics* g = engine::drawable(graphics);
    GP_CHECK_ARG(g);
    engine::GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    // The colour replaces what is there, alpha included; the clip holds.
    painter->resetTransform();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(g->deviceBounds(), QColor::fromRgba(color));
    return Ok;
}

GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height) {
    QPainterPath path;
    path.addRect(QRectF(x, y, width, height));
    return fillPath(graphics, brush, path);
}

GpStatus WINGDIPAPI GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height) {
    return GdipFillRectangle(graphics, brush, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus WINGDIPAPI GdipFillRectangles(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpRectF* rects, INT count) {
    return fillRects(graphics, brush, rects, count);
}

GpStatus WINGDIPAPI GdipFillRectanglesI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpRect* rects, INT count) {
    return fillRects(graphics, brush, rects, count);
}

GpStatus WINGDIPAPI GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points, INT count,
                                    GpFillMode fillMode) {
    return fillPolygon(graphics, brush, points, count, fillMode);
}

GpStatus WINGDIPAPI GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points, INT count,
                                     GpFillMode fillMode) {
    return fillPolygon(graphics, brush, points, count, fillMode);
}

GpStatus WINGDIPAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height) {
    QPainterPath path;
    path.addEllipse(QRectF(x, y, width, height));
    return fillPath(graphics, brush, path);
}

GpStatus WINGDIPAPI GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height) {
    return GdipFillEllipse(graphics, brush, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus WINGDIPAPI GdipFillPie(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height,
                                REAL startAngle, REAL sweepAngle) {
    return fillPath(graphics, brush, engine::piePath(QRectF(x, y, width, height), startAngle, sweepAngle));
}

GpStatus WINGDIPAPI GdipFillPieI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height,
                                 REAL startAngle, REAL sweepAngle) {
    return GdipFillPie(graphics, brush, REAL(x), REAL(y), REAL(width), REAL(height), startAngle, sweepAngle);
}

GpStatus WINGDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path) {
    const GpPath* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    return fillPath(graphics, brush, p->toQt());
}

GpStatus WINGDIPAPI GdipFillClosedCurve(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points, INT count) {
    return fillClosedCurve(graphics, brush, points, count, kDefaultTension, FillModeAlternate);
}

GpStatus WINGDIPAPI GdipFillClosedCurveI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points, INT count) {
    return fillClosedCurve(graphics, brush, points, count, kDefaultTension, FillModeAlternate);
}

GpStatus WINGDIPAPI GdipFillClosedCurve2(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points, INT count,
                                         REAL tension, GpFillMode fillMode) {
    return fillClosedCurve(graphics, brush, points, count, tension, fillMode);
}

GpStatus WINGDIPAPI GdipFillClosedCurve2I(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points, INT count,
                                          REAL tension, GpFillMode fillMode) {
    return fillClosedCurve(graphics, brush, points, count, tension, fillMode);
}

GpStatus WINGDIPAPI GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region) {
    const GpRegion* r = engine::lookup<GpRegion>(region);
    GP_CHECK_ARG(r);
    if (!r->infinite) return fillPath(graphics, brush, r->path);
    // The whole plane: what is visible of it is the surface.
    GpGraphics* g = engine::drawable(graphics);
    GP_CHECK_ARG(g);
    QPainterPath all;
    all.addRect(g->deviceTransform().inverted().mapRect(g->deviceBounds()).adjusted(-1, -1, 1, 1));
    return fillPath(graphics, brush, all);
}
