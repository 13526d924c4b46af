// The clip of a graphics object: set from shapes, regions and other
// graphics, combined, moved, read back, and asked about.
#include <cmath>

#include "api/graphics.h"
#include "api/region.h"
#include "graphics_painting.h"
#include "objects/path.h"
#include "objects/region.h"

using engine::DeviceClip;
using engine::fail;
using engine::lookup;

namespace {

bool validMode(CombineMode mode) {
    return mode >= CombineModeReplace && mode <= CombineModeComplement;
}

// A world-space area as a device-space clip shape.
DeviceClip toDevice(const GpGraphics* g, const QPainterPath& world) {
    QPainterPath device = g->deviceTransform().map(world);
    device.setFillRule(Qt::WindingFill);
    return {false, device};
}

GpStatus setClip(GpGraphics* graphics, const QPainterPath& world, CombineMode mode) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && validMode(mode));
    return engine::combineClip(g->state.clip, toDevice(g, world), mode);
}

// The clip (within the surface when `visible`) in world coordinates.
bool clipInWorld(const GpGraphics* g, bool visible, QPainterPath& out, bool& infinite) {
    DeviceClip clip = g->effectiveClip();
    if (visible) {
        QPainterPath surface;
        surface.addRect(g->deviceBounds());
        engine::combineClip(clip, DeviceClip{false, surface}, CombineModeIntersect);
    }
    infinite = clip.infinite;
    if (clip.infinite) return true;
    const QTransform t = g->deviceTransform();
    if (!t.isInvertible()) return false;
    out = t.inverted().map(clip.path);
    return true;
}

QRectF boundsInWorld(const GpGraphics* g, bool visible) {
    QPainterPath path;
    bool infinite;
    if (!clipInWorld(g, visible, path, infinite)) return QRectF();
    return infinite ? engine::planeRect() : path.boundingRect();
}

bool isEmpty(const GpGraphics* g, bool visible) {
    QPainterPath path;
    bool infinite;
    clipInWorld(g, visible, path, infinite);
    if (infinite) return false;
    const QRectF b = path.boundingRect();
    return path.isEmpty() || b.width() <= 0 || b.height() <= 0;
}

GpRect toIntRect(const QRectF& r) {
    // Outward to whole units, so that every covered pixel is included.
    const int x = int(std::floor(r.x())), y = int(std::floor(r.y()));
    return {x, y, int(std::ceil(r.right())) - x, int(std::ceil(r.bottom())) - y};
}

GpStatus isVisible(GpGraphics* graphics, const QRectF& world, bool point, BOOL* result) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && result);
    QPainterPath path;
    bool infinite;
    if (!clipInWorld(g, true, path, infinite)) {
        *result = FALSE;
        return Ok;
    }
    // The visible clip is within the surface, so never infinite here.
    *result = point ? path.contains(world.topLeft()) : path.intersects(world);
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipSetClipGraphics(GpGraphics* graphics, GpGraphics* srcgraphics, CombineMode combineMode) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    const GpGraphics* src = lookup<GpGraphics>(srcgraphics);
    GP_CHECK_ARG(g && src && validMode(combineMode));
    return engine::combineClip(g->state.clip, src->effectiveClip(), combineMode);
}

GpStatus WINGDIPAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                    CombineMode combineMode) {
    QPainterPath path;
    path.addRect(QRectF(x, y, width, height).normalized());
    return setClip(graphics, path, combineMode);
}

GpStatus WINGDIPAPI GdipSetClipRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height,
                                     CombineMode combineMode) {
    return GdipSetClipRect(graphics, REAL(x), REAL(y), REAL(width), REAL(height), combineMode);
}

GpStatus WINGDIPAPI GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode) {
    const GpPath* p = lookup<GpPath>(path);
    GP_CHECK_ARG(p);
    return setClip(graphics, p->toQt(), combineMode);
}

