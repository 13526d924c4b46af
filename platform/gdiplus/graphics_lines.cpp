// Outlines drawn with a pen: lines, arcs, Béziers, rectangles, ellipses,
// pies, polygons, paths and cardinal splines.
#include "api/graphics.h"
#include "graphics_painting.h"
#include "objects/path.h"
#include "shape_geometry.h"

using engine::fail;
using engine::strokePath;
using engine::toPoints;

namespace {

constexpr REAL kDefaultTension = 0.5f;

QPainterPath rectPath(REAL x, REAL y, REAL w, REAL h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath ellipsePath(REAL x, REAL y, REAL w, REAL h) {
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    return path;
}

template <class R>
QPainterPath rectsPath(const R* rects, INT count) {
    QPainterPath path;
    for (INT i = 0; i < count; ++i) path.addRect(QRectF(rects[i].X, rects[i].Y, rects[i].Width, rects[i].Height));
    return path;
}

template <class P>
GpStatus drawLines(GpGraphics* g, GpPen* pen, const P* points, INT count) {
    GP_CHECK_ARG(points && count >= 2);
    return strokePath(g, pen, engine::polylinePath(toPoints(points, count), false));
}

template <class P>
GpStatus drawBeziers(GpGraphics* g, GpPen* pen, const P* points, INT count) {
    GP_CHECK_ARG(points && count >= 4 && (count - 1) % 3 == 0);
    return strokePath(g, pen, engine::bezierPath(toPoints(points, count)));
}

template <class P>
GpStatus drawPolygon(GpGraphics* g, GpPen* pen, const P* points, INT count) {
    GP_CHECK_ARG(points && count >= 2);
    return strokePath(g, pen, engine::polylinePath(toPoints(points, count), true));
}

template <class P>
GpStatus drawCurve(GpGraphics* g, GpPen* pen, const P* points, INT count, INT offset, INT segments, REAL tension) {
    GP_CHECK_ARG(points && count >= 2 && offset >= 0 && segments >= 1 && offset + segments < count);
    return strokePath(g, pen, engine::curvePath(toPoints(points, count), offset, segments, tension));
}

template <class P>
GpStatus drawClosedCurve(GpGraphics* g, GpPen* pen, const P* points, INT count, REAL tension) {
    GP_CHECK_ARG(points && count >= 3);
    return strokePath(g, pen, engine::closedCurvePath(toPoints(points, count), tension));
}

}  // namespace

GpStatus WINGDIPAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2) {
    QPainterPath path(QPointF(x1, y1));
    path.lineTo(x2, y2);
    return strokePath(graphics, pen, path);
}

GpStatus WINGDIPAPI GdipDrawLineI(GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2) {
    return GdipDrawLine(graphics, pen, REAL(x1), REAL(y1), REAL(x2), REAL(y2));
}

