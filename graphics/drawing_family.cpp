#include "drawing_family.h"

#include <cmath>

#include "binding.h"
#include "win32/code_page.h"

namespace graphics {

namespace {

template <class T>
T* as(const WrapperObject& wrapper) {
    return static_cast<T*>(wrapper.GetHandle());
}

GpRectF toGp(const FloatRect& r) {
    return {r.x, r.y, r.width, r.height};
}
GpRect toGp(const IntRect& r) {
    return {r.x, r.y, r.width, r.height};
}
GpPointF toGp(FloatPoint p) {
    return {p.x, p.y};
}
GpPoint toGp(IntPoint p) {
    return {p.x, p.y};
}
FloatPoint fromGp(GpPointF p) {
    return {p.X, p.Y};
}
IntPoint fromGp(GpPoint p) {
    return {p.X, p.Y};
}

// The records copied into one block for the engine, and back after the call.
template <class Record>
struct Block {
    using Gp = decltype(toGp(Record{}));
    explicit Block(const std::vector<Record>& records) {
        data.reserve(records.size());
        for (const Record& r : records) data.push_back(toGp(r));
    }
    void copyBack(std::vector<Record>& records) const {
        for (size_t i = 0; i < records.size(); ++i) records[i] = fromGp(data[i]);
    }
    Gp* get() { return data.data(); }
    INT count() const { return static_cast<INT>(data.size()); }
    std::vector<Gp> data;
};

// UTF-16 bytes as a zero-terminated string, whatever the caller's bytes end in.
std::vector<WCHAR> terminated(const ByteArray& bytes) {
    std::vector<WCHAR> units(bytes.size() / 2 + 1, 0);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) units[i / 2] = WCHAR(bytes[i] | (bytes[i + 1] << 8));
    return units;
}

// The target releases what it holds, then owns `object`.
void handOver(WrapperObject& target, void* object) {
    if (target.GetHandle()) target.Destroy();
    target.SetHandle(object);
}

int orDefault(const Optional<int>& value, int fallback) {
    return value.given ? value.value : fallback;
}

}  // namespace

// --- Whole surface and resolution -------------------------------------------

bool DrawingFamily::GraphicsClear(Optional<ARGB> color) {
    return Record(GDIP(GdipGraphicsClear)(DrawingContext(), color.value));
}

float DrawingFamily::GetDpiX() {
    REAL dpi = 0;
    Record(GDIP(GdipGetDpiX)(DrawingContext(), &dpi));
    return dpi;
}

float DrawingFamily::GetDpiY() {
    REAL dpi = 0;
    Record(GDIP(GdipGetDpiY)(DrawingContext(), &dpi));
    return dpi;
}

// --- Settings and transforms ------------------------------------------------

void DrawingFamily::Flush(Optional<int> intention) {
    Record(GDIP(GdipFlush)(DrawingContext(), intention.value));
}

int DrawingFamily::GetCompositingMode() {
    CompositingMode mode = 0;
    Record(GDIP(GdipGetCompositingMode)(DrawingContext(), &mode));
    return mode;
}

bool DrawingFamily::SetCompositingMode(int mode) {
    return Record(GDIP(GdipSetCompositingMode)(DrawingContext(), mode));
}

bool DrawingFamily::GetRenderingOrigin(int& x, int& y) {
    return Record(GDIP(GdipGetRenderingOrigin)(DrawingContext(), &x, &y));
}

bool DrawingFamily::SetRenderingOrigin(int x, int y) {
    return Record(GDIP(GdipSetRenderingOrigin)(DrawingContext(), x, y));
}

int DrawingFamily::GetCompositingQuality() {
    CompositingQuality quality = 0;
    Record(GDIP(GdipGetCompositingQuality)(DrawingContext(), &quality));
    return quality;
}

bool DrawingFamily::SetCompositingQuality(int quality) {
    return Record(GDIP(GdipSetCompositingQuality)(DrawingContext(), quality));
}

bool DrawingFamily::SetSmoothingMode(int mode) {
    return Record(GDIP(GdipSetSmoothingMode)(DrawingContext(), mode));
}

int DrawingFamily::GetSmoothingMode() {
    SmoothingMode mode = 0;
    Record(GDIP(GdipGetSmoothingMode)(DrawingContext(), &mode));
    return mode;
}

bool DrawingFamily::SetTextRenderingHint(int hint) {
    return Record(GDIP(GdipSetTextRenderingHint)(DrawingContext(), hint));
}

int DrawingFamily::GetTextRenderingHint() {
    TextRenderingHint hint = 0;
    Record(GDIP(GdipGetTextRenderingHint)(DrawingContext(), &hint));
    return hint;
}

bool DrawingFamily::SetInterpolationMode(int mode) {
    return Record(GDIP(GdipSetInterpolationMode)(DrawingContext(), mode));
}

int DrawingFamily::GetInterpolationMode() {
    InterpolationMode mode = 0;
    Record(GDIP(GdipGetInterpolationMode)(DrawingContext(), &mode));
    return mode;
}

bool DrawingFamily::SetPixelOffsetMode(int mode) {
    return Record(GDIP(GdipSetPixelOffsetMode)(DrawingContext(), mode));
}

int DrawingFamily::GetPixelOffsetMode() {
    PixelOffsetMode mode = 0;
    Record(GDIP(GdipGetPixelOffsetMode)(DrawingContext(), &mode));
    return mode;
}

