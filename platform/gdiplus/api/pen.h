// Pens and custom line caps.
#pragma once
#include "gdiplus_types.h"

using GpLineCap = int;
constexpr GpLineCap LineCapFlat = 0x00;
constexpr GpLineCap LineCapSquare = 0x01;
constexpr GpLineCap LineCapRound = 0x02;
constexpr GpLineCap LineCapTriangle = 0x03;
constexpr GpLineCap LineCapNoAnchor = 0x10;
constexpr GpLineCap LineCapSquareAnchor = 0x11;
constexpr GpLineCap LineCapRoundAnchor = 0x12;
constexpr GpLineCap LineCapDiamondAnchor = 0x13;
constexpr GpLineCap LineCapArrowAnchor = 0x14;
constexpr GpLineCap LineCapCustom = 0xFF;
constexpr GpLineCap LineCapAnchorMask = 0xF0;

using GpDashCap = int;
constexpr GpDashCap DashCapFlat = 0;
constexpr GpDashCap DashCapRound = 2;
constexpr GpDashCap DashCapTriangle = 3;

using GpLineJoin = int;
constexpr GpLineJoin LineJoinMiter = 0;
constexpr GpLineJoin LineJoinBevel = 1;
constexpr GpLineJoin LineJoinRound = 2;
constexpr GpLineJoin LineJoinMiterClipped = 3;

using GpDashStyle = int;
constexpr GpDashStyle DashStyleSolid = 0;
constexpr GpDashStyle DashStyleDash = 1;
constexpr GpDashStyle DashStyleDot = 2;
constexpr GpDashStyle DashStyleDashDot = 3;
constexpr GpDashStyle DashStyleDashDotDot = 4;
constexpr GpDashStyle DashStyleCustom = 5;

using GpPenAlignment = int;
constexpr GpPenAlignment PenAlignmentCenter = 0;
constexpr GpPenAlignment PenAlignmentInset = 1;

using GpPenType = int;
constexpr GpPenType PenTypeSolidColor = 0;
constexpr GpPenType PenTypeHatchFill = 1;
constexpr GpPenType PenTypeTextureFill = 2;
constexpr GpPenType PenTypePathGradient = 3;
constexpr GpPenType PenTypeLinearGradient = 4;
constexpr GpPenType PenTypeUnknown = -1;

// Creation. The new pen is the caller's; release it with GdipDeletePen.
// Width may be 0 (the thinnest line the device draws) but not negative or
// not finite; unit is a GpUnit.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
// As GdipCreatePen1 with the pen filled by a copy of `brush` (the caller keeps it).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreatePen2(GpBrush* brush, REAL width, GpUnit unit, GpPen** pen);
// A new independent pen with every property of `pen`.
GDIP_EXPORT GpStatus WINGDIPAPI GdipClonePen(GpPen* pen, GpPen** clonepen);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeletePen(GpPen* pen);

// Width and unit.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenWidth(GpPen* pen, REAL width);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenWidth(GpPen* pen, REAL* width);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenUnit(GpPen* pen, GpUnit unit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenUnit(GpPen* pen, GpUnit* unit);