GpStatus WINGDIPAPI GdipDrawLines(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count) {
    return drawLines(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawLinesI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count) {
    return drawLines(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                                REAL startAngle, REAL sweepAngle) {
    return strokePath(graphics, pen, engine::arcPath(QRectF(x, y, width, height), startAngle, sweepAngle));
}

GpStatus WINGDIPAPI GdipDrawArcI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height,
                                 REAL startAngle, REAL sweepAngle) {
    return GdipDrawArc(graphics, pen, REAL(x), REAL(y), REAL(width), REAL(height), startAngle, sweepAngle);
}

GpStatus WINGDIPAPI GdipDrawBezier(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3,
                                   REAL y3, REAL x4, REAL y4) {
    QPainterPath path(QPointF(x1, y1));
    path.cubicTo(x2, y2, x3, y3, x4, y4);
    return strokePath(graphics, pen, path);
}

GpStatus WINGDIPAPI GdipDrawBezierI(GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3,
                                    INT x4, INT y4) {
    return GdipDrawBezier(graphics, pen, REAL(x1), REAL(y1), REAL(x2), REAL(y2), REAL(x3), REAL(y3), REAL(x4),
                          REAL(y4));
}

GpStatus WINGDIPAPI GdipDrawBeziers(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count) {
    return drawBeziers(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawBeziersI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count) {
    return drawBeziers(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height) {
    return strokePath(graphics, pen, rectPath(x, y, width, height));
}

GpStatus WINGDIPAPI GdipDrawRectangleI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height) {
    return GdipDrawRectangle(graphics, pen, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus WINGDIPAPI GdipDrawRectangles(GpGraphics* graphics, GpPen* pen, GDIPCONST GpRectF* rects, INT count) {
    GP_CHECK_ARG(rects && count > 0);
    return strokePath(graphics, pen, rectsPath(rects, count));
}

GpStatus WINGDIPAPI GdipDrawRectanglesI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpRect* rects, INT count) {
    GP_CHECK_ARG(rects && count > 0);
    return strokePath(graphics, pen, rectsPath(rects, count));
}

GpStatus WINGDIPAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height) {
    return strokePath(graphics, pen, ellipsePath(x, y, width, height));
}

GpStatus WINGDIPAPI GdipDrawEllipseI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height) {
    return GdipDrawEllipse(graphics, pen, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus WINGDIPAPI GdipDrawPie(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                                REAL startAngle, REAL sweepAngle) {
    return strokePath(graphics, pen, engine::piePath(QRectF(x, y, width, height), startAngle, sweepAngle));
}

GpStatus WINGDIPAPI GdipDrawPieI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height,
                                 REAL startAngle, REAL sweepAngle) {
    return GdipDrawPie(graphics, pen, REAL(x), REAL(y), REAL(width), REAL(height), startAngle, sweepAngle);
}

GpStatus WINGDIPAPI GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count) {
    return drawPolygon(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawPolygonI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count) {
    return drawPolygon(graphics, pen, points, count);
}

GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path) {
    const GpPath* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    return strokePath(graphics, pen, p->toQt());
}

GpStatus WINGDIPAPI GdipDrawCurve(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count) {
    return drawCurve(graphics, pen, points, count, 0, count - 1, kDefaultTension);
}

GpStatus WINGDIPAPI GdipDrawCurveI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count) {
    return drawCurve(graphics, pen, points, count, 0, count - 1, kDefaultTension);
}

GpStatus WINGDIPAPI GdipDrawCurve2(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count,
                                   REAL tension) {
    return drawCurve(graphics, pen, points, count, 0, count - 1, tension);
}

GpStatus WINGDIPAPI GdipDrawCurve2I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count,
                                    REAL tension) {
    return drawCurve(graphics, pen, points, count, 0, count - 1, tension);
}

GpStatus WINGDIPAPI GdipDrawCurve3(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count,
                                   INT offset, INT numberOfSegments, REAL tension) {
    return drawCurve(graphics, pen, points, count, offset, numberOfSegments, tension);
}

GpStatus WINGDIPAPI GdipDrawCurve3I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count,
                                    INT offset, INT numberOfSegments, REAL tension) {
    return drawCurve(graphics, pen, points, count, offset, numberOfSegments, tension);
}

GpStatus WINGDIPAPI GdipDrawClosedCurve(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count) {
    return drawClosedCurve(graphics, pen, points, count, kDefaultTension);
}

GpStatus WINGDIPAPI GdipDrawClosedCurveI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count) {
    return drawClosedCurve(graphics, pen, points, count, kDefaultTension);
}

GpStatus WINGDIPAPI GdipDrawClosedCurve2(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count,
                                         REAL tension) {
    return drawClosedCurve(graphics, pen, points, count, tension);
}

GpStatus WINGDIPAPI GdipDrawClosedCurve2I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count,
                                          REAL tension) {
    return drawClosedCurve(graphics, pen, points, count, tension);
}
