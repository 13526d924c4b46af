// Graphics objects on images, and their state: rendering settings, world
// and page transforms, coordinate-space mapping, saved states and
// containers.
#include <cmath>

#include "api/graphics.h"
#include "graphics_painting.h"
#include "objects/image.h"
#include "objects/matrix.h"

using engine::fail;
using engine::lookup;

namespace {

// Formats a painter cannot draw on: GDI+ refuses a graphics for them.
bool drawableFormat(PixelFormat f) {
    if (f & PixelFormatIndexed) return false;
    return f != PixelFormatUndefined && f != PixelFormat16bppGrayScale && f != PixelFormat16bppARGB1555;
}

bool validOrder(GpMatrixOrder order) {
    return order == MatrixOrderPrepend || order == MatrixOrderAppend;
}

// Applies `m` to the world transform on the side that `order` names.
void combineWorld(GpGraphics* g, const QTransform& m, GpMatrixOrder order) {
    // Row vectors: a prepended matrix acts first, so it stands on the left.
    g->state.world = order == MatrixOrderPrepend ? m * g->state.world : g->state.world * m;
}

// Transform from space `from` to space `to` (world < page < device).
QTransform spaceTransform(const GpGraphics* g, GpCoordinateSpace to, GpCoordinateSpace from) {
    auto toDevice = [g](GpCoordinateSpace s) {
        switch (s) {
        case CoordinateSpaceWorld: return g->deviceTransform();
        case CoordinateSpacePage: return g->pageTransform() * g->state.container;
        default: return QTransform();
        }
    };
    return toDevice(from) * toDevice(to).inverted();
}

bool validSpace(GpCoordinateSpace s) {
    return s >= CoordinateSpaceWorld && s <= CoordinateSpaceDevice;
}

template <class T>
GpStatus getSetting(GpGraphics* graphics, T* out, T engine::GraphicsSettings::*field) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && out);
    *out = g->state.*field;
    return Ok;
}

template <class T>
GpStatus setSetting(GpGraphics* graphics, T value, bool valid, T engine::GraphicsSettings::*field) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && valid);
    g->state.*field = value;
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
    GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(img && graphics);
    if (img->kind != engine::ObjectKind::Bitmap || !drawableFormat(img->format) || img->pixels.isNull() ||
        img->pixels.format() == QImage::Format_Indexed8 || img->pixels.format() == QImage::Format_Mono ||
        img->pixels.format() == QImage::Format_MonoLSB)
        return fail(OutOfMemory);
    auto* g = new GpGraphics;
    g->image = img;
    g->device = &img->pixels;
    g->dpiX = img->dpiX > 0 ? img->dpiX : 96;
    g->dpiY = img->dpiY > 0 ? img->dpiY : 96;
    *graphics = g;
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    delete g;
    return Ok;
}

GpStatus WINGDIPAPI GdipFlush(GpGraphics* graphics, GpFlushIntention intention) {
    GP_CHECK_ARG(lookup<GpGraphics>(graphics));
    (void)intention;  // every call has finished drawing when it returns
    return Ok;
}

GpStatus WINGDIPAPI GdipGetDpiX(GpGraphics* graphics, REAL* dpi) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && dpi);
    *dpi = g->dpiX;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetDpiY(GpGraphics* graphics, REAL* dpi) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && dpi);
    *dpi = g->dpiY;
    return Ok;
}

// --- Rendering settings ---------------------------------------------------

using Settings = engine::GraphicsSettings;

GpStatus WINGDIPAPI GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode) {
    return setSetting(graphics, mode, mode == 0 || mode == 1, &Settings::compositingMode);
}
GpStatus WINGDIPAPI GdipGetCompositingMode(GpGraphics* graphics, CompositingMode* mode) {
    return getSetting(graphics, mode, &Settings::compositingMode);
}
GpStatus WINGDIPAPI GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality) {
    return setSetting(graphics, quality, quality >= 0 && quality <= 4, &Settings::compositingQuality);
}
GpStatus WINGDIPAPI GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* quality) {
    return getSetting(graphics, quality, &Settings::compositingQuality);
}
GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode) {
    return setSetting(graphics, mode, mode >= 0 && mode <= 5, &Settings::smoothingMode);
}
GpStatus WINGDIPAPI GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* mode) {
    return getSetting(graphics, mode, &Settings::smoothingMode);
}
GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode mode) {
    return setSetting(graphics, mode, mode >= 0 && mode <= 4, &Settings::pixelOffsetMode);
}
GpStatus WINGDIPAPI GdipGetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode* mode) {
    return getSetting(graphics, mode, &Settings::pixelOffsetMode);
}
GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint) {
    return setSetting(graphics, hint, hint >= 0 && hint <= 5, &Settings::textRenderingHint);
}
GpStatus WINGDIPAPI GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* hint) {
    return getSetting(graphics, hint, &Settings::textRenderingHint);
}
GpStatus WINGDIPAPI GdipSetTextContrast(GpGraphics* graphics, UINT contrast) {
    return setSetting(graphics, contrast, contrast <= 12, &Settings::textContrast);
}
GpStatus WINGDIPAPI GdipGetTextContrast(GpGraphics* graphics, UINT* contrast) {
    return getSetting(graphics, contrast, &Settings::textContrast);
}
GpStatus WINGDIPAPI GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode) {
    return setSetting(graphics, mode, mode >= 0 && mode <= 7, &Settings::interpolationMode);
}
GpStatus WINGDIPAPI GdipGetInterpolationMode(GpGraphics* graphics, InterpolationMode* mode) {
    return getSetting(graphics, mode, &Settings::interpolationMode);
}

