#include "pen.h"

#include <limits>

#include "binding.h"

namespace graphics {

namespace {

GpMatrix* MatrixOf(const WrapperObject& w) {
    return static_cast<GpMatrix*>(w.GetHandle());
}

}  // namespace

Pen::~Pen() {
    if (pen) DeletePen();
}

void Pen::Destroy() {
    DeletePen();
}

std::unique_ptr<WrapperObject> Pen::Copy() const {
    auto copy = std::make_unique<Pen>();
    copy->handle = handle;
    copy->pen = pen;
    return copy;
}

void Pen::OnHandleSet(void* h) {
    pen = static_cast<GpPen*>(h);
}

bool Pen::DeletePen() {
    if (!pen) return false;
    const GpStatus status = GDIP(GdipDeletePen)(pen);
    SetHandle(nullptr);
    return Record(status);
}

bool Pen::CreatePen1(ARGB color, float width, Optional<int> unit) {
    if (pen) DeletePen();
    const GpStatus status = GDIP(GdipCreatePen1)(color, width, unit.value, &pen);
    SetHandle(pen);
    return Record(status);
}

bool Pen::CreatePen2(const WrapperObject& brush, float width, Optional<int> unit) {
    if (pen) DeletePen();
    const GpStatus status = GDIP(GdipCreatePen2)(static_cast<GpBrush*>(brush.GetHandle()), width, unit.value, &pen);
    SetHandle(pen);
    return Record(status);
}

bool Pen::ClonePen(Pen& target) {
    GpPen* clone = nullptr;
    const GpStatus status = GDIP(GdipClonePen)(pen, &clone);
    HandOver(target, clone);
    return Record(status);
}

float Pen::GetPenWidth() {
    REAL width = 0;
    Record(GDIP(GdipGetPenWidth)(pen, &width));
    return width;
}

bool Pen::SetPenWidth(float width) {
    return Record(GDIP(GdipSetPenWidth)(pen, width));
}

int Pen::GetPenUnit() {
    GpUnit unit = 0;
    Record(GDIP(GdipGetPenUnit)(pen, &unit));
    return unit;
}

bool Pen::SetPenUnit(float unit) {
    // Truncated toward zero. A value no integer holds (NaN, or beyond the
    // int range) becomes INT_MIN, as the processor's own conversion gives,
    // which names no unit, instead of undefined behaviour.
    const bool fits = unit >= -2147483648.0f && unit < 2147483648.0f;
    return Record(GDIP(GdipSetPenUnit)(pen, fits ? static_cast<GpUnit>(unit) : std::numeric_limits<GpUnit>::min()));
}

bool Pen::SetPenLineCap197819(int startCap, int endCap, int dashCap) {
    return Record(GDIP(GdipSetPenLineCap197819)(pen, startCap, endCap, dashCap));
}

bool Pen::SetPenStartCap(int startCap) {
    return Record(GDIP(GdipSetPenStartCap)(pen, startCap));
}

bool Pen::SetPenEndCap(int endCap) {
    return Record(GDIP(GdipSetPenEndCap)(pen, endCap));
}

bool Pen::SetPenDashCap197819(int dashCap) {
    return Record(GDIP(GdipSetPenDashCap197819)(pen, dashCap));
}

int Pen::GetPenStartCap() {
    GpLineCap cap = 0;
    Record(GDIP(GdipGetPenStartCap)(pen, &cap));
    return cap;
}

int Pen::GetPenEndCap() {
    GpLineCap cap = 0;
    Record(GDIP(GdipGetPenEndCap)(pen, &cap));
    return cap;
}

int Pen::GetPenDashCap197819() {
    GpDashCap cap = 0;
    Record(GDIP(GdipGetPenDashCap197819)(pen, &cap));
    return cap;
}

bool Pen::SetPenLineJoin(int lineJoin) {
    return Record(GDIP(GdipSetPenLineJoin)(pen, lineJoin));
}

int Pen::GetPenLineJoin() {
    GpLineJoin join = 0;
    Record(GDIP(GdipGetPenLineJoin)(pen, &join));
    return join;
}

bool Pen::SetPenCustomStartCap(const WrapperObject& customCap) {
    return Record(GDIP(GdipSetPenCustomStartCap)(pen, static_cast<GpCustomLineCap*>(customCap.GetHandle())));
}

bool Pen::GetPenCustomStartCap(WrapperObject& target) {
    GpCustomLineCap* cap = nullptr;
    const GpStatus status = GDIP(GdipGetPenCustomStartCap)(pen, &cap);
    HandOver(target, cap);
    return Record(status);
}

bool Pen::SetPenCustomEndCap(const WrapperObject& customCap) {
    return Record(GDIP(GdipSetPenCustomEndCap)(pen, static_cast<GpCustomLineCap*>(customCap.GetHandle())));
}

bool Pen::GetPenCustomEndCap(WrapperObject& target) {
    GpCustomLineCap* cap = nullptr;
    const GpStatus status = GDIP(GdipGetPenCustomEndCap)(pen, &cap);
    HandOver(target, cap);
    return Record(status);
}

bool Pen::SetPenMiterLimit(float miterLimit) {
    return Record(GDIP(GdipSetPenMiterLimit)(pen, miterLimit));
}

float Pen::GetPenMiterLimit() {
    REAL limit = 0;
    Record(GDIP(GdipGetPenMiterLimit)(pen, &limit));
    return limit;
}

bool Pen::SetPenMode(int penMode) {
    return Record(GDIP(GdipSetPenMode)(pen, penMode));
}

int Pen::GetPenMode() {
    GpPenAlignment mode = 0;
    Record(GDIP(GdipGetPenMode)(pen, &mode));
    return mode;
}

bool Pen::SetPenTransform(const WrapperObject& matrix) {
    return Record(GDIP(GdipSetPenTransform)(pen, MatrixOf(matrix)));
}

bool Pen::GetPenTransform(WrapperObject& target) {
    // The engine copies the transform into a matrix the caller made, so a
    // fresh one is made for the target; it is dropped again if the copy fails.
    GpMatrix* matrix = nullptr;
    GpStatus status = GDIP(GdipCreateMatrix)(&matrix);
    if (status == Ok) {
        status = GDIP(GdipGetPenTransform)(pen, matrix);
        if (status != Ok) {
            GDIP(GdipDeleteMatrix)(matrix);
            matrix = nullptr;
        }
    }
    HandOver(target, matrix);
    return Record(status);
}

bool Pen::ResetPenTransform() {
    return Record(GDIP(GdipResetPenTransform)(pen));
}

bool Pen::MultiplyPenTransform(const WrapperObject& matrix, Optional<int> order) {
    return Record(GDIP(GdipMultiplyPenTransform)(pen, MatrixOf(matrix), order.value));
}

bool Pen::RotatePenTransform(float angle, Optional<int> order) {
    return Record(GDIP(GdipRotatePenTransform)(pen, angle, order.value));
}

bool Pen::RotatePenTransformAt(float angle, const FloatPoint& point, Optional<int> order) {
    // Prepended steps run in reverse of their call order, appended ones in
    // call order: either way the point moves to the origin first.
    if (order.value == MatrixOrderPrepend) {
        TranslatePenTransform(point.x, point.y, 0);
        RotatePenTransform(angle, 0);
        return TranslatePenTransform(-point.x, -point.y, 0);
    }
    TranslatePenTransform(-point.x, -point.y, order.value);
    RotatePenTransform(angle, order.value);
    return TranslatePenTransform(point.x, point.y, order.value);
}

bool Pen::ScalePenTransform(float sx, float sy, Optional<int> order) {
    return Record(GDIP(GdipScalePenTransform)(pen, sx, sy, order.value));
}

bool Pen::ScalePenTransformAt(float sx, float sy, const FloatPoint& point, Optional<int> order) {
    if (order.value == MatrixOrderPrepend) {
        TranslatePenTransform(point.x, point.y, 0);
        ScalePenTransform(sx, sy, 0);
        return TranslatePenTransform(-point.x, -point.y, 0);
    }
    TranslatePenTransform(-point.x, -point.y, order.value);
    ScalePenTransform(sx, sy, order.value);
    return TranslatePenTransform(point.x, point.y, order.value);
}

bool Pen::TranslatePenTransform(float dx, float dy, Optional<int> order) {
    return Record(GDIP(GdipTranslatePenTransform)(pen, dx, dy, order.value));
}

ARGB Pen::GetPenColor() {
    ARGB color = 0;
    Record(GDIP(GdipGetPenColor)(pen, &color));
    return color;
}

bool Pen::SetPenColor(ARGB color) {
    return Record(GDIP(GdipSetPenColor)(pen, color));
}

bool Pen::SetPenBrushFill(const WrapperObject& brush) {
    return Record(GDIP(GdipSetPenBrushFill)(pen, static_cast<GpBrush*>(brush.GetHandle())));
}

bool Pen::GetPenBrushFill(WrapperObject& target) {
    GpBrush* brush = nullptr;
    const GpStatus status = GDIP(GdipGetPenBrushFill)(pen, &brush);
    HandOver(target, brush);
    return Record(status);
}

int Pen::GetPenFillType() {
    GpPenType type = 0;
    Record(GDIP(GdipGetPenFillType)(pen, &type));
    return type;
}

bool Pen::SetPenDashStyle(int dashStyle) {
    return Record(GDIP(GdipSetPenDashStyle)(pen, dashStyle));
}

int Pen::GetPenDashStyle() {
    GpDashStyle style = 0;
    Record(GDIP(GdipGetPenDashStyle)(pen, &style));
    return style;
}

float Pen::GetPenDashOffset() {
    REAL offset = 0;
    Record(GDIP(GdipGetPenDashOffset)(pen, &offset));
    return offset;
}

bool Pen::SetPenDashOffset(float offset) {
    return Record(GDIP(GdipSetPenDashOffset)(pen, offset));
}

int Pen::GetPenDashArray(std::vector<float>& dashes) {
    INT count = 0;
    if (!Record(GDIP(GdipGetPenDashCount)(pen, &count))) return 0;
    dashes.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0f);
    Record(GDIP(GdipGetPenDashArray)(pen, dashes.data(), count));
    return count;
}

bool Pen::SetPenDashArray(const std::vector<float>& dashes) {
    return Record(GDIP(GdipSetPenDashArray)(pen, dashes.data(), static_cast<INT>(dashes.size())));
}

bool Pen::SetPenCompoundArray(const std::vector<float>& compound) {
    return Record(GDIP(GdipSetPenCompoundArray)(pen, compound.data(), static_cast<INT>(compound.size())));
}

int Pen::GetPenCompoundArray(std::vector<float>& compound) {
    INT count = 0;
    if (!Record(GDIP(GdipGetPenCompoundCount)(pen, &count))) return 0;
    compound.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0f);
    Record(GDIP(GdipGetPenCompoundArray)(pen, compound.data(), count));
    return count;
}

bool Pen::IsValid() {
    return pen != nullptr;
}

}  // namespace graphics
