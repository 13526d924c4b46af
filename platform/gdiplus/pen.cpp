#include "api/pen.h"

#include <cmath>

#include "objects/brush.h"
#include "objects/matrix.h"
#include "objects/path.h"
#include "objects/pen.h"
#include "status.h"

namespace {

bool validUnit(GpUnit unit) {
    return unit >= UnitWorld && unit <= UnitMillimeter;
}

bool validWidth(REAL width) {
    return std::isfinite(width) && width >= 0;
}

bool validLineCap(GpLineCap cap) {
    return (cap >= LineCapFlat && cap <= LineCapTriangle) || (cap >= LineCapNoAnchor && cap <= LineCapArrowAnchor);
}

bool validDashCap(GpDashCap cap) {
    return cap == DashCapFlat || cap == DashCapRound || cap == DashCapTriangle;
}

bool validOrder(GpMatrixOrder order) {
    return order == MatrixOrderPrepend || order == MatrixOrderAppend;
}

// The pattern of a predefined dash style, in pen widths.
std::vector<REAL> dashPattern(GpDashStyle style) {
    switch (style) {
    case DashStyleDash: return {3, 1};
    case DashStyleDot: return {1, 1};
    case DashStyleDashDot: return {3, 1, 1, 1};
    case DashStyleDashDotDot: return {3, 1, 1, 1, 1, 1};
    default: return {};
    }
}

// Combines `t` into the pen's transform: prepend applies `t` first.
void combine(GpPen& pen, const QTransform& t, GpMatrixOrder order) {
    pen.transform = order == MatrixOrderPrepend ? t * pen.transform : pen.transform * t;
}

Qt::PenCapStyle qtCap(GpLineCap cap) {
    switch (cap) {
    case LineCapSquare:
    case LineCapSquareAnchor: return Qt::SquareCap;
    case LineCapRound:
    case LineCapRoundAnchor: return Qt::RoundCap;
    default: return Qt::FlatCap;  // triangle and the other anchors are drawn by the caller
    }
}

Qt::PenJoinStyle qtJoin(GpLineJoin join) {
    switch (join) {
    case LineJoinBevel: return Qt::BevelJoin;
    case LineJoinRound: return Qt::RoundJoin;
    // A clipped miter turns into a bevel past the limit, as SVG's does.
    case LineJoinMiterClipped: return Qt::SvgMiterJoin;
    default: return Qt::MiterJoin;
    }
}

GpStatus setCustomCap(GpPen* pen, GpCustomLineCap* customCap, bool start) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GpCustomLineCap* cap = engine::lookup<GpCustomLineCap>(customCap);
    GP_CHECK_ARG(p && cap);
    (start ? p->customStartCap : p->customEndCap).reset(cap->clone());
    (start ? p->startCap : p->endCap) = LineCapCustom;
    return Ok;
}

GpStatus getCustomCap(GpPen* pen, GpCustomLineCap** customCap, bool start) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && customCap);
    const auto& cap = start ? p->customStartCap : p->customEndCap;
    GP_CHECK_ARG(cap);
    *customCap = cap->clone();
    return Ok;
}

GpStatus setLineCap(GpPen* pen, GpLineCap cap, bool start) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validLineCap(cap));
    (start ? p->startCap : p->endCap) = cap;
    (start ? p->customStartCap : p->customEndCap).reset();
    return Ok;
}

GpStatus getFloats(const std::vector<REAL>& from, REAL* to, INT count) {
    GP_CHECK_ARG(count >= 0 && (count == 0 || to) && static_cast<std::size_t>(count) <= from.size());
    std::copy_n(from.begin(), count, to);
    return Ok;
}

}  // namespace

// ---- the pen record

GpPen::GpPen() : Object(engine::ObjectKind::Pen) {}
GpPen::~GpPen() = default;

GpPen* GpPen::clone() const {
    auto* c = new GpPen;
    c->color = color;
    c->width = width;
    c->unit = unit;
    if (brush) c->brush.reset(brush->clone());
    c->startCap = startCap;
    c->endCap = endCap;
    c->dashCap = dashCap;
    c->lineJoin = lineJoin;
    c->miterLimit = miterLimit;
    c->alignment = alignment;
    if (customStartCap) c->customStartCap.reset(customStartCap->clone());
    if (customEndCap) c->customEndCap.reset(customEndCap->clone());
    c->transform = transform;
    c->dashStyle = dashStyle;
    c->dashOffset = dashOffset;
    c->dashArray = dashArray;
    c->compoundArray = compoundArray;
    return c;
}

