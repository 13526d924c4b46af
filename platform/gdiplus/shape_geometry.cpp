#include "shape_geometry.h"

#include <algorithm>
#include <cmath>

namespace engine {
namespace {

constexpr qreal kPi = 3.14159265358979323846;

// The parametric angle (radians, y down) of the point where the ray at the
// polar angle `theta` (radians, y down) meets the ellipse of half-axes a, b.
// It stays within a quarter turn of theta, which picks the branch.
qreal parametric(qreal theta, qreal a, qreal b) {
    if (a <= 0 || b <= 0) return theta;
    const qreal t = std::atan2(a * std::sin(theta), b * std::cos(theta));
    return t + 2 * kPi * std::round((theta - t) / (2 * kPi));
}

}  // namespace

void toQtArc(const QRectF& rect, qreal startAngle, qreal sweepAngle, qreal& qtStart, qreal& qtSweep) {
    sweepAngle = std::clamp<qreal>(sweepAngle, -360, 360);
    const qreal a = rect.width() / 2, b = rect.height() / 2;
    const qreal s = startAngle * kPi / 180;
    const qreal e = (startAngle + sweepAngle) * kPi / 180;
    const qreal ts = parametric(s, a, b);
    const qreal te = parametric(e, a, b);
    // Clockwise with y down is counter-clockwise in Qt's y-up angles: negate.
    qtStart = -ts * 180 / kPi;
    qtSweep = -(te - ts) * 180 / kPi;
}

QPainterPath arcPath(const QRectF& rect, qreal startAngle, qreal sweepAngle) {
    QPainterPath path;
    qreal start, sweep;
    toQtArc(rect, startAngle, sweepAngle, start, sweep);
    path.arcMoveTo(rect, start);
    path.arcTo(rect, start, sweep);
    return path;
}

QPainterPath piePath(const QRectF& rect, qreal startAngle, qreal sweepAngle) {
    QPainterPath path;
    qreal start, sweep;
    toQtArc(rect, startAngle, sweepAngle, start, sweep);
    path.moveTo(rect.center());
    path.arcTo(rect, start, sweep);
    path.closeSubpath();
    return path;
}

std::vector<QPointF> toPoints(const GpPointF* points, int count) {
    std::vector<QPointF> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) out.emplace_back(points[i].X, points[i].Y);
    return out;
}

std::vector<QPointF> toPoints(const GpPoint* points, int count) {
    std::vector<QPointF> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) out.emplace_back(points[i].X, points[i].Y);
    return out;
}

namespace {

// One Bézier segment of a cardinal spline from p1 to p2, p0 and p3 being
// the neighbours; tension t gives control points p1 + t/3 (p2 - p0) and
// p2 - t/3 (p3 - p1).
void splineSegment(QPainterPath& path, QPointF p0, QPointF p1, QPointF p2, QPointF p3, qreal tension) {
    const qreal k = tension / 3;
    path.cubicTo(p1 + k * (p2 - p0), p2 - k * (p3 - p1), p2);
}

}  // namespace

QPainterPath curvePath(const std::vector<QPointF>& pts, int offset, int segments, qreal tension) {
    QPainterPath path;
    const int n = static_cast<int>(pts.size());
    if (n < 2 || segments < 1) return path;
    auto at = [&](int i) { return pts[std::clamp(i, 0, n - 1)]; };
    path.moveTo(pts[offset]);
    for (int i = offset; i < offset + segments; ++i) splineSegment(path, at(i - 1), at(i), at(i + 1), at(i + 2), tension);
    return path;
}

QPainterPath closedCurvePath(const std::vector<QPointF>& pts, qreal tension) {
    QPainterPath path;
    const int n = static_cast<int>(pts.size());
    if (n < 2) return path;
    auto at = [&](int i) { return pts[((i % n) + n) % n]; };
    path.moveTo(pts[0]);
    for (int i = 0; i < n; ++i) splineSegment(path, at(i - 1), at(i), at(i + 1), at(i + 2), tension);
    path.closeSubpath();
    return path;
}

QPainterPath bezierPath(const std::vector<QPointF>& pts) {
    QPainterPath path;
    if (pts.empty()) return path;
    path.moveTo(pts[0]);
    for (size_t i = 1; i + 2 < pts.size(); i += 3) path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
    return path;
}

QPainterPath polylinePath(const std::vector<QPointF>& pts, bool closed) {
    QPainterPath path;
    if (pts.empty()) return path;
    path.moveTo(pts[0]);
    for (size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i]);
    if (closed) path.closeSubpath();
    return path;
}

}  // namespace engine
