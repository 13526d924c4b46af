// An area made of rectangles and paths, for clipping, filling and the
// results of character-range measurement. Matrices, paths and drawing
// contexts are taken as any wrapper that holds one (only its handle is read).
#pragma once

#include <memory>
#include <vector>

#include "conversions.h"
#include "gdiplus_flat.h"
#include "optional.h"
#include "wrapper_object.h"

namespace graphics {

class Region : public WrapperObject {
public:
    Region() = default;
    ~Region() override;

    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    void OnHandleSet(void* h) override;

    virtual bool DeleteRegion();
    // An infinite region.
    virtual bool CreateRegion();
    virtual bool CreateRegionRect(const RectF& rect);
    virtual bool CreateRegionRectI(const Rect& rect);
    virtual bool CreateRegionPath(const WrapperObject& path);
    // A region of a GDI region's area; the GDI region stays the caller's.
    virtual bool CreateRegionHrgn(HRGN hrgn);
    // A region from the first `size` bytes of `data` (as GetRegionData gave them).
    virtual bool CreateRegionRgnData(const ByteArray& data, INT size);
    // Hands a duplicate of this region to `target`, which owns it.
    virtual bool CloneRegion(Region& target);
    virtual bool SetInfinite();
    virtual bool SetEmpty();
    // The mode defaults to CombineModeIntersect when not given.
    virtual bool CombineRegionRect(const RectF& rect, Optional<CombineMode> mode = {});
    virtual bool CombineRegionRectI(const Rect& rect, Optional<CombineMode> mode = {});
    virtual bool CombineRegionRegion(const Region& region, Optional<CombineMode> mode = {});
    virtual bool CombineRegionPath(const WrapperObject& path, Optional<CombineMode> mode = {});
    virtual bool TranslateRegion(REAL dx, REAL dy);
    virtual bool TranslateRegionI(INT dx, INT dy);
    virtual bool TransformRegion(const WrapperObject& matrix);
    // The bounds; all zero when the engine fails.
    virtual RectF GetRegionBounds(const WrapperObject& graphics);
    virtual Rect GetRegionBoundsI(const WrapperObject& graphics);
    virtual UINT GetRegionDataSize();
    // `bufferSize` bytes holding the region's data; `sizeFilled`, when
    // given, receives how many the engine wrote.
    virtual ByteArray GetRegionData(UINT bufferSize, UINT* sizeFilled = nullptr);
    // A new GDI region (null on failure, and for an infinite region); the
    // caller deletes it.
    virtual HRGN GetRegionHRgn(const WrapperObject& graphics);
    virtual bool IsEmptyRegion(const WrapperObject& graphics);
    virtual bool IsInfiniteRegion(const WrapperObject& graphics);
    virtual bool IsEqualRegion(const Region& region, const WrapperObject& graphics);
    virtual bool IsVisibleRegionPoint(const PointF& point, const WrapperObject& graphics);
    virtual bool IsVisibleRegionPointI(const Point& point, const WrapperObject& graphics);
    virtual bool IsVisibleRegionRect(const RectF& rect, const WrapperObject& graphics);
    virtual bool IsVisibleRegionRectI(const Rect& rect, const WrapperObject& graphics);
    // The number of rectangles covering the region seen through `matrix`.
    virtual UINT GetRegionScansCount(const WrapperObject& matrix);
    // Replaces `rects` by those rectangles and returns their number; on a
    // failed count, returns 0 and leaves `rects` as it was.
    virtual INT GetRegionScans(const WrapperObject& matrix, std::vector<RectF>& rects);
    virtual INT GetRegionScansI(const WrapperObject& matrix, std::vector<Rect>& rects);
    virtual bool IsValid() const;

protected:
    GpRegion* region = nullptr;

private:
    template <class Create>
    bool CreateWith(Create create);
    template <class R, class Get>
    INT Scans(const WrapperObject& matrix, std::vector<R>& rects, Get get);
};

}  // namespace graphics