QPen GpPen::toQPen() const {
    QPen pen(brush ? brush->toQBrush() : QBrush(engine::qColorFromArgb(color)), width);
    // Qt has one cap for both ends and the dashes: the start cap decides.
    const GpLineCap cap = startCap == LineCapCustom && customStartCap ? customStartCap->baseCap : startCap;
    pen.setCapStyle(dashStyle != DashStyleSolid && dashCap == DashCapRound ? Qt::RoundCap : qtCap(cap));
    pen.setJoinStyle(qtJoin(lineJoin));
    // Both measure the miter as a ratio to the line width, the way SVG does.
    pen.setMiterLimit(miterLimit);
    if (dashStyle != DashStyleSolid && !dashArray.empty()) {
        QList<qreal> pattern(dashArray.begin(), dashArray.end());
        // Qt wants dash/gap pairs; an odd pattern repeats once to pair up.
        if (pattern.size() % 2) pattern += QList<qreal>(pattern);
        pen.setDashPattern(pattern);
        pen.setDashOffset(dashOffset);
    }
    return pen;
}

GpCustomLineCap* GpCustomLineCap::clone() const {
    auto* c = new GpCustomLineCap;
    c->points = points;
    c->types = types;
    c->fillMode = fillMode;
    c->fills = fills;
    c->baseCap = baseCap;
    c->baseInset = baseInset;
    c->strokeStartCap = strokeStartCap;
    c->strokeEndCap = strokeEndCap;
    c->strokeJoin = strokeJoin;
    c->widthScale = widthScale;
    return c;
}

// ---- creation

GpStatus WINGDIPAPI GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen) {
    GP_CHECK_ARG(pen && validWidth(width) && validUnit(unit));
    auto* p = new GpPen;
    p->color = color;
    p->width = width;
    p->unit = unit;
    *pen = p;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreatePen2(GpBrush* brush, REAL width, GpUnit unit, GpPen** pen) {
    GpBrush* b = engine::lookup<GpBrush>(brush);
    GP_CHECK_ARG(b && pen && validWidth(width) && validUnit(unit));
    auto* p = new GpPen;
    p->width = width;
    p->unit = unit;
    if (auto* solid = engine::lookup<GpSolidFill>(b)) p->color = solid->color;
    p->brush.reset(b->clone());
    *pen = p;
    return Ok;
}

GpStatus WINGDIPAPI GdipClonePen(GpPen* pen, GpPen** clonepen) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && clonepen);
    *clonepen = p->clone();
    return Ok;
}

GpStatus WINGDIPAPI GdipDeletePen(GpPen* pen) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p);
    delete p;
    return Ok;
}

// ---- width and unit

GpStatus WINGDIPAPI GdipSetPenWidth(GpPen* pen, REAL width) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validWidth(width));
    p->width = width;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenWidth(GpPen* pen, REAL* width) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && width);
    *width = p->width;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenUnit(GpPen* pen, GpUnit unit) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validUnit(unit));
    p->unit = unit;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenUnit(GpPen* pen, GpUnit* unit) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && unit);
    *unit = p->unit;
    return Ok;
}

// ---- caps, joins, miter, alignment

GpStatus WINGDIPAPI GdipSetPenLineCap197819(GpPen* pen, GpLineCap startCap, GpLineCap endCap, GpDashCap dashCap) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validLineCap(startCap) && validLineCap(endCap) && validDashCap(dashCap));
    p->startCap = startCap;
    p->endCap = endCap;
    p->dashCap = dashCap;
    p->customStartCap.reset();
    p->customEndCap.reset();
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenStartCap(GpPen* pen, GpLineCap startCap) {
    return setLineCap(pen, startCap, true);
}

GpStatus WINGDIPAPI GdipSetPenEndCap(GpPen* pen, GpLineCap endCap) {
    return setLineCap(pen, endCap, false);
}

