// Graphics objects: a drawing context on an image, with GDI+'s rendering
// state (quality settings, world and page transforms, clip, saved states),
// and everything drawn through it: lines, curves, shapes, fills, text and
// images.
//
// Common to every function below: a null, stale or wrong-kind handle is
// answered with InvalidParameter; outputs are left untouched on failure.
// Coordinates are world coordinates unless said otherwise; angles are in
// degrees, clockwise, since y grows downward.
#pragma once

#include "gdiplus_types.h"

// Glyph indices (or UTF-16 units) of GdipDrawDriverString.
using UINT16 = std::uint16_t;

// Rendering settings.
using CompositingMode = int;
constexpr CompositingMode CompositingModeSourceOver = 0;
constexpr CompositingMode CompositingModeSourceCopy = 1;

using CompositingQuality = int;
constexpr CompositingQuality CompositingQualityInvalid = -1;
constexpr CompositingQuality CompositingQualityDefault = 0;
constexpr CompositingQuality CompositingQualityHighSpeed = 1;
constexpr CompositingQuality CompositingQualityHighQuality = 2;
constexpr CompositingQuality CompositingQualityGammaCorrected = 3;
constexpr CompositingQuality CompositingQualityAssumeLinear = 4;

using SmoothingMode = int;
constexpr SmoothingMode SmoothingModeInvalid = -1;
constexpr SmoothingMode SmoothingModeDefault = 0;
constexpr SmoothingMode SmoothingModeHighSpeed = 1;
constexpr SmoothingMode SmoothingModeHighQuality = 2;
constexpr SmoothingMode SmoothingModeNone = 3;
constexpr SmoothingMode SmoothingModeAntiAlias = 4;
constexpr SmoothingMode SmoothingModeAntiAlias8x8 = 5;

using TextRenderingHint = int;
constexpr TextRenderingHint TextRenderingHintSystemDefault = 0;
constexpr TextRenderingHint TextRenderingHintSingleBitPerPixelGridFit = 1;
constexpr TextRenderingHint TextRenderingHintSingleBitPerPixel = 2;
constexpr TextRenderingHint TextRenderingHintAntiAliasGridFit = 3;
constexpr TextRenderingHint TextRenderingHintAntiAlias = 4;
constexpr TextRenderingHint TextRenderingHintClearTypeGridFit = 5;

using InterpolationMode = int;
constexpr InterpolationMode InterpolationModeInvalid = -1;
constexpr InterpolationMode InterpolationModeDefault = 0;
constexpr InterpolationMode InterpolationModeLowQuality = 1;
constexpr InterpolationMode InterpolationModeHighQuality = 2;
constexpr InterpolationMode InterpolationModeBilinear = 3;
constexpr InterpolationMode InterpolationModeBicubic = 4;
constexpr InterpolationMode InterpolationModeNearestNeighbor = 5;
constexpr InterpolationMode InterpolationModeHighQualityBilinear = 6;
constexpr InterpolationMode InterpolationModeHighQualityBicubic = 7;

using PixelOffsetMode = int;
constexpr PixelOffsetMode PixelOffsetModeInvalid = -1;
constexpr PixelOffsetMode PixelOffsetModeDefault = 0;
constexpr PixelOffsetMode PixelOffsetModeHighSpeed = 1;
constexpr PixelOffsetMode PixelOffsetModeHighQuality = 2;
constexpr PixelOffsetMode PixelOffsetModeNone = 3;
constexpr PixelOffsetMode PixelOffsetModeHalf = 4;

using GpFlushIntention = int;
constexpr GpFlushIntention FlushIntentionFlush = 0;
constexpr GpFlushIntention FlushIntentionSync = 1;

// Flags of GdipDrawDriverString.
constexpr INT DriverStringOptionsCmapLookup = 1;
constexpr INT DriverStringOptionsVertical = 2;
constexpr INT DriverStringOptionsRealizedAdvance = 4;
constexpr INT DriverStringOptionsLimitSubpixel = 8;

// Called now and then during an image draw; returning TRUE stops it.
using DrawImageAbort = BOOL (*)(void* callbackData);

