// Images drawn onto a graphics object: at a point, into a rectangle or onto
// a parallelogram, whole or in part; and cached bitmaps.
#include <cmath>

#include "api/graphics.h"
#include "graphics_painting.h"
#include "objects/image.h"

using engine::fail;
using engine::lookup;

namespace {

// Source pixels per one `unit` of the image.
bool sourceScale(const GpImage* img, GpUnit unit, qreal& sx, qreal& sy) {
    if (unit == UnitWorld || unit < UnitWorld || unit > UnitMillimeter) return false;
    sx = engine::pixelsPerUnit(unit, img->dpiX > 0 ? img->dpiX : 96);
    sy = engine::pixelsPerUnit(unit, img->dpiY > 0 ? img->dpiY : 96);
    return true;
}

// Draws the part `src` (image pixels) of `image` onto the parallelogram
// whose upper-left, upper-right and lower-left corners are p[0..2].
GpStatus drawImage(GpGraphics* graphics, GpImage* image, const QRectF& src, const QPointF (&p)[3],
                   DrawImageAbort callback = nullptr, void* callbackData = nullptr) {
    GpGraphics* g = engine::drawable(graphics);
    GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(g && img);
    if (callback && callback(callbackData)) return fail(Aborted);
    if (img->pixels.isNull() || src.width() == 0 || src.height() == 0) return Ok;
    // The unit square onto the parallelogram.
    const QTransform onto(p[1].x() - p[0].x(), p[1].y() - p[0].y(), p[2].x() - p[0].x(), p[2].y() - p[0].y(),
                          p[0].x(), p[0].y());
    engine::GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    // Image pixels cover whole device pixels: no half-pixel offset here, so
    // that an image drawn at its own size lands pixel for pixel.
    painter->setTransform(onto * g->deviceTransform());
    // An image drawn onto itself is read from a copy.
    const QImage& pixels = img == g->image ? img->pixels.copy() : img->pixels;
    painter->drawImage(QRectF(0, 0, 1, 1), pixels, src);
    return Ok;
}

GpStatus drawImageRect(GpGraphics* g, GpImage* image, const QRectF& src, const QRectF& dst,
                       DrawImageAbort callback = nullptr, void* callbackData = nullptr) {
    const QPointF p[3] = {dst.topLeft(), dst.topRight(), dst.bottomLeft()};
    return drawImage(g, image, src, p, callback, callbackData);
}

// The source rectangle in pixels, from one given in `unit`.
GpStatus sourceRect(GpImage* image, REAL x, REAL y, REAL w, REAL h, GpUnit unit, QRectF& out) {
    const GpImage* img = lookup<GpImage>(image);
    qreal sx, sy;
    GP_CHECK_ARG(img && sourceScale(img, unit, sx, sy));
    out = QRectF(x * sx, y * sy, w * sx, h * sy);
    return Ok;
}

QRectF wholeImage(const GpImage* img) {
    return QRectF(0, 0, img->pixels.width(), img->pixels.height());
}

template <class P>
GpStatus drawImagePointsRect(GpGraphics* g, GpImage* image, const P* points, INT count, REAL srcx, REAL srcy,
                             REAL srcw, REAL srch, GpUnit unit, DrawImageAbort callback, void* data) {
    GP_CHECK_ARG(points && (count == 3 || count == 4));
    // A fourth corner would ask for a perspective warp, which is not offered.
    if (count == 4) return fail(NotImplemented);
    QRectF src;
    if (GpStatus s = sourceRect(image, srcx, srcy, srcw, srch, unit, src); s != Ok) return s;
    const QPointF p[3] = {QPointF(points[0].X, points[0].Y), QPointF(points[1].X, points[1].Y),
                          QPointF(points[2].X, points[2].Y)};
    return drawImage(g, image, src, p, callback, data);
}

}  // namespace

GpStatus WINGDIPAPI GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y) {
    const GpGraphics* g = lookup<GpGraphics>(graphics);
    const GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(g && img);
    // At the image's physical size: its own resolution against the surface's.
    const qreal w = img->pixels.width() * g->dpiX / (img->dpiX > 0 ? img->dpiX : 96);
    const qreal h = img->pixels.height() * g->dpiY / (img->dpiY > 0 ? img->dpiY : 96);
    return drawImageRect(graphics, image, wholeImage(img), QRectF(x, y, w, h));
}

GpStatus WINGDIPAPI GdipDrawImageI(GpGraphics* graphics, GpImage* image, INT x, INT y) {
    return GdipDrawImage(graphics, image, REAL(x), REAL(y));
}

GpStatus WINGDIPAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height) {
    const GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(img);
    return drawImageRect(graphics, image, wholeImage(img), QRectF(x, y, width, height));
}

