// Brushes: the common brush functions and solid fills.
#pragma once
#include "gdiplus_types.h"

using GpBrushType = int;
constexpr GpBrushType BrushTypeSolidColor = 0;
constexpr GpBrushType BrushTypeHatchFill = 1;
constexpr GpBrushType BrushTypeTextureFill = 2;
constexpr GpBrushType BrushTypePathGradient = 3;
constexpr GpBrushType BrushTypeLinearGradient = 4;

// A new independent brush like `brush` (the caller's; GdipDeleteBrush).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCloneBrush(GpBrush* brush, GpBrush** cloneBrush);
// Releases a brush of any kind.
GDIP_EXPORT GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* brush);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetBrushType(GpBrush* brush, GpBrushType* type);

// A new solid fill of colour `color` (the caller's; GdipDeleteBrush).
GDIP_EXPORT GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
// Colour of a solid fill; another kind of brush is InvalidParameter.
GDIP_EXPORT GpStatus WINGDIPAPI GdipSetSolidFillColor(GpSolidFill* brush, ARGB color);
GDIP_EXPORT GpStatus WINGDIPAPI GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color);
