// Paths: figures of lines and cubic Béziers, each point with a type byte
// (PathPointType* below), and a fill mode. A figure added to an
// open figure is joined to it by a line from its last point, except the
// closed shapes (rectangles, ellipses, polygons), which always make figures
// of their own. A figure that begins exactly at the open figure's last point
// continues from it without repeating the point.
#pragma once
#include "gdiplus_types.h"

// Point types of a path.
constexpr BYTE PathPointTypeStart = 0;
constexpr BYTE PathPointTypeLine = 1;
constexpr BYTE PathPointTypeBezier = 3;
constexpr BYTE PathPointTypePathTypeMask = 0x07;
constexpr BYTE PathPointTypeDashMode = 0x10;
constexpr BYTE PathPointTypePathMarker = 0x20;
constexpr BYTE PathPointTypeCloseSubpath = 0x80;

// A new empty path with the fill mode `brushMode` (Alternate or Winding);
// caller owns it (GdipDeletePath).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreatePath(GpFillMode brushMode, GpPath** path);
// A new path of `count` points with the given type bytes, taken as they are.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreatePath2(GDIPCONST GpPointF* points, GDIPCONST BYTE* types, INT count,
                                                GpFillMode fillMode, GpPath** path);
// A new path equal to `path`; caller owns it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipClonePath(GpPath* path, GpPath** clonePath);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeletePath(GpPath* path);
// Removes every point and sets the fill mode back to Alternate.
GDIP_EXPORT GpStatus WINGDIPAPI GdipResetPath(GpPath* path);

GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathFillMode(GpPath* path, GpFillMode* fillmode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPathFillMode(GpPath* path, GpFillMode fillmode);

// The next point added starts a new figure; the current one stays open.
GDIP_EXPORT GpStatus WINGDIPAPI GdipStartPathFigure(GpPath* path);
// Closes the current figure (its last point gets the close flag); the next
// point starts a new figure. Nothing happens on an empty path.
GDIP_EXPORT GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* path);

GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathLineI(GpPath* path, INT x1, INT y1, INT x2, INT y2);
// Connected lines through `count` (> 0) points.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathLine2(GpPath* path, GDIPCONST GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathLine2I(GpPath* path, GDIPCONST GpPoint* points, INT count);
// A closed four-point figure clockwise from (x, y); a rectangle with no
// width or height adds nothing.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathRectangleI(GpPath* path, INT x, INT y, INT width, INT height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathRectangles(GpPath* path, GDIPCONST GpRectF* rects, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathRectanglesI(GpPath* path, GDIPCONST GpRect* rects, INT count);
// A closed figure of four Béziers (13 points) clockwise from the middle of
// the bounding rectangle's right side.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathEllipseI(GpPath* path, INT x, INT y, INT width, INT height);
// An arc of the ellipse in the bounding rectangle, as Béziers of at most a
// quarter turn each. Angles are in degrees, clockwise from the positive x
// axis (y grows downward); an angle names the point where the ray from the
// centre at that angle meets the ellipse. The sweep is clamped to ±360; a
// zero sweep or an empty rectangle adds nothing.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height,
                                               REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathArcI(GpPath* path, INT x, INT y, INT width, INT height, REAL startAngle,
                                                REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3,
                                                  REAL y3, REAL x4, REAL y4);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathBezierI(GpPath* path, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3,
                                                   INT x4, INT y4);
// Connected Béziers: `count` must be 3n + 1 with n >= 1.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathBeziers(GpPath* path, GDIPCONST GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathBeziersI(GpPath* path, GDIPCONST GpPoint* points, INT count);
// A closed figure through `count` (>= 3) points.
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathPolygon(GpPath* path, GDIPCONST GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipAddPathPolygonI(GpPath* path, GDIPCONST GpPoint* points, INT count);

GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPointCount(GpPath* path, INT* count);
// Copies the path's points (or type bytes) into an array of `count`
// entries; fewer entries than the path has is InsufficientBuffer.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathPoints(GpPath* path, GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathPointsI(GpPath* path, GpPoint* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathTypes(GpPath* path, BYTE* types, INT count);

// The bounds of the path's outline after `matrix` (null: none), widened by
// half of `pen`'s width on every side when a pen is given. An empty path
// has empty bounds at the origin.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, GDIPCONST GpMatrix* matrix,
                                                       GDIPCONST GpPen* pen);
// The same rounded outward to whole units.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPathWorldBoundsI(GpPath* path, GpRect* bounds, GDIPCONST GpMatrix* matrix,
                                                        GDIPCONST GpPen* pen);
// Transforms every point by `matrix`; a null matrix changes nothing.
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformPath(GpPath* path, GpMatrix* matrix);
