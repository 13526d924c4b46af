// Paths kept as GDI+ keeps them: points with type bytes. Qt paths are made
// from them on demand for filling, outlining and region arithmetic.
#include "api/path.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "objects/matrix.h"
#include "objects/path.h"
#include "objects/pen.h"
#include "status.h"

QPainterPath GpPath::toQt() const {
    QPainterPath out;
    out.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    const std::size_t n = points.size();
    auto at = [&](std::size_t i) { return QPointF(points[i].X, points[i].Y); };
    for (std::size_t i = 0; i < n; ++i) {
        const BYTE kind = types[i] & PathPointTypePathTypeMask;
        bool closes = (types[i] & PathPointTypeCloseSubpath) != 0;
        if (kind == PathPointTypeStart || out.elementCount() == 0) {
            out.moveTo(at(i));
        } else if (kind == PathPointTypeBezier && i + 2 < n &&
                   (types[i + 1] & PathPointTypePathTypeMask) == PathPointTypeBezier &&
                   (types[i + 2] & PathPointTypePathTypeMask) == PathPointTypeBezier) {
            out.cubicTo(at(i), at(i + 1), at(i + 2));
            closes = (types[i + 2] & PathPointTypeCloseSubpath) != 0;
            i += 2;
        } else {
            // A line, or the remains of an incomplete Bézier run.
            out.lineTo(at(i));
        }
        if (closes) out.closeSubpath();
    }
    return out;
}

namespace {

// Starts a figure at `p`, or joins the open figure to `p` by a line (not
// repeating a point the figure already ends at).
void startOrConnect(GpPath& path, GpPointF p) {
    if (path.newFigure || path.points.empty()) {
        path.points.push_back(p);
        path.types.push_back(PathPointTypeStart);
        path.newFigure = false;
        return;
    }
    const GpPointF& last = path.points.back();
    if (last.X == p.X && last.Y == p.Y) return;
    path.points.push_back(p);
    path.types.push_back(PathPointTypeLine);
}

void append(GpPath& path, GpPointF p, BYTE type) {
    path.points.push_back(p);
    path.types.push_back(type);
}

void closeFigure(GpPath& path) {
    if (!path.types.empty()) path.types.back() |= PathPointTypeCloseSubpath;
    path.newFigure = true;
}

// A closed figure of its own through `pts`, the rest joined by `type`.
void addClosedFigure(GpPath& path, const std::vector<GpPointF>& pts, BYTE type) {
    if (pts.empty()) return;
    append(path, pts[0], PathPointTypeStart);
    for (std::size_t i = 1; i < pts.size(); ++i) append(path, pts[i], type);
    closeFigure(path);
}

void addRectangle(GpPath& path, REAL x, REAL y, REAL w, REAL h) {
    if (w == 0 || h == 0) return;
    addClosedFigure(path, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}, PathPointTypeLine);
}

// Four quarter-turn Béziers clockwise from the right-hand middle point.
void addEllipse(GpPath& path, REAL x, REAL y, REAL w, REAL h) {
    constexpr double kappa = 0.5522847498307936;  // 4/3 (sqrt 2 - 1)
    const double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    const double kx = kappa * rx, ky = kappa * ry;
    auto p = [](double px, double py) { return GpPointF{static_cast<REAL>(px), static_cast<REAL>(py)}; };
    addClosedFigure(path,
                    {p(cx + rx, cy), p(cx + rx, cy + ky), p(cx + kx, cy + ry), p(cx, cy + ry),
                     p(cx - kx, cy + ry), p(cx - rx, cy + ky), p(cx - rx, cy), p(cx - rx, cy - ky),
                     p(cx - kx, cy - ry), p(cx, cy - ry), p(cx + kx, cy - ry), p(cx + rx, cy - ky),
                     p(cx + rx, cy)},
                    PathPointTypeBezier);
}

// The ellipse's own parameter for the point that the ray from the centre at
// polar angle `theta` (radians) meets; it lies in the same turn as theta.
double parameterOf(double theta, double rx, double ry) {
    const double t = std::atan2(rx * std::sin(theta), ry * std::cos(theta));
    return t + 2 * M_PI * std::round((theta - t) / (2 * M_PI));
}

