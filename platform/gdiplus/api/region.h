// Regions: areas of the plane made of rectangles and paths, exact in
// floating point. The `graphics` argument of the queries is optional here
// (null is accepted); a given one must be a live graphics object or image
// (standing for its own drawing context), and answers are in world units.
#pragma once
#include "gdiplus_types.h"

// A new infinite region; caller owns it (GdipDeleteRegion).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegion(GpRegion** region);
// A new region of the rectangle (a negative width or height is measured
// leftward or upward; a zero one gives an empty region).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegionRect(GDIPCONST GpRectF* rect, GpRegion** region);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegionRectI(GDIPCONST GpRect* rect, GpRegion** region);
// A new region of the area the path fills under its fill mode.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
// A new region from the bytes GdipGetRegionData wrote; data of another form
// is InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegionRgnData(GDIPCONST BYTE* regionData, INT size, GpRegion** region);
// A new region of the GDI region's rectangles; the GDI region stays the
// caller's.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateRegionHrgn(HRGN hRgn, GpRegion** region);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneRegion(GpRegion* region, GpRegion** cloneRegion);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteRegion(GpRegion* region);

GDIP_EXPORT GpStatus WINGDIPAPI GdipSetInfinite(GpRegion* region);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetEmpty(GpRegion* region);

// Combines the region with a rectangle, a path or another region: Replace,
// Intersect, Union, Xor, Exclude (region minus the other) or Complement (the
// other minus the region). Any other mode is InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCombineRegionRect(GpRegion* region, GDIPCONST GpRectF* rect,
                                                      CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCombineRegionRectI(GpRegion* region, GDIPCONST GpRect* rect,
                                                       CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCombineRegionRegion(GpRegion* region, GpRegion* region2,
                                                        CombineMode combineMode);

// Moves or transforms the region; an infinite region stays infinite.
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateRegion(GpRegion* region, REAL dx, REAL dy);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateRegionI(GpRegion* region, INT dx, INT dy);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformRegion(GpRegion* region, GpMatrix* matrix);

// The smallest rectangle holding the region: all zero for an empty one,
// (-4194304, -4194304, 8388608, 8388608) for an infinite one. The integer
// form is the smallest integer rectangle holding that one.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionBounds(GpRegion* region, GpGraphics* graphics, GpRectF* rect);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionBoundsI(GpRegion* region, GpGraphics* graphics, GpRect* rect);

// The size of the region's data, and the data itself: a buffer smaller
// than that size is InsufficientBuffer; `sizeFilled` may be null.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionDataSize(GpRegion* region, UINT* bufferSize);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionData(GpRegion* region, BYTE* buffer, UINT bufferSize, UINT* sizeFilled);
// A new GDI region of the device units whose centres the region covers;
// null (and Ok) for an infinite region. Caller deletes it with DeleteObject.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionHRgn(GpRegion* region, GpGraphics* graphics, HRGN* hRgn);

GDIP_EXPORT GpStatus WINGDIPAPI GdipIsEmptyRegion(GpRegion* region, GpGraphics* graphics, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsInfiniteRegion(GpRegion* region, GpGraphics* graphics, BOOL* result);
// Equal when the two cover the same area.
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsEqualRegion(GpRegion* region, GpRegion* region2, GpGraphics* graphics,
                                                  BOOL* result);
// A point is inside when it lies in the area, its left and top edges
// included, its right and bottom edges not.
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRegionPoint(GpRegion* region, REAL x, REAL y, GpGraphics* graphics,
                                                         BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRegionPointI(GpRegion* region, INT x, INT y, GpGraphics* graphics,
                                                          BOOL* result);
// Whether the rectangle and the region share some area.
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRegionRect(GpRegion* region, REAL x, REAL y, REAL width, REAL height,
                                                        GpGraphics* graphics, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRegionRectI(GpRegion* region, INT x, INT y, INT width, INT height,
                                                         GpGraphics* graphics, BOOL* result);

// Rectangles that together cover the region after `matrix` (required), in
// bands from top to bottom. A region whose edges are all horizontal or
// vertical gives exact rectangles; any other is taken one device unit row
// at a time, each row covering the units whose centres lie inside. An
// infinite region gives its bounds. The integer form rounds each rectangle
// the same way, one for one.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionScansCount(GpRegion* region, UINT* count, GpMatrix* matrix);
// `*count` holds the capacity of `rects` on entry and the number of
// rectangles on return; too small a capacity is InsufficientBuffer.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionScans(GpRegion* region, GpRectF* rects, INT* count, GpMatrix* matrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRegionScansI(GpRegion* region, GpRect* rects, INT* count, GpMatrix* matrix);