bool DrawingFamily::SetWorldTransform(const WrapperObject& matrix) {
    return Record(GDIP(GdipSetWorldTransform)(DrawingContext(), as<GpMatrix>(matrix)));
}

bool DrawingFamily::GetWorldTransform(WrapperObject& target) {
    // The engine copies the transform into an existing matrix, so the getter
    // makes one to receive it; the target owns it only when the copy worked.
    GpMatrix* matrix = nullptr;
    if (!Record(GDIP(GdipCreateMatrix)(&matrix))) return false;
    const GpStatus status = GDIP(GdipGetWorldTransform)(DrawingContext(), matrix);
    if (status != Ok) {
        GDIP(GdipDeleteMatrix)(matrix);
        return Record(status);
    }
    handOver(target, matrix);
    return Record(status);
}

bool DrawingFamily::ResetWorldTransform() {
    return Record(GDIP(GdipResetWorldTransform)(DrawingContext()));
}

bool DrawingFamily::MultiplyWorldTransform(const WrapperObject& matrix, Optional<int> order) {
    return Record(GDIP(GdipMultiplyWorldTransform)(DrawingContext(), as<GpMatrix>(matrix), order.value));
}

bool DrawingFamily::TranslateWorldTransform(float dx, float dy, Optional<int> order) {
    return Record(GDIP(GdipTranslateWorldTransform)(DrawingContext(), dx, dy, order.value));
}

bool DrawingFamily::ScaleWorldTransform(float sx, float sy, Optional<int> order) {
    return Record(GDIP(GdipScaleWorldTransform)(DrawingContext(), sx, sy, order.value));
}

bool DrawingFamily::ScaleWorldTransformAt(float sx, float sy, FloatPoint point, Optional<int> order) {
    // Prepended, the first translation acts last; appended, first. Either
    // way the point stays where it is. All three calls run.
    const int o = order.value;
    const float sign = o == MatrixOrderPrepend ? 1.0f : -1.0f;
    Record(GDIP(GdipTranslateWorldTransform)(DrawingContext(), sign * point.x, sign * point.y, o));
    Record(GDIP(GdipScaleWorldTransform)(DrawingContext(), sx, sy, o));
    return Record(GDIP(GdipTranslateWorldTransform)(DrawingContext(), -sign * point.x, -sign * point.y, o));
}

bool DrawingFamily::RotateWorldTransform(float angle, Optional<int> order) {
    return Record(GDIP(GdipRotateWorldTransform)(DrawingContext(), angle, order.value));
}

bool DrawingFamily::RotateWorldTransformAt(float angle, FloatPoint point, Optional<int> order) {
    const int o = order.value;
    const float sign = o == MatrixOrderPrepend ? 1.0f : -1.0f;
    Record(GDIP(GdipTranslateWorldTransform)(DrawingContext(), sign * point.x, sign * point.y, o));
    Record(GDIP(GdipRotateWorldTransform)(DrawingContext(), angle, o));
    return Record(GDIP(GdipTranslateWorldTransform)(DrawingContext(), -sign * point.x, -sign * point.y, o));
}

bool DrawingFamily::SetPageUnit(int unit) {
    return Record(GDIP(GdipSetPageUnit)(DrawingContext(), unit));
}

int DrawingFamily::GetPageUnit() {
    GpUnit unit = 0;
    Record(GDIP(GdipGetPageUnit)(DrawingContext(), &unit));
    return unit;
}

bool DrawingFamily::SetPageScale(float scale) {
    return Record(GDIP(GdipSetPageScale)(DrawingContext(), scale));
}

float DrawingFamily::GetPageScale() {
    REAL scale = 0;
    Record(GDIP(GdipGetPageScale)(DrawingContext(), &scale));
    return scale;
}

// --- Points, lines, curves, shapes and fills ----------------------------------

bool DrawingFamily::TransformPoints(int destSpace, int srcSpace, std::vector<FloatPoint>& points) {
    Block block(points);
    const bool ok = Record(GDIP(GdipTransformPoints)(DrawingContext(), destSpace, srcSpace, block.get(), block.count()));
    block.copyBack(points);
    return ok;
}

bool DrawingFamily::TransformPointsI(int destSpace, int srcSpace, std::vector<IntPoint>& points) {
    Block block(points);
    const bool ok =
        Record(GDIP(GdipTransformPointsI)(DrawingContext(), destSpace, srcSpace, block.get(), block.count()));
    block.copyBack(points);
    return ok;
}

ARGB DrawingFamily::GetNearestColor(ARGB color) {
    ARGB nearest = color;
    if (!Record(GDIP(GdipGetNearestColor)(DrawingContext(), &nearest))) return 0;
    return nearest;
}

bool DrawingFamily::DrawLine(const WrapperObject& pen, float x1, float y1, float x2, float y2) {
    return Record(GDIP(GdipDrawLine)(DrawingContext(), as<GpPen>(pen), x1, y1, x2, y2));
}

bool DrawingFamily::DrawLineI(const WrapperObject& pen, int x1, int y1, int x2, int y2) {
    return Record(GDIP(GdipDrawLineI)(DrawingContext(), as<GpPen>(pen), x1, y1, x2, y2));
}