void addArc(GpPath& path, REAL x, REAL y, REAL w, REAL h, REAL startAngle, REAL sweepAngle) {
    if (w == 0 || h == 0 || sweepAngle == 0) return;
    if (w < 0) x += w, w = -w;
    if (h < 0) y += h, h = -h;
    const double sweep = std::clamp(static_cast<double>(sweepAngle), -360.0, 360.0);
    const double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    const double theta0 = startAngle * M_PI / 180.0;
    const double theta1 = (startAngle + sweep) * M_PI / 180.0;
    const double t0 = parameterOf(theta0, rx, ry);
    double t1 = parameterOf(theta1, rx, ry);
    if (std::abs(sweep) == 360.0) t1 = t0 + (sweep > 0 ? 2 * M_PI : -2 * M_PI);

    const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(t1 - t0) / (M_PI / 2) - 1e-9)));
    const double step = (t1 - t0) / segments;
    const double alpha = 4.0 / 3.0 * std::tan(step / 4);
    auto point = [&](double t) { return QPointF(cx + rx * std::cos(t), cy + ry * std::sin(t)); };
    auto tangent = [&](double t) { return QPointF(-rx * std::sin(t), ry * std::cos(t)); };
    auto real = [](QPointF q) { return GpPointF{static_cast<REAL>(q.x()), static_cast<REAL>(q.y())}; };

    startOrConnect(path, real(point(t0)));
    for (int i = 0; i < segments; ++i) {
        const double a = t0 + i * step, b = (i + 1 == segments) ? t1 : a + step;
        append(path, real(point(a) + alpha * tangent(a)), PathPointTypeBezier);
        append(path, real(point(b) - alpha * tangent(b)), PathPointTypeBezier);
        append(path, real(point(b)), PathPointTypeBezier);
    }
}

template <class P>
GpPointF real(const P& p) {
    return GpPointF{static_cast<REAL>(p.X), static_cast<REAL>(p.Y)};
}

template <class P>
GpStatus addLines(GpPath* path, const P* points, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && points && count > 0);
    startOrConnect(*p, real(points[0]));
    for (INT i = 1; i < count; ++i) append(*p, real(points[i]), PathPointTypeLine);
    return Ok;
}

template <class R>
GpStatus addRectangles(GpPath* path, const R* rects, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && rects && count > 0);
    for (INT i = 0; i < count; ++i)
        addRectangle(*p, static_cast<REAL>(rects[i].X), static_cast<REAL>(rects[i].Y),
                     static_cast<REAL>(rects[i].Width), static_cast<REAL>(rects[i].Height));
    return Ok;
}

template <class P>
GpStatus addBeziers(GpPath* path, const P* points, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && points && count >= 4 && count % 3 == 1);
    startOrConnect(*p, real(points[0]));
    for (INT i = 1; i < count; ++i) append(*p, real(points[i]), PathPointTypeBezier);
    return Ok;
}

template <class P>
GpStatus addPolygon(GpPath* path, const P* points, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && points && count >= 3);
    std::vector<GpPointF> pts;
    pts.reserve(static_cast<std::size_t>(count));
    for (INT i = 0; i < count; ++i) pts.push_back(real(points[i]));
    addClosedFigure(*p, pts, PathPointTypeLine);
    return Ok;
}

