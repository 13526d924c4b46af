// GDI regions: areas of whole device units, kept as non-overlapping
// rectangles sorted by top, then left (right and bottom exclusive).
#pragma once

#include <vector>

#include "gdi_object.h"

struct GdiRegion : GdiObject {
    std::vector<RECT> rects;
    // GetObject describes no region.
    int describe(int, void*) const override { return 0; }
};

// Region complexity, as the region functions report it.
constexpr int ERROR_REGION = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// A new region of the rectangle (corners in either order); caller deletes
// it with DeleteObject.
WIN32_API HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
// Writes the smallest rectangle holding the region; returns its complexity.
WIN32_API int WINAPI GetRgnBox(HRGN region, RECT* box);
// Whether the device unit at (x, y) belongs to the region.
WIN32_API BOOL WINAPI PtInRegion(HRGN region, int x, int y);

// A new region of `count` rectangles, which must not overlap; empty ones
// are dropped. Caller deletes it with DeleteObject.
WIN32_API HRGN gdiCreateRegion(const RECT* rects, int count);
// Copies up to `capacity` of the region's rectangles into `out` (which may
// be null when `capacity` is 0) and returns how many it has in all; -1 for
// a handle that is no live region.
WIN32_API int gdiRegionRects(HRGN region, RECT* out, int capacity);
