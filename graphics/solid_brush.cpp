#include "solid_brush.h"

#include "binding.h"

namespace graphics {

void Brush::OnHandleSet(void* h) {
    brush = static_cast<GpBrush*>(h);
    OnDerivedHandleSet(h);
}

bool Brush::DeleteBrush() {
    if (!solidBrush) return false;
    const GpStatus status = GDIP(GdipDeleteBrush)(reinterpret_cast<GpBrush*>(solidBrush));
    SetHandle(nullptr);
    return Record(status);
}

bool Brush::CloneBrush(WrapperObject& target) {
    GpBrush* clone = nullptr;
    const GpStatus status = GDIP(GdipCloneBrush)(brush, &clone);
    HandOver(target, clone);
    return Record(status);
}

int Brush::GetBrushType() {
    GpBrushType type = 0;
    Record(GDIP(GdipGetBrushType)(brush, &type));
    return type;
}

bool Brush::IsValid() {
    return solidBrush != nullptr;
}

SolidBrush::~SolidBrush() {
    if (solidBrush) DeleteBrush();
}

void SolidBrush::Destroy() {
    DeleteBrush();
    Brush::DeleteBrush();
}

std::unique_ptr<WrapperObject> SolidBrush::Copy() const {
    auto copy = std::make_unique<SolidBrush>();
    copy->handle = handle;
    copy->brush = brush;
    copy->solidBrush = solidBrush;
    return copy;
}

void SolidBrush::OnDerivedHandleSet(void* h) {
    solidBrush = static_cast<GpSolidFill*>(h);
}

bool SolidBrush::CreateSolidFill(ARGB color) {
    if (solidBrush) DeleteBrush();
    const GpStatus status = GDIP(GdipCreateSolidFill)(color, &solidBrush);
    SetHandle(solidBrush);
    return Record(status);
}

bool SolidBrush::SetSolidFillColor(ARGB color) {
    return Record(GDIP(GdipSetSolidFillColor)(solidBrush, color));
}

ARGB SolidBrush::GetSolidFillColor() {
    ARGB color = 0;
    Record(GDIP(GdipGetSolidFillColor)(solidBrush, &color));
    return color;
}

}  // namespace graphics
