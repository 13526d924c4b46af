#include "graphics_painting.h"

#include <QPainterPathStroker>

#include "objects/brush.h"
#include "objects/image.h"
#include "objects/pen.h"

namespace engine {

bool isPageUnit(GpUnit unit) {
    return unit >= UnitDisplay && unit <= UnitMillimeter;
}

QRectF planeRect() {
    // GDI+ reports an infinite region with these bounds.
    return QRectF(-4194304, -4194304, 8388608, 8388608);
}

GpGraphics* drawable(GpGraphics* handle) {
    GpGraphics* g = lookup<GpGraphics>(handle);
    if (!g || !g->device) return nullptr;
    // The image may have been disposed before its graphics.
    if (g->image && !lookup<GpImage>(g->image)) return nullptr;
    return g;
}

namespace {

bool smooths(int smoothingMode) {
    return smoothingMode == 2 || smoothingMode == 4 || smoothingMode == 5;
}

bool smoothsText(int hint) {
    return hint != 1 && hint != 2;  // the single-bit-per-pixel hints
}

}  // namespace

GraphicsPainter::GraphicsPainter(GpGraphics* g) {
    if (!painter.begin(g->device)) return;
    const DeviceClip clip = g->effectiveClip();
    if (!clip.infinite) painter.setClipPath(clip.path);
    transform = g->deviceTransform();
    // GDI+ puts pixel centres on integer coordinates unless asked for the
    // half-pixel offset; Qt's antialiased centres sit at .5. Qt's aliased
    // rasteriser already fills the pixels GDI+ does, so only smoothed
    // drawing is shifted (else a fill of the whole image misses its top row
    // and left column).
    const bool antialias = smooths(g->state.smoothingMode);
    const int offset = g->state.pixelOffsetMode;
    if (antialias && offset != 2 && offset != 4) transform *= QTransform::fromTranslate(0.5, 0.5);
    painter.setTransform(transform);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::TextAntialiasing, smoothsText(g->state.textRenderingHint));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, g->state.interpolationMode != 5);
    if (g->state.compositingMode == 1) painter.setCompositionMode(QPainter::CompositionMode_Source);
}

QPen devicePen(const GpPen* pen, const GpGraphics* g) {
    QPen q = pen->toQPen();
    if (pen->unit != UnitWorld) {
        q.setWidthF(pen->width * pixelsPerUnit(pen->unit, g->dpiX));
        q.setCosmetic(true);
    }
    return q;
}

namespace {

// True when every figure of `path` ends where it started.
bool allFiguresClosed(const QPainterPath& path) {
    if (path.isEmpty()) return false;
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0 && QPointF(path.elementAt(i - 1)) != start) return false;
            start = e;
        }
    }
    return QPointF(path.elementAt(path.elementCount() - 1)) == start;
}

// The area a pen covers along `path`, for the cases Qt's pens do not
// cover: a pen transform shapes the nib (the path is stroked in the pen's
// own space and the outline mapped back), and an inset pen keeps inside
// closed figures. False when a plain stroke will do.
bool penOutline(const GpPen& pen, const QPen& q, const QPainterPath& path, QPainterPath& outline) {
    // Only the nib's shape matters, not where the transform would move it.
    QTransform nib = pen.transform;
    nib.setMatrix(nib.m11(), nib.m12(), 0, nib.m21(), nib.m22(), 0, 0, 0, 1);
    const bool shaped = !q.isCosmetic() && !nib.isIdentity() && nib.isInvertible();
    const bool inset = pen.alignment == PenAlignmentInset && allFiguresClosed(path);
    if (!shaped && !inset) return false;
    QPainterPathStroker stroker(q);
    if (q.widthF() <= 0) stroker.setWidth(1);
    if (inset) stroker.setWidth(stroker.width() * 2);
    outline = shaped ? nib.map(stroker.createStroke(nib.inverted().map(path))) : stroker.createStroke(path);
    outline.setFillRule(Qt::WindingFill);
    if (inset) outline = outline.intersected(path);
    return true;
}

}  // namespace

GpStatus strokePath(GpGraphics* graphics, GpPen* pen, const QPainterPath& path) {
    GpGraphics* g = drawable(graphics);
    GpPen* p = lookup<GpPen>(pen);
    GP_CHECK_ARG(g && p);
    GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    const QPen q = devicePen(p, g);
    QPainterPath outline;
    if (penOutline(*p, q, path, outline)) painter->fillPath(outline, q.brush());
    else painter->strokePath(path, q);
    return Ok;
}

GpStatus fillPath(GpGraphics* graphics, const GpBrush* brush, const QPainterPath& path) {
    GpGraphics* g = drawable(graphics);
    const GpBrush* b = lookup<GpBrush>(brush);
    GP_CHECK_ARG(g && b);
    GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    painter->fillPath(path, b->toQBrush());
    return Ok;
}

GpStatus combineClip(DeviceClip& current, const DeviceClip& shape, CombineMode mode) {
    QPainterPath plane;
    plane.addRect(planeRect());
    const QPainterPath cur = current.infinite ? plane : current.path;
    const QPainterPath add = shape.infinite ? plane : shape.path;
    DeviceClip out;
    switch (mode) {
    case CombineModeReplace: out = shape; break;
    case CombineModeIntersect:
        if (current.infinite) out = shape;
        else if (shape.infinite) out = current;
        else out = {false, cur.intersected(add)};
        break;
    case CombineModeUnion:
        if (current.infinite || shape.infinite) out = DeviceClip{};
        else out = {false, cur.united(add)};
        break;
    case CombineModeXor: {
        // Either area but not both is the odd-even fill of both outlines,
        // exact even where the two share edges (the path clipper is not).
        QPainterPath both = cur.simplified();
        both.addPath(add.simplified());
        both.setFillRule(Qt::OddEvenFill);
        out = {false, both};
        break;
    }
    case CombineModeExclude: out = {false, shape.infinite ? QPainterPath() : cur.subtracted(add)}; break;
    case CombineModeComplement: out = {false, current.infinite ? QPainterPath() : add.subtracted(cur)}; break;
    default: return fail(InvalidParameter);
    }
    current = out;
    return Ok;
}

}  // namespace engine

QTransform GpGraphics::pageTransform() const {
    const GpUnit unit = state.pageUnit;
    return QTransform::fromScale(state.pageScale * engine::pixelsPerUnit(unit, dpiX),
                                 state.pageScale * engine::pixelsPerUnit(unit, dpiY));
}

engine::DeviceClip GpGraphics::effectiveClip() const {
    engine::DeviceClip clip = state.containerClip;
    engine::combineClip(clip, state.clip, CombineModeIntersect);
    return clip;
}

QRectF GpGraphics::deviceBounds() const {
    return device ? QRectF(0, 0, device->width(), device->height()) : QRectF();
}
