#include "region.h"

#include <algorithm>

#include "binding.h"

namespace graphics {

namespace {

GpGraphics* AsGraphics(const WrapperObject& graphics) {
    return static_cast<GpGraphics*>(graphics.GetHandle());
}
GpMatrix* AsMatrix(const WrapperObject& matrix) {
    return static_cast<GpMatrix*>(matrix.GetHandle());
}
GpPath* AsPath(const WrapperObject& path) {
    return static_cast<GpPath*>(path.GetHandle());
}
GpRegion* AsRegion(const WrapperObject& region) {
    return static_cast<GpRegion*>(region.GetHandle());
}

}  // namespace

Region::~Region() {
    if (region) DeleteRegion();
}

void Region::Destroy() {
    DeleteRegion();
}

std::unique_ptr<WrapperObject> Region::Copy() const {
    auto copy = std::make_unique<Region>();
    copy->handle = handle;
    copy->region = region;
    return copy;
}

void Region::OnHandleSet(void* h) {
    region = static_cast<GpRegion*>(h);
}

bool Region::DeleteRegion() {
    if (!region) return false;
    const GpStatus status = GDIP(GdipDeleteRegion)(region);
    SetHandle(nullptr);
    return Record(status);
}

template <class Create>
bool Region::CreateWith(Create create) {
    if (region) DeleteRegion();
    const GpStatus status = create(&region);
    SetHandle(region);
    return Record(status);
}

bool Region::CreateRegion() {
    return CreateWith([](GpRegion** out) { return GDIP(GdipCreateRegion)(out); });
}

bool Region::CreateRegionRect(const RectF& rect) {
    return CreateWith([&](GpRegion** out) { return GDIP(GdipCreateRegionRect)(&rect, out); });
}

bool Region::CreateRegionRectI(const Rect& rect) {
    return CreateWith([&](GpRegion** out) { return GDIP(GdipCreateRegionRectI)(&rect, out); });
}

bool Region::CreateRegionPath(const WrapperObject& path) {
    return CreateWith([&](GpRegion** out) { return GDIP(GdipCreateRegionPath)(AsPath(path), out); });
}

bool Region::CreateRegionHrgn(HRGN hrgn) {
    return CreateWith([&](GpRegion** out) { return GDIP(GdipCreateRegionHrgn)(hrgn, out); });
}

bool Region::CreateRegionRgnData(const ByteArray& data, INT size) {
    // Never more bytes than the array holds.
    const INT available = static_cast<INT>(std::min<std::size_t>(data.size(), 0x7FFFFFFF));
    return CreateWith([&](GpRegion** out) {
        return GDIP(GdipCreateRegionRgnData)(data.data(), std::min(size, available), out);
    });
}

bool Region::CloneRegion(Region& target) {
    GpRegion* clone = nullptr;
    const GpStatus status = GDIP(GdipCloneRegion)(region, &clone);
    HandOver(target, clone);
    return Record(status);
}

bool Region::SetInfinite() {
    return Record(GDIP(GdipSetInfinite)(region));
}

bool Region::SetEmpty() {
    return Record(GDIP(GdipSetEmpty)(region));
}

bool Region::CombineRegionRect(const RectF& rect, Optional<CombineMode> mode) {
    return Record(GDIP(GdipCombineRegionRect)(region, &rect, mode.Or(CombineModeIntersect)));
}

bool Region::CombineRegionRectI(const Rect& rect, Optional<CombineMode> mode) {
    return Record(GDIP(GdipCombineRegionRectI)(region, &rect, mode.Or(CombineModeIntersect)));
}

bool Region::CombineRegionRegion(const Region& other, Optional<CombineMode> mode) {
    return Record(GDIP(GdipCombineRegionRegion)(region, AsRegion(other), mode.Or(CombineModeIntersect)));
}

bool Region::CombineRegionPath(const WrapperObject& path, Optional<CombineMode> mode) {
    return Record(GDIP(GdipCombineRegionPath)(region, AsPath(path), mode.Or(CombineModeIntersect)));
}

bool Region::TranslateRegion(REAL dx, REAL dy) {
    return Record(GDIP(GdipTranslateRegion)(region, dx, dy));
}

bool Region::TranslateRegionI(INT dx, INT dy) {
    return Record(GDIP(GdipTranslateRegionI)(region, dx, dy));
}

bool Region::TransformRegion(const WrapperObject& matrix) {
    return Record(GDIP(GdipTransformRegion)(region, AsMatrix(matrix)));
}

RectF Region::GetRegionBounds(const WrapperObject& graphics) {
    RectF bounds{};
    Record(GDIP(GdipGetRegionBounds)(region, AsGraphics(graphics), &bounds));
    return bounds;
}

Rect Region::GetRegionBoundsI(const WrapperObject& graphics) {
    Rect bounds{};
    Record(GDIP(GdipGetRegionBoundsI)(region, AsGraphics(graphics), &bounds));
    return bounds;
}

UINT Region::GetRegionDataSize() {
    UINT size = 0;
    Record(GDIP(GdipGetRegionDataSize)(region, &size));
    return size;
}

ByteArray Region::GetRegionData(UINT bufferSize, UINT* sizeFilled) {
    ByteArray data(bufferSize, 0);
    Record(GDIP(GdipGetRegionData)(region, data.data(), bufferSize, sizeFilled));
    return data;
}

HRGN Region::GetRegionHRgn(const WrapperObject& graphics) {
    HRGN hrgn = nullptr;
    Record(GDIP(GdipGetRegionHRgn)(region, AsGraphics(graphics), &hrgn));
    return hrgn;
}

bool Region::IsEmptyRegion(const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsEmptyRegion)(region, AsGraphics(graphics), &result));
    return result != FALSE;
}