GpStatus WINGDIPAPI GdipSetPenDashCap197819(GpPen* pen, GpDashCap dashCap) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validDashCap(dashCap));
    p->dashCap = dashCap;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenStartCap(GpPen* pen, GpLineCap* startCap) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && startCap);
    *startCap = p->startCap;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenEndCap(GpPen* pen, GpLineCap* endCap) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && endCap);
    *endCap = p->endCap;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenDashCap197819(GpPen* pen, GpDashCap* dashCap) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && dashCap);
    *dashCap = p->dashCap;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenLineJoin(GpPen* pen, GpLineJoin lineJoin) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && lineJoin >= LineJoinMiter && lineJoin <= LineJoinMiterClipped);
    p->lineJoin = lineJoin;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenLineJoin(GpPen* pen, GpLineJoin* lineJoin) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && lineJoin);
    *lineJoin = p->lineJoin;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenCustomStartCap(GpPen* pen, GpCustomLineCap* customCap) {
    return setCustomCap(pen, customCap, true);
}

GpStatus WINGDIPAPI GdipGetPenCustomStartCap(GpPen* pen, GpCustomLineCap** customCap) {
    return getCustomCap(pen, customCap, true);
}

GpStatus WINGDIPAPI GdipSetPenCustomEndCap(GpPen* pen, GpCustomLineCap* customCap) {
    return setCustomCap(pen, customCap, false);
}

GpStatus WINGDIPAPI GdipGetPenCustomEndCap(GpPen* pen, GpCustomLineCap** customCap) {
    return getCustomCap(pen, customCap, false);
}

GpStatus WINGDIPAPI GdipSetPenMiterLimit(GpPen* pen, REAL miterLimit) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && !std::isnan(miterLimit));
    // A miter is never shorter than the line is wide.
    p->miterLimit = std::max(miterLimit, 1.0f);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenMiterLimit(GpPen* pen, REAL* miterLimit) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && miterLimit);
    *miterLimit = p->miterLimit;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenMode(GpPen* pen, GpPenAlignment penMode) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && (penMode == PenAlignmentCenter || penMode == PenAlignmentInset));
    p->alignment = penMode;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenMode(GpPen* pen, GpPenAlignment* penMode) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && penMode);
    *penMode = p->alignment;
    return Ok;
}

// ---- transform

GpStatus WINGDIPAPI GdipSetPenTransform(GpPen* pen, GpMatrix* matrix) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GpMatrix* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(p && m && m->transform.isInvertible());
    p->transform = m->transform;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenTransform(GpPen* pen, GpMatrix* matrix) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GpMatrix* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(p && m);
    m->transform = p->transform;
    return Ok;
}

GpStatus WINGDIPAPI GdipResetPenTransform(GpPen* pen) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p);
    p->transform.reset();
    return Ok;
}

GpStatus WINGDIPAPI GdipMultiplyPenTransform(GpPen* pen, GDIPCONST GpMatrix* matrix, GpMatrixOrder order) {
    GpPen* p = engine::lookup<GpPen>(pen);
    const GpMatrix* m = engine::lookup<GpMatrix>(matrix);
    GP_CHECK_ARG(p && m && validOrder(order) && m->transform.isInvertible());
    combine(*p, m->transform, order);
    return Ok;
}

GpStatus WINGDIPAPI GdipTranslatePenTransform(GpPen* pen, REAL dx, REAL dy, GpMatrixOrder order) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validOrder(order));
    combine(*p, QTransform::fromTranslate(dx, dy), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipScalePenTransform(GpPen* pen, REAL sx, REAL sy, GpMatrixOrder order) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validOrder(order) && sx != 0 && sy != 0);
    combine(*p, QTransform::fromScale(sx, sy), order);
    return Ok;
}

GpStatus WINGDIPAPI GdipRotatePenTransform(GpPen* pen, REAL angle, GpMatrixOrder order) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && validOrder(order) && std::isfinite(angle));
    // QTransform::rotate turns clockwise on a y-down surface, as GDI+ does.
    combine(*p, QTransform().rotate(angle), order);
    return Ok;
}

// ---- fill

GpStatus WINGDIPAPI GdipSetPenColor(GpPen* pen, ARGB argb) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p);
    p->color = argb;
    p->brush.reset();
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenColor(GpPen* pen, ARGB* argb) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && argb);
    GP_CHECK(!p->brush || p->brush->type() == BrushTypeSolidColor, WrongState);
    *argb = p->color;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenBrushFill(GpPen* pen, GpBrush* brush) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GpBrush* b = engine::lookup<GpBrush>(brush);
    GP_CHECK_ARG(p && b);
    if (auto* solid = engine::lookup<GpSolidFill>(b)) p->color = solid->color;
    p->brush.reset(b->clone());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenBrushFill(GpPen* pen, GpBrush** brush) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && brush);
    *brush = p->brush ? p->brush->clone() : new GpSolidFill(p->color);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenFillType(GpPen* pen, GpPenType* type) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && type);
    // The pen types share their numbers with the brush types.
    *type = p->brush ? p->brush->type() : PenTypeSolidColor;
    return Ok;
}

