#include "gdi_region.h"

#include <algorithm>

namespace {

GdiRegion* liveRegion(HRGN region) {
    return gdiObjectIsLive(region) ? dynamic_cast<GdiRegion*>(region) : nullptr;
}

}  // namespace

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    const RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    return gdiCreateRegion(&r, 1);
}

HRGN gdiCreateRegion(const RECT* rects, int count) {
    auto* region = new GdiRegion;
    for (int i = 0; rects && i < count; ++i)
        if (rects[i].right > rects[i].left && rects[i].bottom > rects[i].top) region->rects.push_back(rects[i]);
    std::sort(region->rects.begin(), region->rects.end(), [](const RECT& a, const RECT& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    return gdiObjectRegister(region);
}

int gdiRegionRects(HRGN region, RECT* out, int capacity) {
    GdiRegion* r = liveRegion(region);
    if (!r) return -1;
    const int count = static_cast<int>(r->rects.size());
    for (int i = 0; out && i < std::min(count, capacity); ++i) out[i] = r->rects[static_cast<std::size_t>(i)];
    return count;
}

int WINAPI GetRgnBox(HRGN region, RECT* box) {
    GdiRegion* r = liveRegion(region);
    if (!r || !box) return ERROR_REGION;
    if (r->rects.empty()) {
        *box = RECT{0, 0, 0, 0};
        return NULLREGION;
    }
    RECT b = r->rects.front();
    for (const RECT& x : r->rects) {
        b.left = std::min(b.left, x.left);
        b.top = std::min(b.top, x.top);
        b.right = std::max(b.right, x.right);
        b.bottom = std::max(b.bottom, x.bottom);
    }
    *box = b;
    return r->rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL WINAPI PtInRegion(HRGN region, int x, int y) {
    GdiRegion* r = liveRegion(region);
    if (!r) return FALSE;
    for (const RECT& x0 : r->rects)
        if (x >= x0.left && x < x0.right && y >= x0.top && y < x0.bottom) return TRUE;
    return FALSE;
}