bool Region::IsInfiniteRegion(const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsInfiniteRegion)(region, AsGraphics(graphics), &result));
    return result != FALSE;
}

bool Region::IsEqualRegion(const Region& other, const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsEqualRegion)(region, AsRegion(other), AsGraphics(graphics), &result));
    return result != FALSE;
}

bool Region::IsVisibleRegionPoint(const PointF& point, const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsVisibleRegionPoint)(region, point.X, point.Y, AsGraphics(graphics), &result));
    return result != FALSE;
}

bool Region::IsVisibleRegionPointI(const Point& point, const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsVisibleRegionPointI)(region, point.X, point.Y, AsGraphics(graphics), &result));
    return result != FALSE;
}

bool Region::IsVisibleRegionRect(const RectF& rect, const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsVisibleRegionRect)(region, rect.X, rect.Y, rect.Width, rect.Height, AsGraphics(graphics),
                                         &result));
    return result != FALSE;
}

bool Region::IsVisibleRegionRectI(const Rect& rect, const WrapperObject& graphics) {
    BOOL result = FALSE;
    Record(GDIP(GdipIsVisibleRegionRectI)(region, rect.X, rect.Y, rect.Width, rect.Height, AsGraphics(graphics),
                                          &result));
    return result != FALSE;
}

UINT Region::GetRegionScansCount(const WrapperObject& matrix) {
    UINT count = 0;
    Record(GDIP(GdipGetRegionScansCount)(region, &count, AsMatrix(matrix)));
    return count;
}

template <class R, class Get>
INT Region::Scans(const WrapperObject& matrix, std::vector<R>& rects, Get get) {
    UINT count = 0;
    if (!Record(GDIP(GdipGetRegionScansCount)(region, &count, AsMatrix(matrix)))) return 0;
    // The vector is itself one contiguous list of records.
    rects.assign(count, R{});
    INT filled = static_cast<INT>(count);
    Record(get(region, rects.data(), &filled, AsMatrix(matrix)));
    return static_cast<INT>(count);
}

INT Region::GetRegionScans(const WrapperObject& matrix, std::vector<RectF>& rects) {
    return Scans(matrix, rects, [](auto... args) { return GDIP(GdipGetRegionScans)(args...); });
}

INT Region::GetRegionScansI(const WrapperObject& matrix, std::vector<Rect>& rects) {
    return Scans(matrix, rects, [](auto... args) { return GDIP(GdipGetRegionScansI)(args...); });
}

bool Region::IsValid() const {
    return region != nullptr;
}

}  // namespace graphics