GpStatus worldBounds(GpPath* path, QRectF& out, const GpMatrix* matrix, const GpPen* pen) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    const GpMatrix* m = nullptr;
    if (matrix) GP_CHECK_ARG(m = engine::lookup<GpMatrix>(matrix));
    const GpPen* pn = nullptr;
    if (pen) GP_CHECK_ARG(pn = engine::lookup<GpPen>(pen));
    if (p->points.empty()) {
        out = QRectF();
        return Ok;
    }
    QPainterPath q = p->toQt();
    if (m) q = m->transform.map(q);
    QRectF r = q.boundingRect();
    if (pn) {
        const double half = pn->width / 2.0;
        r.adjust(-half, -half, half, half);
    }
    out = r;
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipCreatePath(GpFillMode brushMode, GpPath** path) {
    GP_CHECK_ARG(path && (brushMode == FillModeAlternate || brushMode == FillModeWinding));
    auto* p = new GpPath;
    p->fillMode = brushMode;
    *path = p;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreatePath2(GDIPCONST GpPointF* points, GDIPCONST BYTE* types, INT count, GpFillMode fillMode,
                                    GpPath** path) {
    GP_CHECK_ARG(path && count >= 0 && (count == 0 || (points && types)));
    GP_CHECK_ARG(fillMode == FillModeAlternate || fillMode == FillModeWinding);
    auto* p = new GpPath;
    p->fillMode = fillMode;
    p->points.assign(points, points + count);
    p->types.assign(types, types + count);
    p->newFigure = count == 0 || (types[count - 1] & PathPointTypeCloseSubpath) != 0;
    *path = p;
    return Ok;
}

GpStatus WINGDIPAPI GdipClonePath(GpPath* path, GpPath** clonePath) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && clonePath);
    auto* clone = new GpPath;
    clone->points = p->points;
    clone->types = p->types;
    clone->fillMode = p->fillMode;
    clone->newFigure = p->newFigure;
    *clonePath = clone;
    return Ok;
}

GpStatus WINGDIPAPI GdipDeletePath(GpPath* path) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    delete p;
    return Ok;
}

GpStatus WINGDIPAPI GdipResetPath(GpPath* path) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    p->points.clear();
    p->types.clear();
    p->fillMode = FillModeAlternate;
    p->newFigure = true;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathFillMode(GpPath* path, GpFillMode* fillmode) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && fillmode);
    *fillmode = p->fillMode;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPathFillMode(GpPath* path, GpFillMode fillmode) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && (fillmode == FillModeAlternate || fillmode == FillModeWinding));
    p->fillMode = fillmode;
    return Ok;
}

GpStatus WINGDIPAPI GdipStartPathFigure(GpPath* path) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    p->newFigure = true;
    return Ok;
}

GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* path) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    if (!p->points.empty()) closeFigure(*p);
    return Ok;
}

GpStatus WINGDIPAPI GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2) {
    const GpPointF pts[2] = {{x1, y1}, {x2, y2}};
    return addLines(path, pts, 2);
}

GpStatus WINGDIPAPI GdipAddPathLineI(GpPath* path, INT x1, INT y1, INT x2, INT y2) {
    const GpPoint pts[2] = {{x1, y1}, {x2, y2}};
    return addLines(path, pts, 2);
}

GpStatus WINGDIPAPI GdipAddPathLine2(GpPath* path, GDIPCONST GpPointF* points, INT count) {
    return addLines(path, points, count);
}

GpStatus WINGDIPAPI GdipAddPathLine2I(GpPath* path, GDIPCONST GpPoint* points, INT count) {
    return addLines(path, points, count);
}

GpStatus WINGDIPAPI GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height) {
    const GpRectF r{x, y, width, height};
    return addRectangles(path, &r, 1);
}

GpStatus WINGDIPAPI GdipAddPathRectangleI(GpPath* path, INT x, INT y, INT width, INT height) {
    const GpRect r{x, y, width, height};
    return addRectangles(path, &r, 1);
}

GpStatus WINGDIPAPI GdipAddPathRectangles(GpPath* path, GDIPCONST GpRectF* rects, INT count) {
    return addRectangles(path, rects, count);
}

GpStatus WINGDIPAPI GdipAddPathRectanglesI(GpPath* path, GDIPCONST GpRect* rects, INT count) {
    return addRectangles(path, rects, count);
}

GpStatus WINGDIPAPI GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    addEllipse(*p, x, y, width, height);
    return Ok;
}

GpStatus WINGDIPAPI GdipAddPathEllipseI(GpPath* path, INT x, INT y, INT width, INT height) {
    return GdipAddPathEllipse(path, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                              static_cast<REAL>(height));
}

