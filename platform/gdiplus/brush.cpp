#include "api/brush.h"

#include "objects/brush.h"
#include "status.h"

namespace engine {

QColor qColorFromArgb(ARGB argb) {
    return QColor::fromRgba(argb);  // QRgb is the same 0xAARRGGBB layout
}

}  // namespace engine

QBrush GpSolidFill::toQBrush() const {
    return QBrush(engine::qColorFromArgb(color));
}

GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush) {
    GP_CHECK_ARG(brush);
    *brush = new GpSolidFill(color);
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneBrush(GpBrush* brush, GpBrush** cloneBrush) {
    GpBrush* b = engine::lookup<GpBrush>(brush);
    GP_CHECK_ARG(b && cloneBrush);
    *cloneBrush = b->clone();
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* brush) {
    GpBrush* b = engine::lookup<GpBrush>(brush);
    GP_CHECK_ARG(b);
    delete b;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetBrushType(GpBrush* brush, GpBrushType* type) {
    GpBrush* b = engine::lookup<GpBrush>(brush);
    GP_CHECK_ARG(b && type);
    *type = b->type();
    return Ok;
}

GpStatus WINGDIPAPI GdipSetSolidFillColor(GpSolidFill* brush, ARGB color) {
    GpSolidFill* b = engine::lookup<GpSolidFill>(brush);
    GP_CHECK_ARG(b);
    b->color = color;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color) {
    GpSolidFill* b = engine::lookup<GpSolidFill>(brush);
    GP_CHECK_ARG(b && color);
    *color = b->color;
    return Ok;
}