// Metafile playback callback (only declared: playback is not offered here).
using EmfPlusRecordType = int;
using EnumerateMetafileProc = BOOL (*)(EmfPlusRecordType recordType, UINT flags, UINT dataSize, const BYTE* data,
                                       void* callbackData);

// --- Life ---------------------------------------------------------------

// A new graphics object drawing on `image`, owned by the caller (release with
// GdipDeleteGraphics). OutOfMemory for images nothing can draw on: indexed,
// 16bpp grey, 16bpp ARGB1555 and undefined formats, and metafiles.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
// Releases a graphics object; the image it drew on lives on.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics);
// Drawing lands at once on this engine; accepted for either intention.
GDIP_EXPORT GpStatus WINGDIPAPI GdipFlush(GpGraphics* graphics, GpFlushIntention intention);

// --- Rendering settings ---------------------------------------------------
// Setters refuse values outside their enumeration (and the Invalid values)
// with InvalidParameter.

GDIP_EXPORT GpStatus WINGDIPAPI GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetCompositingMode(GpGraphics* graphics, CompositingMode* mode);
// The origin of dither and hatch patterns, in device pixels.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetRenderingOrigin(GpGraphics* graphics, INT x, INT y);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetRenderingOrigin(GpGraphics* graphics, INT* x, INT* y);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* quality);
// HighQuality and AntiAlias(8x8) smooth edges; Default, HighSpeed and None do not.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* mode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode mode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode* mode);
// AntiAlias and AntiAliasGridFit (and ClearType) smooth glyphs.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* hint);
// Gamma of antialiased text, 0 to 12 (default 4).
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetTextContrast(GpGraphics* graphics, UINT contrast);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetTextContrast(GpGraphics* graphics, UINT* contrast);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetInterpolationMode(GpGraphics* graphics, InterpolationMode* mode);

// --- Transforms -----------------------------------------------------------

// The world transform takes a copy of `matrix`; the caller keeps it.
// InvalidParameter for a matrix that cannot be inverted.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipResetWorldTransform(GpGraphics* graphics);
// Combines `matrix` with the world transform, before it (Prepend) or after it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipMultiplyWorldTransform(GpGraphics* graphics, GDIPCONST GpMatrix* matrix,
                                                           GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy,
                                                            GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, GpMatrixOrder order);
// Copies the world transform into the caller's existing `matrix`.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
// Page unit: any unit but UnitWorld; UnitDisplay is the pixel on images.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPageUnit(GpGraphics* graphics, GpUnit unit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPageUnit(GpGraphics* graphics, GpUnit* unit);
// Page scale: a positive factor on the page unit.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPageScale(GpGraphics* graphics, REAL scale);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPageScale(GpGraphics* graphics, REAL* scale);
// Resolution of the surface (the image's own, 96 when it has none).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetDpiX(GpGraphics* graphics, REAL* dpi);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetDpiY(GpGraphics* graphics, REAL* dpi);
// Maps `count` points in place from one coordinate space to another
// (world -> page -> device).
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformPoints(GpGraphics* graphics, GpCoordinateSpace destSpace,
                                                    GpCoordinateSpace srcSpace, GpPointF* points, INT count);
// As GdipTransformPoints; results rounded to the nearest integer.
GDIP_EXPORT GpStatus WINGDIPAPI GdipTransformPointsI(GpGraphics* graphics, GpCoordinateSpace destSpace,
                                                     GpCoordinateSpace srcSpace, GpPoint* points, INT count);
// The nearest colour the surface can hold (itself on 32bpp surfaces).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetNearestColor(GpGraphics* graphics, ARGB* argb);

// --- Lines and curves -----------------------------------------------------
// Pens are centred on the outline. Arrays: a null array or a count below
// the minimum of the figure is InvalidParameter.

GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawLineI(GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawLines(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawLinesI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count);
// Part of the ellipse inscribed in (x, y, width, height) from startAngle
// through sweepAngle.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                                            REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawArcI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height,
                                             REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawBezier(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2,
                                               REAL x3, REAL y3, REAL x4, REAL y4);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawBezierI(GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2,
                                                INT x3, INT y3, INT x4, INT y4);
// 1 + 3n points: a start point, then three per segment.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawBeziers(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points,
                                                INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawBeziersI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points,
                                                 INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                                                  REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawRectangleI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width,
                                                   INT height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawRectangles(GpGraphics* graphics, GpPen* pen, GDIPCONST GpRectF* rects,
                                                   INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawRectanglesI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpRect* rects,
                                                    INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                                                REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawEllipseI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width,
                                                 INT height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawPie(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height,
                                            REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawPieI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height,
                                             REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points,
                                                INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawPolygonI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points,
                                                 INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
// Cardinal splines through the points; tension 0 gives straight lines, the
// default curves use 0.5.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurve(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurveI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurve2(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count,
                                               REAL tension);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurve2I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count,
                                                REAL tension);
// Only `numberOfSegments` segments from point `offset` are drawn; the points
// around them still shape the curve.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurve3(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points, INT count,
                                               INT offset, INT numberOfSegments, REAL tension);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCurve3I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points, INT count,
                                                INT offset, INT numberOfSegments, REAL tension);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawClosedCurve(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points,
                                                    INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawClosedCurveI(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points,
                                                     INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawClosedCurve2(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPointF* points,
                                                     INT count, REAL tension);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawClosedCurve2I(GpGraphics* graphics, GpPen* pen, GDIPCONST GpPoint* points,
                                                      INT count, REAL tension);

// --- Fills ----------------------------------------------------------------

// Writes `color` (alpha included, no blending) over the whole surface
// within the clip.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                                  REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width,
                                                   INT height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillRectangles(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpRectF* rects,
                                                   INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillRectanglesI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpRect* rects,
                                                    INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points,
                                                INT count, GpFillMode fillMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points,
                                                 INT count, GpFillMode fillMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                                REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width,
                                                 INT height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillPie(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                            REAL height, REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillPieI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height,
                                             REAL startAngle, REAL sweepAngle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
// Closed cardinal splines; the plain forms use tension 0.5 and the
// alternate fill mode.
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillClosedCurve(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points,
                                                    INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillClosedCurveI(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points,
                                                     INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillClosedCurve2(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPointF* points,
                                                     INT count, REAL tension, GpFillMode fillMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillClosedCurve2I(GpGraphics* graphics, GpBrush* brush, GDIPCONST GpPoint* points,
                                                      INT count, REAL tension, GpFillMode fillMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region);

// --- Text -----------------------------------------------------------------
// `length` -1 means a zero-terminated text. A null format is the default
// one: text from the top-left of the layout rectangle, wrapped at word
// boundaries within its width, clipped to it, a sixth of an em of padding
// at both ends of each line. A layout rectangle of zero width (height)
// neither wraps (nor limits the lines).

GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawString(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length,
                                               GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                               GDIPCONST GpStringFormat* stringFormat, GDIPCONST GpBrush* brush);
// The box that DrawString would fill, padding included; the optional counts
// get the characters laid out and the lines used.
GDIP_EXPORT GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length,
                                                  GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                                  GDIPCONST GpStringFormat* stringFormat, RectF* boundingBox,
                                                  INT* codepointsFitted, INT* linesFilled);
// Sets each of `regions` (created by the caller) to the area of one of the
// format's measurable character ranges; `regionCount` must equal their number.
GDIP_EXPORT GpStatus WINGDIPAPI GdipMeasureCharacterRanges(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length,
                                                           GDIPCONST GpFont* font, GDIPCONST RectF& layoutRect,
                                                           GDIPCONST GpStringFormat* stringFormat, INT regionCount,
                                                           GpRegion** regions);
// Glyphs placed one per position (the baseline origin of each), or one
// position with advances when DriverStringOptionsRealizedAdvance is set;
// `matrix` (optional) transforms the glyphs.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawDriverString(GpGraphics* graphics, GDIPCONST UINT16* text, INT length,
                                                     GDIPCONST GpFont* font, GDIPCONST GpBrush* brush,
                                                     GDIPCONST PointF* positions, INT flags,
                                                     GDIPCONST GpMatrix* matrix);

// --- Images ---------------------------------------------------------------
// Source rectangles are in `srcUnit`; image attributes are accepted and have
// no effect; a callback that returns TRUE stops the draw (Aborted).

// At (x, y) at the image's physical size (scaled by surface dpi / image dpi).
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImageI(GpGraphics* graphics, GpImage* image, INT x, INT y);
// The whole image stretched to the rectangle.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
                                                  REAL height);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width,
                                                   INT height);
// The whole image onto the parallelogram of three points: upper-left,
// upper-right, lower-left (count 3; 4 is NotImplemented).
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePoints(GpGraphics* graphics, GpImage* image,
                                                    GDIPCONST GpPointF* dstpoints, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePointsI(GpGraphics* graphics, GpImage* image,
                                                     GDIPCONST GpPoint* dstpoints, INT count);
// Part of the image at (x, y), unscaled.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePointRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y,
                                                       REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
                                                       GpUnit srcUnit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePointRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT srcx,
                                                        INT srcy, INT srcwidth, INT srcheight, GpUnit srcUnit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty,
                                                      REAL dstwidth, REAL dstheight, REAL srcx, REAL srcy,
                                                      REAL srcwidth, REAL srcheight, GpUnit srcUnit,
                                                      GDIPCONST GpImageAttributes* imageAttributes,
                                                      DrawImageAbort callback, void* callbackData);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstx, INT dsty,
                                                       INT dstwidth, INT dstheight, INT srcx, INT srcy, INT srcwidth,
                                                       INT srcheight, GpUnit srcUnit,
                                                       GDIPCONST GpImageAttributes* imageAttributes,
                                                       DrawImageAbort callback, void* callbackData);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePointsRect(GpGraphics* graphics, GpImage* image,
                                                        GDIPCONST GpPointF* points, INT count, REAL srcx, REAL srcy,
                                                        REAL srcwidth, REAL srcheight, GpUnit srcUnit,
                                                        GDIPCONST GpImageAttributes* imageAttributes,
                                                        DrawImageAbort callback, void* callbackData);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawImagePointsRectI(GpGraphics* graphics, GpImage* image,
                                                         GDIPCONST GpPoint* points, INT count, INT srcx, INT srcy,
                                                         INT srcwidth, INT srcheight, GpUnit srcUnit,
                                                         GDIPCONST GpImageAttributes* imageAttributes,
                                                         DrawImageAbort callback, void* callbackData);
// A copy of `bitmap`'s pixels ready for fast unscaled drawing on surfaces
// like `graphics`; the caller owns it (GdipDeleteCachedBitmap).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateCachedBitmap(GpBitmap* bitmap, GpGraphics* graphics,
                                                       GpCachedBitmap** cachedBitmap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteCachedBitmap(GpCachedBitmap* cachedBitmap);
// At (x, y) in device pixels after the world translation; WrongState when
// the world transform scales, rotates or shears.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDrawCachedBitmap(GpGraphics* graphics, GpCachedBitmap* cachedBitmap, INT x,
                                                     INT y);

// --- Metafile playback ----------------------------------------------------
// Playing a metafile's records back needs the Windows graphics device
// interface it recorded; every form answers NotImplemented here.

GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestPoint(GpGraphics* graphics, GDIPCONST GpMetafile* metafile,
                                                               GDIPCONST PointF& destPoint,
                                                               EnumerateMetafileProc callback, void* callbackData,
                                                               GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestPointI(GpGraphics* graphics, GDIPCONST GpMetafile* metafile,
                                                                GDIPCONST Point& destPoint,
                                                                EnumerateMetafileProc callback, void* callbackData,
                                                                GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestPoints(GpGraphics* graphics, GDIPCONST GpMetafile* metafile,
                                                                GDIPCONST PointF* destPoints, INT count,
                                                                EnumerateMetafileProc callback, void* callbackData,
                                                                GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestPointsI(GpGraphics* graphics,
                                                                 GDIPCONST GpMetafile* metafile,
                                                                 GDIPCONST Point* destPoints, INT count,
                                                                 EnumerateMetafileProc callback, void* callbackData,
                                                                 GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestRect(GpGraphics* graphics, GDIPCONST GpMetafile* metafile,
                                                              GDIPCONST RectF& destRect, EnumerateMetafileProc callback,
                                                              void* callbackData,
                                                              GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileDestRectI(GpGraphics* graphics, GDIPCONST GpMetafile* metafile,
                                                               GDIPCONST Rect& destRect, EnumerateMetafileProc callback,
                                                               void* callbackData,
                                                               GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPoint(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST PointF& destPoint, GDIPCONST RectF& srcRect,
    GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData, GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPointI(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST Point& destPoint, GDIPCONST Rect& srcRect,
    GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData, GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPoints(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST PointF* destPoints, INT count,
    GDIPCONST RectF& srcRect, GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData,
    GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPointsI(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST Point* destPoints, INT count,
    GDIPCONST Rect& srcRect, GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData,
    GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestRect(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST RectF& destRect, GDIPCONST RectF& srcRect,
    GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData, GDIPCONST GpImageAttributes* imageAttributes);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestRectI(
    GpGraphics* graphics, GDIPCONST GpMetafile* metafile, GDIPCONST Rect& destRect, GDIPCONST Rect& srcRect,
    GpUnit srcUnit, EnumerateMetafileProc callback, void* callbackData, GDIPCONST GpImageAttributes* imageAttributes);

// --- Clipping -------------------------------------------------------------
// Clip shapes are given in world coordinates and kept in device space, so a
// later transform change does not move the clip.

// Takes the clip of `srcgraphics`.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipGraphics(GpGraphics* graphics, GpGraphics* srcgraphics,
                                                    CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                                CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height,
                                                 CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode);
// A GDI region, in device pixels.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetClipHrgn(GpGraphics* graphics, HRGN hRgn, CombineMode combineMode);
// Back to an infinite clip.
GDIP_EXPORT GpStatus WINGDIPAPI GdipResetClip(GpGraphics* graphics);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateClip(GpGraphics* graphics, REAL dx, REAL dy);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslateClipI(GpGraphics* graphics, INT dx, INT dy);
// Sets the caller's existing `region` to the clip, in world coordinates.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetClip(GpGraphics* graphics, GpRegion* region);
// Bounds of the clip in world coordinates (a very large rectangle when the
// clip is infinite).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetClipBounds(GpGraphics* graphics, GpRectF* rect);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetClipBoundsI(GpGraphics* graphics, GpRect* rect);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsClipEmpty(GpGraphics* graphics, BOOL* result);
// Bounds of the clip within the surface, in world coordinates.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetVisibleClipBoundsI(GpGraphics* graphics, GpRect* rect);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleClipEmpty(GpGraphics* graphics, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisiblePoint(GpGraphics* graphics, REAL x, REAL y, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisiblePointI(GpGraphics* graphics, INT x, INT y, BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                                  BOOL* result);
GDIP_EXPORT GpStatus WINGDIPAPI GdipIsVisibleRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height,
                                                   BOOL* result);

// --- Saved states and containers ------------------------------------------
// Restoring or ending a state also drops every state saved after it; an
// unknown state is ignored (Ok).

GDIP_EXPORT GpStatus WINGDIPAPI GdipSaveGraphics(GpGraphics* graphics, GraphicsState* state);
GDIP_EXPORT GpStatus WINGDIPAPI GdipRestoreGraphics(GpGraphics* graphics, GraphicsState state);
// A container maps `srcrect` (in `unit`) onto `dstrect` (in the current
// world); inside it the transforms and the clip start fresh.
GDIP_EXPORT GpStatus WINGDIPAPI GdipBeginContainer(GpGraphics* graphics, GDIPCONST GpRectF* dstrect,
                                                   GDIPCONST GpRectF* srcrect, GpUnit unit, GraphicsContainer* state);
GDIP_EXPORT GpStatus WINGDIPAPI GdipBeginContainerI(GpGraphics* graphics, GDIPCONST GpRect* dstrect,
                                                    GDIPCONST GpRect* srcrect, GpUnit unit, GraphicsContainer* state);
GDIP_EXPORT GpStatus WINGDIPAPI GdipBeginContainer2(GpGraphics* graphics, GraphicsContainer* state);
GDIP_EXPORT GpStatus WINGDIPAPI GdipEndContainer(GpGraphics* graphics, GraphicsContainer state);
// A comment for metafile recording; raster surfaces accept and ignore it.
GDIP_EXPORT GpStatus WINGDIPAPI GdipComment(GpGraphics* graphics, UINT sizeData, GDIPCONST BYTE* data);