GpStatus WINGDIPAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                                   REAL sweepAngle) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && std::isfinite(startAngle) && std::isfinite(sweepAngle));
    addArc(*p, x, y, width, height, startAngle, sweepAngle);
    return Ok;
}

GpStatus WINGDIPAPI GdipAddPathArcI(GpPath* path, INT x, INT y, INT width, INT height, REAL startAngle,
                                    REAL sweepAngle) {
    return GdipAddPathArc(path, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                          static_cast<REAL>(height), startAngle, sweepAngle);
}

GpStatus WINGDIPAPI GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                                      REAL y4) {
    const GpPointF pts[4] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}};
    return addBeziers(path, pts, 4);
}

GpStatus WINGDIPAPI GdipAddPathBezierI(GpPath* path, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4) {
    const GpPoint pts[4] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}};
    return addBeziers(path, pts, 4);
}

GpStatus WINGDIPAPI GdipAddPathBeziers(GpPath* path, GDIPCONST GpPointF* points, INT count) {
    return addBeziers(path, points, count);
}

GpStatus WINGDIPAPI GdipAddPathBeziersI(GpPath* path, GDIPCONST GpPoint* points, INT count) {
    return addBeziers(path, points, count);
}

GpStatus WINGDIPAPI GdipAddPathPolygon(GpPath* path, GDIPCONST GpPointF* points, INT count) {
    return addPolygon(path, points, count);
}

GpStatus WINGDIPAPI GdipAddPathPolygonI(GpPath* path, GDIPCONST GpPoint* points, INT count) {
    return addPolygon(path, points, count);
}

GpStatus WINGDIPAPI GdipGetPointCount(GpPath* path, INT* count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && count);
    *count = static_cast<INT>(p->points.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathPoints(GpPath* path, GpPointF* points, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && points && count > 0);
    GP_CHECK(static_cast<std::size_t>(count) >= p->points.size(), InsufficientBuffer);
    std::copy(p->points.begin(), p->points.end(), points);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathPointsI(GpPath* path, GpPoint* points, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && points && count > 0);
    GP_CHECK(static_cast<std::size_t>(count) >= p->points.size(), InsufficientBuffer);
    for (std::size_t i = 0; i < p->points.size(); ++i) {
        points[i].X = static_cast<INT>(std::floor(p->points[i].X + 0.5));
        points[i].Y = static_cast<INT>(std::floor(p->points[i].Y + 0.5));
    }
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathTypes(GpPath* path, BYTE* types, INT count) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p && types && count > 0);
    GP_CHECK(static_cast<std::size_t>(count) >= p->types.size(), InsufficientBuffer);
    std::copy(p->types.begin(), p->types.end(), types);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, GDIPCONST GpMatrix* matrix,
                                           GDIPCONST GpPen* pen) {
    GP_CHECK_ARG(bounds);
    QRectF r;
    const GpStatus status = worldBounds(path, r, matrix, pen);
    if (status != Ok) return status;
    *bounds = {static_cast<REAL>(r.x()), static_cast<REAL>(r.y()), static_cast<REAL>(r.width()),
               static_cast<REAL>(r.height())};
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPathWorldBoundsI(GpPath* path, GpRect* bounds, GDIPCONST GpMatrix* matrix,
                                            GDIPCONST GpPen* pen) {
    GP_CHECK_ARG(bounds);
    QRectF r;
    const GpStatus status = worldBounds(path, r, matrix, pen);
    if (status != Ok) return status;
    const double left = std::floor(r.left()), top = std::floor(r.top());
    *bounds = {static_cast<INT>(left), static_cast<INT>(top), static_cast<INT>(std::ceil(r.right()) - left),
               static_cast<INT>(std::ceil(r.bottom()) - top)};
    return Ok;
}

GpStatus WINGDIPAPI GdipTransformPath(GpPath* path, GpMatrix* matrix) {
    auto* p = engine::lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    if (!matrix) return Ok;
    auto* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(m);
    for (GpPointF& pt : p->points) {
        const QPointF q = m->transform.map(QPointF(pt.X, pt.Y));
        pt = {static_cast<REAL>(q.x()), static_cast<REAL>(q.y())};
    }
    return Ok;
}