// Caps and joins. Line caps are the LineCap values (LineCapCustom only
// through a custom cap); dash caps are Flat, Round or Triangle.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenLineCap197819(GpPen* pen, GpLineCap startCap, GpLineCap endCap,
                                                        GpDashCap dashCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenStartCap(GpPen* pen, GpLineCap startCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenEndCap(GpPen* pen, GpLineCap endCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenDashCap197819(GpPen* pen, GpDashCap dashCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenStartCap(GpPen* pen, GpLineCap* startCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenEndCap(GpPen* pen, GpLineCap* endCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenDashCap197819(GpPen* pen, GpDashCap* dashCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenLineJoin(GpPen* pen, GpLineJoin lineJoin);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenLineJoin(GpPen* pen, GpLineJoin* lineJoin);
// The pen keeps its own copy of the cap; the start or end cap becomes LineCapCustom.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenCustomStartCap(GpPen* pen, GpCustomLineCap* customCap);
// A new copy of the pen's custom cap (the caller's; GdipDeleteCustomLineCap).
// A pen without one answers InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenCustomStartCap(GpPen* pen, GpCustomLineCap** customCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenCustomEndCap(GpPen* pen, GpCustomLineCap* customCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenCustomEndCap(GpPen* pen, GpCustomLineCap** customCap);
// Miter limit: ratio of the miter length to the pen width; at least 1.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenMiterLimit(GpPen* pen, REAL miterLimit);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenMiterLimit(GpPen* pen, REAL* miterLimit);
// Alignment: PenAlignmentCenter or PenAlignmentInset.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenMode(GpPen* pen, GpPenAlignment penMode);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenMode(GpPen* pen, GpPenAlignment* penMode);

// The pen's own transform, applied to its width and shape. The matrix
// arguments stay the caller's; GdipGetPenTransform fills the caller's matrix.
// Orders are MatrixOrderPrepend or MatrixOrderAppend; a singular matrix is refused.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenTransform(GpPen* pen, GpMatrix* matrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenTransform(GpPen* pen, GpMatrix* matrix);
GDIP_EXPORT GpStatus WINGDIPAPI GdipResetPenTransform(GpPen* pen);
GDIP_EXPORT GpStatus WINGDIPAPI GdipMultiplyPenTransform(GpPen* pen, GDIPCONST GpMatrix* matrix, GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipTranslatePenTransform(GpPen* pen, REAL dx, REAL dy, GpMatrixOrder order);
GDIP_EXPORT GpStatus WINGDIPAPI GdipScalePenTransform(GpPen* pen, REAL sx, REAL sy, GpMatrixOrder order);
// Angle in degrees, clockwise (y grows downward).
GDIP_EXPORT GpStatus WINGDIPAPI GdipRotatePenTransform(GpPen* pen, REAL angle, GpMatrixOrder order);

// Fill: a colour, or a copy of a brush. Setting the colour makes the pen a
// solid-colour pen again; reading the colour of a pen filled with another
// kind of brush gives WrongState.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenColor(GpPen* pen, ARGB argb);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenColor(GpPen* pen, ARGB* argb);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenBrushFill(GpPen* pen, GpBrush* brush);
// A new brush that fills like the pen (the caller's; GdipDeleteBrush).
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenBrushFill(GpPen* pen, GpBrush** brush);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenFillType(GpPen* pen, GpPenType* type);

// Dashes. Lengths are multiples of the pen width. A predefined style sets its
// pattern (Dash 3,1; Dot 1,1; DashDot 3,1,1,1; DashDotDot 3,1,1,1,1,1);
// a dash array (positive lengths) makes the style DashStyleCustom.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenDashStyle(GpPen* pen, GpDashStyle dashStyle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenDashStyle(GpPen* pen, GpDashStyle* dashStyle);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenDashOffset(GpPen* pen, REAL offset);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenDashOffset(GpPen* pen, REAL* offset);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenDashCount(GpPen* pen, INT* count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenDashArray(GpPen* pen, GDIPCONST REAL* dash, INT count);
// Copies the first `count` lengths; `count` larger than the pattern is InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenDashArray(GpPen* pen, REAL* dash, INT count);

// Compound lines: an even number of ascending positions in [0, 1] across the width.
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenCompoundCount(GpPen* pen, INT* count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetPenCompoundArray(GpPen* pen, GDIPCONST REAL* compound, INT count);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetPenCompoundArray(GpPen* pen, REAL* compound, INT count);

// Custom line caps: a fill path or a stroke path (copied; a stroke path wins
// when both are given), the base cap and how far the cap is set back.
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateCustomLineCap(GpPath* fillPath, GpPath* strokePath, GpLineCap baseCap,
                                                        REAL baseInset, GpCustomLineCap** customCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteCustomLineCap(GpCustomLineCap* customCap);
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneCustomLineCap(GpCustomLineCap* customCap, GpCustomLineCap** clonedCap);