GpStatus WINGDIPAPI GdipSetRenderingOrigin(GpGraphics* graphics, INT x, INT y) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    g->state.originX = x;
    g->state.originY = y;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetRenderingOrigin(GpGraphics* graphics, INT* x, INT* y) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && x && y);
    *x = g->state.originX;
    *y = g->state.originY;
    return Ok;
}

// --- Transforms -----------------------------------------------------------

GpStatus WINGDIPAPI GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GpMatrix* m = lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(g && m && m->transform.isInvertible());
    g->state.world = m->transform;
    return Ok;
}

GpStatus WINGDIPAPI GdipResetWorldTransform(GpGraphics* graphics) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    g->state.world.reset();
    return Ok;
}

GpStatus WINGDIPAPI GdipMultiplyWorldTransform(GpGraphics* graphics, GDIPCONST GpMatrix* matrix, GpMatrixOrder order) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    const GpMatrix* m = lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(g && m && validOrder(order) && m->transform.isInvertible());
    combineWorld(g, m->transform, order);
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, GpMatrixOrder order) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && validOrder(order));
    combineWorld(g, QTransform::fromTranslate(dx, dy), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, GpMatrixOrder order) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && validOrder(order) && sx != 0 && sy != 0);
    combineWorld(g, QTransform::fromScale(sx, sy), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, GpMatrixOrder order) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && validOrder(order));
    // Clockwise on screen with y down, which is QTransform::rotate's sense.
    combineWorld(g, QTransform().rotate(angle), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GpMatrix* m = lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(g && m);
    m->transform = g->state.world;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPageUnit(GpGraphics* graphics, GpUnit unit) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && engine::isPageUnit(unit));
    g->state.pageUnit = unit;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPageUnit(GpGraphics* graphics, GpUnit* unit) {
    return getSetting(graphics, unit, &Settings::pageUnit);
}

GpStatus WINGDIPAPI GdipSetPageScale(GpGraphics* graphics, REAL scale) {
    return setSetting(graphics, scale, scale > 0 && std::isfinite(scale), &Settings::pageScale);
}

GpStatus WINGDIPAPI GdipGetPageScale(GpGraphics* graphics, REAL* scale) {
    return getSetting(graphics, scale, &Settings::pageScale);
}

GpStatus WINGDIPAPI GdipTransformPoints(GpGraphics* graphics, GpCoordinateSpace destSpace, GpCoordinateSpace srcSpace,
                                        GpPointF* points, INT count) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && points && count > 0 && validSpace(destSpace) && validSpace(srcSpace));
    const QTransform t = spaceTransform(g, destSpace, srcSpace);
    for (INT i = 0; i < count; ++i) {
        const QPointF p = t.map(QPointF(points[i].X, points[i].Y));
        points[i] = {REAL(p.x()), REAL(p.y())};
    }
    return Ok;
}

GpStatus WINGDIPAPI GdipTransformPointsI(GpGraphics* graphics, GpCoordinateSpace destSpace,
                                         GpCoordinateSpace srcSpace, GpPoint* points, INT count) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && points && count > 0 && validSpace(destSpace) && validSpace(srcSpace));
    const QTransform t = spaceTransform(g, destSpace, srcSpace);
    for (INT i = 0; i < count; ++i) {
        const QPointF p = t.map(QPointF(points[i].X, points[i].Y));
        points[i] = {INT(std::lround(p.x())), INT(std::lround(p.y()))};
    }
    return Ok;
}