GpStatus WINGDIPAPI GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width, INT height) {
    return GdipDrawImageRect(graphics, image, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus WINGDIPAPI GdipDrawImagePoints(GpGraphics* graphics, GpImage* image, GDIPCONST GpPointF* dstpoints,
                                        INT count) {
    const GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(img);
    const QRectF all = wholeImage(img);
    return drawImagePointsRect(graphics, image, dstpoints, count, REAL(all.x()), REAL(all.y()), REAL(all.width()),
                               REAL(all.height()), UnitPixel, nullptr, nullptr);
}

GpStatus WINGDIPAPI GdipDrawImagePointsI(GpGraphics* graphics, GpImage* image, GDIPCONST GpPoint* dstpoints,
                                         INT count) {
    const GpImage* img = lookup<GpImage>(image);
    GP_CHECK_ARG(img);
    const QRectF all = wholeImage(img);
    return drawImagePointsRect(graphics, image, dstpoints, count, REAL(all.x()), REAL(all.y()), REAL(all.width()),
                               REAL(all.height()), UnitPixel, nullptr, nullptr);
}

GpStatus WINGDIPAPI GdipDrawImagePointRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL srcx, REAL srcy,
                                           REAL srcwidth, REAL srcheight, GpUnit srcUnit) {
    QRectF src;
    if (GpStatus s = sourceRect(image, srcx, srcy, srcwidth, srcheight, srcUnit, src); s != Ok) return s;
    // Unscaled: one source pixel to one world unit.
    return drawImageRect(graphics, image, src, QRectF(x, y, src.width(), src.height()));
}

GpStatus WINGDIPAPI GdipDrawImagePointRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT srcx, INT srcy,
                                            INT srcwidth, INT srcheight, GpUnit srcUnit) {
    return GdipDrawImagePointRect(graphics, image, REAL(x), REAL(y), REAL(srcx), REAL(srcy), REAL(srcwidth),
                                  REAL(srcheight), srcUnit);
}

GpStatus WINGDIPAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                                          REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
                                          GpUnit srcUnit, GDIPCONST GpImageAttributes* imageAttributes,
                                          DrawImageAbort callback, void* callbackData) {
    (void)imageAttributes;
    QRectF src;
    if (GpStatus s = sourceRect(image, srcx, srcy, srcwidth, srcheight, srcUnit, src); s != Ok) return s;
    return drawImageRect(graphics, image, src, QRectF(dstx, dsty, dstwidth, dstheight), callback, callbackData);
}

GpStatus WINGDIPAPI GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstx, INT dsty, INT dstwidth,
                                           INT dstheight, INT srcx, INT srcy, INT srcwidth, INT srcheight,
                                           GpUnit srcUnit, GDIPCONST GpImageAttributes* imageAttributes,
                                           DrawImageAbort callback, void* callbackData) {
    return GdipDrawImageRectRect(graphics, image, REAL(dstx), REAL(dsty), REAL(dstwidth), REAL(dstheight), REAL(srcx),
                                 REAL(srcy), REAL(srcwidth), REAL(srcheight), srcUnit, imageAttributes, callback,
                                 callbackData);
}

GpStatus WINGDIPAPI GdipDrawImagePointsRect(GpGraphics* graphics, GpImage* image, GDIPCONST GpPointF* points,
                                            INT count, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
                                            GpUnit srcUnit, GDIPCONST GpImageAttributes* imageAttributes,
                                            DrawImageAbort callback, void* callbackData) {
    (void)imageAttributes;
    return drawImagePointsRect(graphics, image, points, count, srcx, srcy, srcwidth, srcheight, srcUnit, callback,
                               callbackData);
}

GpStatus WINGDIPAPI GdipDrawImagePointsRectI(GpGraphics* graphics, GpImage* image, GDIPCONST GpPoint* points,
                                             INT count, INT srcx, INT srcy, INT srcwidth, INT srcheight,
                                             GpUnit srcUnit, GDIPCONST GpImageAttributes* imageAttributes,
                                             DrawImageAbort callback, void* callbackData) {
    (void)imageAttributes;
    return drawImagePointsRect(graphics, image, points, count, REAL(srcx), REAL(srcy), REAL(srcwidth),
                               REAL(srcheight), srcUnit, callback, callbackData);
}

// --- Cached bitmaps -------------------------------------------------------

GpStatus WINGDIPAPI GdipCreateCachedBitmap(GpBitmap* bitmap, GpGraphics* graphics, GpCachedBitmap** cachedBitmap) {
    const GpBitmap* b = lookup<GpBitmap>(bitmap);
    GP_CHECK_ARG(b && lookup<GpGraphics>(graphics) && cachedBitmap);
    auto* cached = new GpCachedBitmap;
    cached->pixels = b->pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    *cachedBitmap = cached;
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteCachedBitmap(GpCachedBitmap* cachedBitmap) {
    GpCachedBitmap* c = lookup<GpCachedBitmap>(cachedBitmap);
    GP_CHECK_ARG(c);
    delete c;
    return Ok;
}

GpStatus WINGDIPAPI GdipDrawCachedBitmap(GpGraphics* graphics, GpCachedBitmap* cachedBitmap, INT x, INT y) {
    GpGraphics* g = engine::drawable(graphics);
    const GpCachedBitmap* c = lookup<GpCachedBitmap>(cachedBitmap);
    GP_CHECK_ARG(g && c);
    // Cached pixels are copied as they are: only a translation may apply.
    const QTransform t = g->deviceTransform();
    if (t.type() > QTransform::TxTranslate) return fail(WrongState);
    engine::GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    const QPointF at = t.map(QPointF(x, y));
    painter->resetTransform();
    painter->drawImage(QPointF(std::round(at.x()), std::round(at.y())), c->pixels);
    return Ok;
}
