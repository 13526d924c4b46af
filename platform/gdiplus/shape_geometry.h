// Outlines of GDI+'s shapes as Qt paths: arcs and pies (with the angle
// conversion), cardinal splines, polygons and Bézier chains.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <vector>

#include "gdiplus_types.h"

namespace engine {

// GDI+ angles are degrees clockwise (y grows down), measured as the polar
// angle of the ray from the ellipse's centre; Qt's arc angles are degrees
// counter-clockwise and parametric. This is the one place that converts.
// Returns Qt's start angle and sweep for the arc of the ellipse in `rect`.
void toQtArc(const QRectF& rect, qreal startAngle, qreal sweepAngle, qreal& qtStart, qreal& qtSweep);

// The open arc; a sweep of 360 or more (either way) is the whole ellipse.
QPainterPath arcPath(const QRectF& rect, qreal startAngle, qreal sweepAngle);
// The arc closed by two radii through the centre.
QPainterPath piePath(const QRectF& rect, qreal startAngle, qreal sweepAngle);

std::vector<QPointF> toPoints(const GpPointF* points, int count);
std::vector<QPointF> toPoints(const GpPoint* points, int count);

// Cardinal spline through `points`: segments [offset, offset + segments) of
// the open curve (its neighbours still shape it), or the closed curve.
QPainterPath curvePath(const std::vector<QPointF>& points, int offset, int segments, qreal tension);
QPainterPath closedCurvePath(const std::vector<QPointF>& points, qreal tension);
// 1 + 3n points: a start, then two control points and an end per segment.
QPainterPath bezierPath(const std::vector<QPointF>& points);
QPainterPath polylinePath(const std::vector<QPointF>& points, bool closed);

}  // namespace engine