GpStatus WINGDIPAPI GdipGetNearestColor(GpGraphics* graphics, ARGB* argb) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && argb);
    if (g->image && !(g->image->format & PixelFormatAlpha) && !(g->image->format & PixelFormatPAlpha)) {
        // Let the surface's own format round the colour (alpha becomes opaque).
        QImage probe(1, 1, g->image->pixels.format());
        probe.setPixel(0, 0, *argb | 0xFF000000u);
        *argb = probe.pixel(0, 0);
    }
    return Ok;
}

// --- Saved states and containers ------------------------------------------

namespace {

GraphicsState pushState(GpGraphics* g) {
    const UINT id = g->nextSavedId++;
    g->saved.push_back({id, g->state});
    return id;
}

// Brings back the state saved as `id`, dropping it and every later one. An
// id that is not (or no longer) on the stack changes nothing.
void popState(GpGraphics* g, UINT id) {
    for (size_t i = g->saved.size(); i-- > 0;) {
        if (g->saved[i].id != id) continue;
        g->state = g->saved[i].settings;
        g->saved.resize(i);
        return;
    }
}

// Opens a container whose own world starts where `inner` maps into the
// current world: transforms and clip start fresh inside, within the current
// clip.
GraphicsContainer beginContainer(GpGraphics* g, const QTransform& inner) {
    const GraphicsContainer id = pushState(g);
    engine::GraphicsSettings& s = g->state;
    s.containerClip = g->effectiveClip();
    s.container = inner * g->deviceTransform();
    s.clip = engine::DeviceClip{};
    s.world.reset();
    s.pageUnit = UnitDisplay;
    s.pageScale = 1;
    return id;
}

// The transform taking `src` (in `unit`) onto `dst` (world coordinates).
bool containerMapping(GpGraphics* g, QRectF dst, QRectF src, GpUnit unit, QTransform& out) {
    if (unit < UnitWorld || unit > UnitMillimeter || src.width() == 0 || src.height() == 0) return false;
    const qreal ux = engine::pixelsPerUnit(unit, g->dpiX), uy = engine::pixelsPerUnit(unit, g->dpiY);
    src = QRectF(src.x() * ux, src.y() * uy, src.width() * ux, src.height() * uy);
    out = QTransform::fromScale(ux, uy) * QTransform::fromTranslate(-src.x(), -src.y()) *
          QTransform::fromScale(dst.width() / src.width(), dst.height() / src.height()) *
          QTransform::fromTranslate(dst.x(), dst.y());
    return true;
}

}  // namespace

GpStatus WINGDIPAPI GdipSaveGraphics(GpGraphics* graphics, GraphicsState* state) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && state);
    *state = pushState(g);
    return Ok;
}

GpStatus WINGDIPAPI GdipRestoreGraphics(GpGraphics* graphics, GraphicsState state) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    popState(g, state);
    return Ok;
}

GpStatus WINGDIPAPI GdipBeginContainer(GpGraphics* graphics, GDIPCONST GpRectF* dstrect, GDIPCONST GpRectF* srcrect,
                                       GpUnit unit, GraphicsContainer* state) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && dstrect && srcrect && state);
    QTransform inner;
    GP_CHECK_ARG(containerMapping(g, QRectF(dstrect->X, dstrect->Y, dstrect->Width, dstrect->Height),
                                  QRectF(srcrect->X, srcrect->Y, srcrect->Width, srcrect->Height), unit, inner));
    *state = beginContainer(g, inner);
    return Ok;
}

GpStatus WINGDIPAPI GdipBeginContainerI(GpGraphics* graphics, GDIPCONST GpRect* dstrect, GDIPCONST GpRect* srcrect,
                                        GpUnit unit, GraphicsContainer* state) {
    GP_CHECK_ARG(dstrect && srcrect);
    const GpRectF dst{REAL(dstrect->X), REAL(dstrect->Y), REAL(dstrect->Width), REAL(dstrect->Height)};
    const GpRectF src{REAL(srcrect->X), REAL(srcrect->Y), REAL(srcrect->Width), REAL(srcrect->Height)};
    return GdipBeginContainer(graphics, &dst, &src, unit, state);
}

GpStatus WINGDIPAPI GdipBeginContainer2(GpGraphics* graphics, GraphicsContainer* state) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && state);
    *state = beginContainer(g, QTransform());
    return Ok;
}

GpStatus WINGDIPAPI GdipEndContainer(GpGraphics* graphics, GraphicsContainer state) {
    GpGraphics* g = lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g);
    popState(g, state);
    return Ok;
}

GpStatus WINGDIPAPI GdipComment(GpGraphics* graphics, UINT sizeData, GDIPCONST BYTE* data) {
    GP_CHECK_ARG(lookup<GpGraphics>(graphics) && (data || sizeData == 0));
    // Comments are records of a metafile being recorded; a raster surface
    // keeps nothing of them.
    return Ok;
}