// ---- dashes

GpStatus WINGDIPAPI GdipSetPenDashStyle(GpPen* pen, GpDashStyle dashStyle) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && dashStyle >= DashStyleSolid && dashStyle <= DashStyleCustom);
    // Custom keeps the pattern the pen has; a pen without one stays solid in effect.
    if (dashStyle != DashStyleCustom) p->dashArray = dashPattern(dashStyle);
    p->dashStyle = dashStyle;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenDashStyle(GpPen* pen, GpDashStyle* dashStyle) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && dashStyle);
    *dashStyle = p->dashStyle;
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenDashOffset(GpPen* pen, REAL offset) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && std::isfinite(offset));
    p->dashOffset = offset;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenDashOffset(GpPen* pen, REAL* offset) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && offset);
    *offset = p->dashOffset;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenDashCount(GpPen* pen, INT* count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && count);
    *count = static_cast<INT>(p->dashArray.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenDashArray(GpPen* pen, GDIPCONST REAL* dash, INT count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && dash && count > 0);
    for (INT i = 0; i < count; ++i) GP_CHECK_ARG(std::isfinite(dash[i]) && dash[i] > 0);
    p->dashArray.assign(dash, dash + count);
    p->dashStyle = DashStyleCustom;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenDashArray(GpPen* pen, REAL* dash, INT count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p);
    return getFloats(p->dashArray, dash, count);
}

GpStatus WINGDIPAPI GdipGetPenCompoundCount(GpPen* pen, INT* count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p && count);
    *count = static_cast<INT>(p->compoundArray.size());
    return Ok;
}

GpStatus WINGDIPAPI GdipSetPenCompoundArray(GpPen* pen, GDIPCONST REAL* compound, INT count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    // Pairs of band edges across the width, ascending within [0, 1].
    GP_CHECK_ARG(p && compound && count >= 2 && count % 2 == 0);
    for (INT i = 0; i < count; ++i)
        GP_CHECK_ARG(compound[i] >= 0 && compound[i] <= 1 && (i == 0 || compound[i] >= compound[i - 1]));
    p->compoundArray.assign(compound, compound + count);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetPenCompoundArray(GpPen* pen, REAL* compound, INT count) {
    GpPen* p = engine::lookup<GpPen>(pen);
    GP_CHECK_ARG(p);
    return getFloats(p->compoundArray, compound, count);
}

// ---- custom line caps

GpStatus WINGDIPAPI GdipCreateCustomLineCap(GpPath* fillPath, GpPath* strokePath, GpLineCap baseCap, REAL baseInset,
                                            GpCustomLineCap** customCap) {
    GpPath* fill = engine::lookup<GpPath>(fillPath);
    GpPath* stroke = engine::lookup<GpPath>(strokePath);
    GP_CHECK_ARG(customCap && (fill || stroke));
    // A handle that was given must be a live path.
    GP_CHECK_ARG((!fillPath || fill) && (!strokePath || stroke));
    GP_CHECK_ARG(validLineCap(baseCap) && std::isfinite(baseInset));
    auto* cap = new GpCustomLineCap;
    const GpPath* outline = stroke ? stroke : fill;
    cap->points = outline->points;
    cap->types = outline->types;
    cap->fillMode = outline->fillMode;
    cap->fills = !stroke;
    cap->baseCap = baseCap;
    cap->baseInset = baseInset;
    *customCap = cap;
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteCustomLineCap(GpCustomLineCap* customCap) {
    GpCustomLineCap* cap = engine::lookup<GpCustomLineCap>(customCap);
    GP_CHECK_ARG(cap);
    delete cap;
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneCustomLineCap(GpCustomLineCap* customCap, GpCustomLineCap** clonedCap) {
    GpCustomLineCap* cap = engine::lookup<GpCustomLineCap>(customCap);
    GP_CHECK_ARG(cap && clonedCap);
    *clonedCap = cap->clone();
    return Ok;
}