bool DrawingFamily::DrawLines(const WrapperObject& pen, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawLines)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawLinesI(const WrapperObject& pen, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawLinesI)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawArc(const WrapperObject& pen, float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    return Record(
        GDIP(GdipDrawArc)(DrawingContext(), as<GpPen>(pen), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::DrawArcI(const WrapperObject& pen, int x, int y, int width, int height, float startAngle,
                             float sweepAngle) {
    return Record(
        GDIP(GdipDrawArcI)(DrawingContext(), as<GpPen>(pen), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::DrawBezier(const WrapperObject& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                               float x4, float y4) {
    return Record(GDIP(GdipDrawBezier)(DrawingContext(), as<GpPen>(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool DrawingFamily::DrawBezierI(const WrapperObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                                int y4) {
    return Record(GDIP(GdipDrawBezierI)(DrawingContext(), as<GpPen>(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool DrawingFamily::DrawBeziers(const WrapperObject& pen, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawBeziers)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawBeziersI(const WrapperObject& pen, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawBeziersI)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawRectangle(const WrapperObject& pen, float x, float y, float width, float height) {
    return Record(GDIP(GdipDrawRectangle)(DrawingContext(), as<GpPen>(pen), x, y, width, height));
}

bool DrawingFamily::DrawRectangleI(const WrapperObject& pen, int x, int y, int width, int height) {
    return Record(GDIP(GdipDrawRectangleI)(DrawingContext(), as<GpPen>(pen), x, y, width, height));
}

bool DrawingFamily::DrawRectangles(const WrapperObject& pen, const std::vector<FloatRect>& rects) {
    std::vector<GpRectF> block;
    for (const FloatRect& r : rects) block.push_back(toGp(r));
    return Record(GDIP(GdipDrawRectangles)(DrawingContext(), as<GpPen>(pen), block.data(), INT(block.size())));
}

bool DrawingFamily::DrawRectanglesI(const WrapperObject& pen, const std::vector<IntRect>& rects) {
    std::vector<GpRect> block;
    for (const IntRect& r : rects) block.push_back(toGp(r));
    return Record(GDIP(GdipDrawRectanglesI)(DrawingContext(), as<GpPen>(pen), block.data(), INT(block.size())));
}

bool DrawingFamily::DrawEllipse(const WrapperObject& pen, float x, float y, float width, float height) {
    return Record(GDIP(GdipDrawEllipse)(DrawingContext(), as<GpPen>(pen), x, y, width, height));
}

bool DrawingFamily::DrawEllipseI(const WrapperObject& pen, int x, int y, int width, int height) {
    return Record(GDIP(GdipDrawEllipseI)(DrawingContext(), as<GpPen>(pen), x, y, width, height));
}

bool DrawingFamily::DrawPie(const WrapperObject& pen, float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    return Record(
        GDIP(GdipDrawPie)(DrawingContext(), as<GpPen>(pen), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::DrawPieI(const WrapperObject& pen, int x, int y, int width, int height, float startAngle,
                             float sweepAngle) {
    return Record(
        GDIP(GdipDrawPieI)(DrawingContext(), as<GpPen>(pen), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::DrawPolygon(const WrapperObject& pen, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawPolygon)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawPolygonI(const WrapperObject& pen, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawPolygonI)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawPath(const WrapperObject& pen, const WrapperObject& path) {
    return Record(GDIP(GdipDrawPath)(DrawingContext(), as<GpPen>(pen), as<GpPath>(path)));
}

bool DrawingFamily::DrawCurve(const WrapperObject& pen, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawCurve)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawCurveI(const WrapperObject& pen, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawCurveI)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawCurve2(const WrapperObject& pen, const std::vector<FloatPoint>& points, float tension) {
    Block block(points);
    return Record(GDIP(GdipDrawCurve2)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), tension));
}

bool DrawingFamily::DrawCurve2I(const WrapperObject& pen, const std::vector<IntPoint>& points, float tension) {
    Block block(points);
    return Record(GDIP(GdipDrawCurve2I)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), tension));
}

bool DrawingFamily::DrawCurve3(const WrapperObject& pen, const std::vector<FloatPoint>& points, int offset,
                               int segments, float tension) {
    Block block(points);
    return Record(GDIP(GdipDrawCurve3)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), offset, segments,
                                       tension));
}

bool DrawingFamily::DrawCurve3I(const WrapperObject& pen, const std::vector<IntPoint>& points, int offset,
                                int segments, float tension) {
    Block block(points);
    return Record(GDIP(GdipDrawCurve3I)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), offset,
                                        segments, tension));
}

bool DrawingFamily::DrawClosedCurve(const WrapperObject& pen, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawClosedCurve)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawClosedCurveI(const WrapperObject& pen, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipDrawClosedCurveI)(DrawingContext(), as<GpPen>(pen), block.get(), block.count()));
}

bool DrawingFamily::DrawClosedCurve2(const WrapperObject& pen, const std::vector<FloatPoint>& points,
                                     float tension) {
    Block block(points);
    return Record(
        GDIP(GdipDrawClosedCurve2)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), tension));
}

bool DrawingFamily::DrawClosedCurve2I(const WrapperObject& pen, const std::vector<IntPoint>& points,
                                      float tension) {
    Block block(points);
    return Record(
        GDIP(GdipDrawClosedCurve2I)(DrawingContext(), as<GpPen>(pen), block.get(), block.count(), tension));
}

bool DrawingFamily::FillRectangle(const WrapperObject& brush, float x, float y, float width, float height) {
    return Record(GDIP(GdipFillRectangle)(DrawingContext(), as<GpBrush>(brush), x, y, width, height));
}

bool DrawingFamily::FillRectangle(const WrapperObject& brush, const FloatRect& rect) {
    return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool DrawingFamily::FillRectangleI(const WrapperObject& brush, int x, int y, int width, int height) {
    return Record(GDIP(GdipFillRectangleI)(DrawingContext(), as<GpBrush>(brush), x, y, width, height));
}

bool DrawingFamily::FillRectangles(const WrapperObject& brush, const std::vector<FloatRect>& rects) {
    std::vector<GpRectF> block;
    for (const FloatRect& r : rects) block.push_back(toGp(r));
    return Record(GDIP(GdipFillRectangles)(DrawingContext(), as<GpBrush>(brush), block.data(), INT(block.size())));
}

bool DrawingFamily::FillRectanglesI(const WrapperObject& brush, const std::vector<IntRect>& rects) {
    std::vector<GpRect> block;
    for (const IntRect& r : rects) block.push_back(toGp(r));
    return Record(GDIP(GdipFillRectanglesI)(DrawingContext(), as<GpBrush>(brush), block.data(), INT(block.size())));
}

bool DrawingFamily::FillPolygon(const WrapperObject& brush, const std::vector<FloatPoint>& points,
                                Optional<int> fillMode) {
    Block block(points);
    return Record(
        GDIP(GdipFillPolygon)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count(), fillMode.value));
}

bool DrawingFamily::FillPolygonI(const WrapperObject& brush, const std::vector<IntPoint>& points,
                                 Optional<int> fillMode) {
    Block block(points);
    return Record(
        GDIP(GdipFillPolygonI)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count(), fillMode.value));
}

bool DrawingFamily::FillEllipse(const WrapperObject& brush, float x, float y, float width, float height) {
    return Record(GDIP(GdipFillEllipse)(DrawingContext(), as<GpBrush>(brush), x, y, width, height));
}

bool DrawingFamily::FillEllipseI(const WrapperObject& brush, int x, int y, int width, int height) {
    return Record(GDIP(GdipFillEllipseI)(DrawingContext(), as<GpBrush>(brush), x, y, width, height));
}

bool DrawingFamily::FillPie(const WrapperObject& brush, float x, float y, float width, float height,
                            float startAngle, float sweepAngle) {
    return Record(
        GDIP(GdipFillPie)(DrawingContext(), as<GpBrush>(brush), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::FillPieI(const WrapperObject& brush, int x, int y, int width, int height, float startAngle,
                             float sweepAngle) {
    return Record(
        GDIP(GdipFillPieI)(DrawingContext(), as<GpBrush>(brush), x, y, width, height, startAngle, sweepAngle));
}

bool DrawingFamily::FillPath(const WrapperObject& brush, const WrapperObject& path) {
    return Record(GDIP(GdipFillPath)(DrawingContext(), as<GpBrush>(brush), as<GpPath>(path)));
}

bool DrawingFamily::FillClosedCurve(const WrapperObject& brush, const std::vector<FloatPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipFillClosedCurve)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count()));
}

bool DrawingFamily::FillClosedCurve2(const WrapperObject& brush, const std::vector<FloatPoint>& points,
                                     float tension, Optional<int> fillMode) {
    Block block(points);
    return Record(GDIP(GdipFillClosedCurve2)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count(),
                                             tension, fillMode.value));
}

bool DrawingFamily::FillClosedCurveI(const WrapperObject& brush, const std::vector<IntPoint>& points) {
    Block block(points);
    return Record(GDIP(GdipFillClosedCurveI)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count()));
}

bool DrawingFamily::FillClosedCurve2I(const WrapperObject& brush, const std::vector<IntPoint>& points,
                                      float tension, Optional<int> fillMode) {
    Block block(points);
    return Record(GDIP(GdipFillClosedCurve2I)(DrawingContext(), as<GpBrush>(brush), block.get(), block.count(),
                                              tension, fillMode.value));
}

bool DrawingFamily::FillRegion(const WrapperObject& brush, const WrapperObject& region) {
    return Record(GDIP(GdipFillRegion)(DrawingContext(), as<GpBrush>(brush), as<GpRegion>(region)));
}

// --- Text ---------------------------------------------------------------------

bool DrawingFamily::DrawString(const std::string& text, const WrapperObject& font, const WrapperObject& brush,
                               const FloatRect& layout, const WrapperObject& format) {
    const ByteArray wide = TextToWide(text);
    const GpRectF rect = toGp(layout);
    return Record(GDIP(GdipDrawString)(DrawingContext(), AsWide(wide), lstrlenW(AsWide(wide)), as<GpFont>(font),
                                       &rect, as<GpStringFormat>(format), as<GpBrush>(brush)));
}

bool DrawingFamily::DrawStringW(const ByteArray& text, const WrapperObject& font, const WrapperObject& brush,
                                const FloatRect& layout, const WrapperObject& format) {
    const std::vector<WCHAR> wide = terminated(text);
    const GpRectF rect = toGp(layout);
    return Record(GDIP(GdipDrawString)(DrawingContext(), wide.data(), lstrlenW(wide.data()), as<GpFont>(font), &rect,
                                       as<GpStringFormat>(format), as<GpBrush>(brush)));
}

bool DrawingFamily::MeasureString(const std::string& text, const WrapperObject& font, const FloatRect& layout,
                                  const WrapperObject& format, FloatRect& boundingBox) {
    const ByteArray wide = TextToWide(text);
    const GpRectF rect = toGp(layout);
    GpRectF box = toGp(boundingBox);
    const bool ok = Record(GDIP(GdipMeasureString)(DrawingContext(), AsWide(wide), lstrlenW(AsWide(wide)),
                                                   as<GpFont>(font), &rect, as<GpStringFormat>(format), &box,
                                                   nullptr, nullptr));
    boundingBox = {box.X, box.Y, box.Width, box.Height};
    return ok;
}

bool DrawingFamily::MeasureStringW(const ByteArray& text, const WrapperObject& font, const FloatRect& layout,
                                   const WrapperObject& format, FloatRect& boundingBox) {
    const std::vector<WCHAR> wide = terminated(text);
    const GpRectF rect = toGp(layout);
    GpRectF box = toGp(boundingBox);
    const bool ok =
        Record(GDIP(GdipMeasureString)(DrawingContext(), wide.data(), lstrlenW(wide.data()), as<GpFont>(font), &rect,
                                       as<GpStringFormat>(format), &box, nullptr, nullptr));
    boundingBox = {box.X, box.Y, box.Width, box.Height};
    return ok;
}

bool DrawingFamily::MeasureRanges(const ByteArray& text, const WrapperObject& font, const FloatRect& layout,
                                  const WrapperObject& format, int count, std::vector<void*>& regions) {
    if (count < 1) return Record(InvalidParameter);
    std::vector<GpRegion*> made;
    for (int i = 0; i < count; ++i) {
        GpRegion* region = nullptr;
        const GpStatus status = GDIP(GdipCreateRegion)(&region);
        if (status != Ok) {
            for (GpRegion* r : made) GDIP(GdipDeleteRegion)(r);
            return Record(status);
        }
        made.push_back(region);
    }
    const std::vector<WCHAR> wide = terminated(text);
    const GpRectF rect = toGp(layout);
    const GpStatus status =
        GDIP(GdipMeasureCharacterRanges)(DrawingContext(), wide.data(), lstrlenW(wide.data()), as<GpFont>(font), rect,
                                         as<GpStringFormat>(format), count, made.data());
    if (status != Ok) {
        for (GpRegion* r : made) GDIP(GdipDeleteRegion)(r);
        return Record(status);
    }
    regions.assign(made.begin(), made.end());
    return Record(status);
}

bool DrawingFamily::DrawDriverString(const std::string& text, const WrapperObject& font, const WrapperObject& brush,
                                     const std::vector<FloatPoint>& positions, Optional<int> flags,
                                     const WrapperObject& matrix) {
    return DrawDriverStringW(TextToWide(text), font, brush, positions, flags, matrix);
}

bool DrawingFamily::DrawDriverStringW(const ByteArray& text, const WrapperObject& font, const WrapperObject& brush,
                                      const std::vector<FloatPoint>& positions, Optional<int> flags,
                                      const WrapperObject& matrix) {
    const std::vector<WCHAR> wide = terminated(text);
    Block block(positions);
    const INT length = lstrlenW(wide.data());
    return Record(GDIP(GdipDrawDriverString)(DrawingContext(), reinterpret_cast<const UINT16*>(wide.data()), length,
                                             as<GpFont>(font), as<GpBrush>(brush), block.get(),
                                             orDefault(flags, DriverStringOptionsCmapLookup), as<GpMatrix>(matrix)));
}

bool DrawingFamily::SetTextContrast(unsigned contrast) {
    return Record(GDIP(GdipSetTextContrast)(DrawingContext(), contrast));
}

unsigned DrawingFamily::GetTextContrast() {
    UINT contrast = 0;
    Record(GDIP(GdipGetTextContrast)(DrawingContext(), &contrast));
    return contrast;
}

// --- Images ---------------------------------------------------------------------

namespace {

// The image's own size, as its GetImageWidth and GetImageHeight read it.
void imageSize(const WrapperObject& image, UINT& width, UINT& height) {
    width = height = 0;
    Record(GDIP(GdipGetImageWidth)(as<GpImage>(image), &width));
    Record(GDIP(GdipGetImageHeight)(as<GpImage>(image), &height));
}

}  // namespace

bool DrawingFamily::DrawImageRect(const WrapperObject& image, Optional<float> x, Optional<float> y) {
    UINT width, height;
    imageSize(image, width, height);
    return Record(GDIP(GdipDrawImageRect)(DrawingContext(), as<GpImage>(image), x.value, y.value, REAL(width),
                                          REAL(height)));
}

bool DrawingFamily::DrawImageRectI(const WrapperObject& image, Optional<int> x, Optional<int> y) {
    UINT width, height;
    imageSize(image, width, height);
    return Record(GDIP(GdipDrawImageRectI)(DrawingContext(), as<GpImage>(image), x.value, y.value, INT(width),
                                           INT(height)));
}

bool DrawingFamily::DrawImage(const WrapperObject& image, Optional<float> x, Optional<float> y) {
    return Record(GDIP(GdipDrawImage)(DrawingContext(), as<GpImage>(image), x.value, y.value));
}

bool DrawingFamily::DrawImageI(const WrapperObject& image, Optional<int> x, Optional<int> y) {
    return Record(GDIP(GdipDrawImageI)(DrawingContext(), as<GpImage>(image), x.value, y.value));
}

bool DrawingFamily::DrawCachedBitmap(const WrapperObject& cachedBitmap, float x, float y) {
    return Record(GDIP(GdipDrawCachedBitmap)(DrawingContext(), as<GpCachedBitmap>(cachedBitmap), INT(x), INT(y)));
}

bool DrawingFamily::DrawImageRectRect(const WrapperObject& image, float x, float y, float width, float height,
                                      Optional<int> srcUnit) {
    UINT w, h;
    imageSize(image, w, h);
    return Record(GDIP(GdipDrawImageRectRect)(DrawingContext(), as<GpImage>(image), x, y, width, height, 0, 0, REAL(w),
                                              REAL(h), orDefault(srcUnit, UnitPixel), nullptr, nullptr, nullptr));
}

bool DrawingFamily::DrawImageRectRectI(const WrapperObject& image, int x, int y, int width, int height,
                                       Optional<int> srcUnit) {
    UINT w, h;
    imageSize(image, w, h);
    return Record(GDIP(GdipDrawImageRectRectI)(DrawingContext(), as<GpImage>(image), x, y, width, height, 0, 0,
                                               INT(w), INT(h), orDefault(srcUnit, UnitPixel), nullptr, nullptr,
                                               nullptr));
}

bool DrawingFamily::DrawImagePoints(const WrapperObject& image, float x1, float y1, float x2, float y2, float x3,
                                    float y3) {
    const GpPointF block[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Record(GDIP(GdipDrawImagePoints)(DrawingContext(), as<GpImage>(image), block, 3));
}

bool DrawingFamily::DrawImagePointsI(const WrapperObject& image, int x1, int y1, int x2, int y2, int x3, int y3) {
    const GpPoint block[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Record(GDIP(GdipDrawImagePointsI)(DrawingContext(), as<GpImage>(image), block, 3));
}

bool DrawingFamily::DrawImagePointRect(const WrapperObject& image, float x, float y, float srcX, float srcY,
                                       float srcWidth, float srcHeight, Optional<int> srcUnit) {
    return Record(GDIP(GdipDrawImagePointRect)(DrawingContext(), as<GpImage>(image), x, y, srcX, srcY, srcWidth,
                                               srcHeight, orDefault(srcUnit, UnitPixel)));
}

bool DrawingFamily::DrawImagePointRectI(const WrapperObject& image, int x, int y, int srcX, int srcY, int srcWidth,
                                        int srcHeight, Optional<int> srcUnit) {
    return Record(GDIP(GdipDrawImagePointRectI)(DrawingContext(), as<GpImage>(image), x, y, srcX, srcY, srcWidth,
                                                srcHeight, orDefault(srcUnit, UnitPixel)));
}

bool DrawingFamily::DrawImageRectRect(const WrapperObject& image, const FloatRect& d, const FloatRect& s,
                                      Optional<int> srcUnit, const WrapperObject& attributes) {
    return Record(GDIP(GdipDrawImageRectRect)(DrawingContext(), as<GpImage>(image), d.x, d.y, d.width, d.height, s.x,
                                              s.y, s.width, s.height, orDefault(srcUnit, UnitPixel),
                                              as<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool DrawingFamily::DrawImageRectRectI(const WrapperObject& image, const IntRect& d, const IntRect& s,
                                       Optional<int> srcUnit, const WrapperObject& attributes) {
    return Record(GDIP(GdipDrawImageRectRectI)(DrawingContext(), as<GpImage>(image), d.x, d.y, d.width, d.height,
                                               s.x, s.y, s.width, s.height, orDefault(srcUnit, UnitPixel),
                                               as<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool DrawingFamily::DrawImagePointsRect(const WrapperObject& image, float x1, float y1, float x2, float y2, float x3,
                                        float y3, float srcX, float srcY, float srcWidth, float srcHeight,
                                        Optional<int> srcUnit, const WrapperObject& attributes) {
    const GpPointF block[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Record(GDIP(GdipDrawImagePointsRect)(DrawingContext(), as<GpImage>(image), block, 3, srcX, srcY, srcWidth,
                                                srcHeight, orDefault(srcUnit, UnitPixel),
                                                as<GpImageAttributes>(attributes), nullptr, nullptr));
}

bool DrawingFamily::DrawImagePointsRectI(const WrapperObject& image, int x1, int y1, int x2, int y2, int x3, int y3,
                                         int srcX, int srcY, int srcWidth, int srcHeight, Optional<int> srcUnit,
                                         const WrapperObject& attributes) {
    const GpPoint block[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Record(GDIP(GdipDrawImagePointsRectI)(DrawingContext(), as<GpImage>(image), block, 3, srcX, srcY,
                                                 srcWidth, srcHeight, orDefault(srcUnit, UnitPixel),
                                                 as<GpImageAttributes>(attributes), nullptr, nullptr));
}

// --- Metafile playback --------------------------------------------------------------

bool DrawingFamily::EnumerateMetafileDestPoint(const WrapperObject& metafile, FloatPoint dest,
                                               EnumerateMetafileProc callback, void* data,
                                               const WrapperObject& attributes) {
    const GpPointF point = toGp(dest);
    return Record(GDIP(GdipEnumerateMetafileDestPoint)(DrawingContext(), as<GpMetafile>(metafile), point, callback,
                                                       data, as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileDestPointI(const WrapperObject& metafile, IntPoint dest,
                                                EnumerateMetafileProc callback, void* data,
                                                const WrapperObject& attributes) {
    const GpPoint point = toGp(dest);
    return Record(GDIP(GdipEnumerateMetafileDestPointI)(DrawingContext(), as<GpMetafile>(metafile), point, callback,
                                                        data, as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileDestPoints(const WrapperObject& metafile, const std::vector<FloatPoint>& dest,
                                                EnumerateMetafileProc callback, void* data,
                                                const WrapperObject& attributes) {
    Block block(dest);
    return Record(GDIP(GdipEnumerateMetafileDestPoints)(DrawingContext(), as<GpMetafile>(metafile), block.get(),
                                                        block.count(), callback, data,
                                                        as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileDestPointsI(const WrapperObject& metafile, const std::vector<IntPoint>& dest,
                                                 EnumerateMetafileProc callback, void* data,
                                                 const WrapperObject& attributes) {
    Block block(dest);
    return Record(GDIP(GdipEnumerateMetafileDestPointsI)(DrawingContext(), as<GpMetafile>(metafile), block.get(),
                                                         block.count(), callback, data,
                                                         as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileDestRect(const WrapperObject& metafile, const FloatRect& dest,
                                              EnumerateMetafileProc callback, void* data,
                                              const WrapperObject& attributes) {
    const GpRectF rect = toGp(dest);
    return Record(GDIP(GdipEnumerateMetafileDestRect)(DrawingContext(), as<GpMetafile>(metafile), rect, callback, data,
                                                      as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileDestRectI(const WrapperObject& metafile, const IntRect& dest,
                                               EnumerateMetafileProc callback, void* data,
                                               const WrapperObject& attributes) {
    const GpRect rect = toGp(dest);
    return Record(GDIP(GdipEnumerateMetafileDestRectI)(DrawingContext(), as<GpMetafile>(metafile), rect, callback,
                                                       data, as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestPoint(const WrapperObject& metafile, FloatPoint dest,
                                                      const FloatRect& source, int srcUnit,
                                                      EnumerateMetafileProc callback, void* data,
                                                      const WrapperObject& attributes) {
    const GpPointF point = toGp(dest);
    const GpRectF src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestPoint)(DrawingContext(), as<GpMetafile>(metafile), point, src,
                                                              srcUnit, callback, data,
                                                              as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestPointI(const WrapperObject& metafile, IntPoint dest,
                                                       const IntRect& source, int srcUnit,
                                                       EnumerateMetafileProc callback, void* data,
                                                       const WrapperObject& attributes) {
    const GpPoint point = toGp(dest);
    const GpRect src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestPointI)(DrawingContext(), as<GpMetafile>(metafile), point,
                                                               src, srcUnit, callback, data,
                                                               as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestPoints(const WrapperObject& metafile,
                                                       const std::vector<FloatPoint>& dest, const FloatRect& source,
                                                       int srcUnit, EnumerateMetafileProc callback, void* data,
                                                       const WrapperObject& attributes) {
    Block block(dest);
    const GpRectF src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestPoints)(DrawingContext(), as<GpMetafile>(metafile),
                                                               block.get(), block.count(), src, srcUnit, callback,
                                                               data, as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestPointsI(const WrapperObject& metafile,
                                                        const std::vector<IntPoint>& dest, const IntRect& source,
                                                        int srcUnit, EnumerateMetafileProc callback, void* data,
                                                        const WrapperObject& attributes) {
    Block block(dest);
    const GpRect src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestPointsI)(DrawingContext(), as<GpMetafile>(metafile),
                                                                block.get(), block.count(), src, srcUnit, callback,
                                                                data, as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestRect(const WrapperObject& metafile, const FloatRect& dest,
                                                     const FloatRect& source, int srcUnit,
                                                     EnumerateMetafileProc callback, void* data,
                                                     const WrapperObject& attributes) {
    const GpRectF dst = toGp(dest);
    const GpRectF src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestRect)(DrawingContext(), as<GpMetafile>(metafile), dst, src,
                                                             srcUnit, callback, data,
                                                             as<GpImageAttributes>(attributes)));
}

bool DrawingFamily::EnumerateMetafileSrcRectDestRectI(const WrapperObject& metafile, const IntRect& dest,
                                                      const IntRect& source, int srcUnit,
                                                      EnumerateMetafileProc callback, void* data,
                                                      const WrapperObject& attributes) {
    const GpRect dst = toGp(dest);
    const GpRect src = toGp(source);
    return Record(GDIP(GdipEnumerateMetafileSrcRectDestRectI)(DrawingContext(), as<GpMetafile>(metafile), dst, src,
                                                              srcUnit, callback, data,
                                                              as<GpImageAttributes>(attributes)));
}

// --- Clipping and visibility ------------------------------------------------------

bool DrawingFamily::SetClipGraphics(const WrapperObject& graphics, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipGraphics)(DrawingContext(), as<GpGraphics>(graphics), combineMode.value));
}

bool DrawingFamily::SetClipPath(const WrapperObject& path, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipPath)(DrawingContext(), as<GpPath>(path), combineMode.value));
}

bool DrawingFamily::SetClipRect(float x, float y, float width, float height, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipRect)(DrawingContext(), x, y, width, height, combineMode.value));
}

bool DrawingFamily::SetClipRectI(int x, int y, int width, int height, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipRectI)(DrawingContext(), x, y, width, height, combineMode.value));
}

bool DrawingFamily::SetClipRegion(const WrapperObject& region, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipRegion)(DrawingContext(), as<GpRegion>(region), combineMode.value));
}

bool DrawingFamily::SetClipHrgn(HRGN region, Optional<int> combineMode) {
    return Record(GDIP(GdipSetClipHrgn)(DrawingContext(), region, combineMode.value));
}

bool DrawingFamily::ResetClip() {
    return Record(GDIP(GdipResetClip)(DrawingContext()));
}

bool DrawingFamily::TranslateClip(float dx, float dy) {
    return Record(GDIP(GdipTranslateClip)(DrawingContext(), dx, dy));
}

bool DrawingFamily::TranslateClipI(int dx, int dy) {
    return Record(GDIP(GdipTranslateClipI)(DrawingContext(), dx, dy));
}

bool DrawingFamily::GetClip(WrapperObject& target) {
    // As GetWorldTransform: the engine fills an existing region.
    GpRegion* region = nullptr;
    if (!Record(GDIP(GdipCreateRegion)(&region))) return false;
    const GpStatus status = GDIP(GdipGetClip)(DrawingContext(), region);
    if (status != Ok) {
        GDIP(GdipDeleteRegion)(region);
        return Record(status);
    }
    handOver(target, region);
    return Record(status);
}

FloatRect DrawingFamily::GetClipBounds() {
    GpRectF r{};
    Record(GDIP(GdipGetClipBounds)(DrawingContext(), &r));
    return {r.X, r.Y, r.Width, r.Height};
}

IntRect DrawingFamily::GetClipBoundsI() {
    GpRect r{};
    Record(GDIP(GdipGetClipBoundsI)(DrawingContext(), &r));
    return {r.X, r.Y, r.Width, r.Height};
}

FloatRect DrawingFamily::GetVisibleClipBounds() {
    GpRectF r{};
    Record(GDIP(GdipGetVisibleClipBounds)(DrawingContext(), &r));
    return {r.X, r.Y, r.Width, r.Height};
}

IntRect DrawingFamily::GetVisibleClipBoundsI() {
    GpRect r{};
    Record(GDIP(GdipGetVisibleClipBoundsI)(DrawingContext(), &r));
    return {r.X, r.Y, r.Width, r.Height};
}

bool DrawingFamily::IsClipEmpty() {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsClipEmpty)(DrawingContext(), &answer));
    return answer != FALSE;
}

bool DrawingFamily::IsVisibleClipEmpty() {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsVisibleClipEmpty)(DrawingContext(), &answer));
    return answer != FALSE;
}

bool DrawingFamily::IsVisiblePoint(float x, float y) {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsVisiblePoint)(DrawingContext(), x, y, &answer));
    return answer != FALSE;
}

bool DrawingFamily::IsVisiblePointI(int x, int y) {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsVisiblePointI)(DrawingContext(), x, y, &answer));
    return answer != FALSE;
}

bool DrawingFamily::IsVisibleRect(float x, float y, float width, float height) {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsVisibleRect)(DrawingContext(), x, y, width, height, &answer));
    return answer != FALSE;
}

bool DrawingFamily::IsVisibleRectI(int x, int y, int width, int height) {
    BOOL answer = FALSE;
    Record(GDIP(GdipIsVisibleRectI)(DrawingContext(), x, y, width, height, &answer));
    return answer != FALSE;
}

// --- Saved states and containers -------------------------------------------------

GraphicsState DrawingFamily::SaveGraphics() {
    GraphicsState state = 0;
    Record(GDIP(GdipSaveGraphics)(DrawingContext(), &state));
    return state;
}

bool DrawingFamily::RestoreGraphics(GraphicsState state) {
    return Record(GDIP(GdipRestoreGraphics)(DrawingContext(), state));
}

GraphicsContainer DrawingFamily::BeginContainer(const FloatRect& dest, const FloatRect& source, Optional<int> unit) {
    const GpRectF dst = toGp(dest), src = toGp(source);
    GraphicsContainer state = 0;
    Record(GDIP(GdipBeginContainer)(DrawingContext(), &dst, &src, unit.value, &state));
    return state;
}

GraphicsContainer DrawingFamily::BeginContainerI(const IntRect& dest, const IntRect& source, Optional<int> unit) {
    const GpRect dst = toGp(dest), src = toGp(source);
    GraphicsContainer state = 0;
    Record(GDIP(GdipBeginContainerI)(DrawingContext(), &dst, &src, unit.value, &state));
    return state;
}

GraphicsContainer DrawingFamily::BeginContainer2() {
    GraphicsContainer state = 0;
    Record(GDIP(GdipBeginContainer2)(DrawingContext(), &state));
    return state;
}

bool DrawingFamily::EndContainer(GraphicsContainer state) {
    return Record(GDIP(GdipEndContainer)(DrawingContext(), state));
}

bool DrawingFamily::Comment(const ByteArray& data) {
    return Record(GDIP(GdipComment)(DrawingContext(), UINT(data.size()), data.data()));
}

}  // namespace graphics