GpStatus WINGDIPAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    const GpRegion* r = lookup<GpRegion>(region);
    GP_CHECK_ARG(g && r && validMode(combineMode));
    const DeviceClip shape = r->infinite ? DeviceClip{} : toDevice(g, r->path);
    return engine::combineClip(g->state.clip, shape, combineMode);
}

GpStatus WINGDIPAPI GdipSetClipHrgn(GpGraphics* graphics, HRGN hRgn, CombineMode combineMode) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && hRgn && validMode(combineMode));
    // The GDI region becomes an engine region first; it is in device pixels.
    GpRegion* region = nullptr;
    if (GpStatus s = GdipCreateRegionHrgn(hRgn, &region); s != Ok) return fail(s);
    const DeviceClip shape = region->infinite ? DeviceClip{} : DeviceClip{false, region->path};
    GdipDeleteRegion(region);
    return engine::combineClip(g->state.clip, shape, combineMode);
}

GpStatus WINGDIPAPI GdipResetClip(GpGraphics* graphics) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    g->state.clip = DeviceClip{};
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslateClip(GpGraphics* graphics, REAL dx, REAL dy) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    if (g->state.clip.infinite) return Ok;
    // The offset is in world units; the clip lives in device space.
    const QTransform t = g->deviceTransform();
    const QPointF d = t.map(QPointF(dx, dy)) - t.map(QPointF(0, 0));
    g->state.clip.path.translate(d);
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslateClipI(GpGraphics* graphics, INT dx, INT dy) {
    return GdipTranslateClip(graphics, REAL(dx), REAL(dy));
}

GpStatus WINGDIPAPI GdipGetClip(GpGraphics* graphics, GpRegion* region) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GpRegion* r = lookup<GpRegion>(region);
    GP_CHECK_ARG(g && r);
    QPainterPath path;
    bool infinite;
    if (!clipInWorld(g, false, path, infinite)) return fail(InvalidParameter);
    r->infinite = infinite;
    r->path = infinite ? QPainterPath() : path;
    r->path.setFillRule(Qt::WindingFill);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetClipBounds(GpGraphics* graphics, GpRectF* rect) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && rect);
    const QRectF b = boundsInWorld(g, false);
    *rect = {REAL(b.x()), REAL(b.y()), REAL(b.width()), REAL(b.height())};
    return Ok;
}

GpStatus WINGDIPAPI GdipGetClipBoundsI(GpGraphics* graphics, GpRect* rect) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && rect);
    *rect = toIntRect(boundsInWorld(g, false));
    return Ok;
}

GpStatus WINGDIPAPI GdipIsClipEmpty(GpGraphics* graphics, BOOL* result) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && result);
    *result = isEmpty(g, false);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && rect);
    const QRectF b = boundsInWorld(g, true);
    *rect = {REAL(b.x()), REAL(b.y()), REAL(b.width()), REAL(b.height())};
    return Ok;
}

GpStatus WINGDIPAPI GdipGetVisibleClipBoundsI(GpGraphics* graphics, GpRect* rect) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && rect);
    *rect = toIntRect(boundsInWorld(g, true));
    return Ok;
}

GpStatus WINGDIPAPI GdipIsVisibleClipEmpty(GpGraphics* graphics, BOOL* result) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && result);
    *result = isEmpty(g, true);
    return Ok;
}

GpStatus WINGDIPAPI GdipIsVisiblePoint(GpGraphics* graphics, REAL x, REAL y, BOOL* result) {
    return isVisible(graphics, QRectF(x, y, 0, 0), true, result);
}

GpStatus WINGDIPAPI GdipIsVisiblePointI(GpGraphics* graphics, INT x, INT y, BOOL* result) {
    return isVisible(graphics, QRectF(x, y, 0, 0), true, result);
}

GpStatus WINGDIPAPI GdipIsVisibleRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, BOOL* result) {
    return isVisible(graphics, QRectF(x, y, width, height).normalized(), false, result);
}

GpStatus WINGDIPAPI GdipIsVisibleRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height, BOOL* result) {
    return isVisible(graphics, QRectF(x, y, width, height).normalized(), false, result);
}
