// The drawing family: rendering settings, transforms, lines, curves, shapes,
// fills, text, images, clipping and containers on a drawing context. Bitmap
// (on its own image) and Graphics (on a device context) share this one body.
//
// Every operation calls the engine function named Gdip + its name (a few
// call several) on DrawingContext(), stores the status in LastStatus and
// answers as its shape says: setters and drawing operations true when the
// status is Ok; value getters the value (0 when the call wrote nothing);
// Is... queries the engine's answer. Wrappers passed as arguments are only
// read through GetHandle(). Array operations copy the records into one
// block, pass it with the element count, and copy it back after the call.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "conversions.h"
#include "float_rect.h"
#include "records.h"
#include "gdiplus_flat.h"
#include "optional.h"
#include "wrapper_object.h"

namespace graphics {

class DrawingFamily {
public:
    virtual ~DrawingFamily() = default;

    // Whole surface and resolution.
    bool GraphicsClear(Optional<ARGB> color = {});
    float GetDpiX();
    float GetDpiY();

    // Settings and transforms.
    void Flush(Optional<int> intention = {});
    int GetCompositingMode();
    bool SetCompositingMode(int mode);
    bool GetRenderingOrigin(int& x, int& y);
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingQuality();
    bool SetCompositingQuality(int quality);
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode();
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint();
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode();
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode();
    bool SetWorldTransform(const WrapperObject& matrix);
    // Hands a new engine matrix holding the world transform to `target`.
    bool GetWorldTransform(WrapperObject& target);
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const WrapperObject& matrix, Optional<int> order = {});
    bool TranslateWorldTransform(float dx, float dy, Optional<int> order = {});
    bool ScaleWorldTransform(float sx, float sy, Optional<int> order = {});
    // Scale or rotation about `point`: translate, operate, translate back.
    bool ScaleWorldTransformAt(float sx, float sy, FloatPoint point, Optional<int> order = {});
    bool RotateWorldTransform(float angle, Optional<int> order = {});
    bool RotateWorldTransformAt(float angle, FloatPoint point, Optional<int> order = {});
    bool SetPageUnit(int unit);
    int GetPageUnit();
    bool SetPageScale(float scale);
    float GetPageScale();

    // Points, lines, curves, shapes and fills.
    bool TransformPoints(int destSpace, int srcSpace, std::vector<FloatPoint>& points);
    bool TransformPointsI(int destSpace, int srcSpace, std::vector<IntPoint>& points);
    ARGB GetNearestColor(ARGB color);
    bool DrawLine(const WrapperObject& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const WrapperObject& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const WrapperObject& pen, const std::vector<FloatPoint>& points);
    bool DrawLinesI(const WrapperObject& pen, const std::vector<IntPoint>& points);
    bool DrawArc(const WrapperObject& pen, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);
    bool DrawArcI(const WrapperObject& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const WrapperObject& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                    float y4);
    bool DrawBezierI(const WrapperObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const WrapperObject& pen, const std::vector<FloatPoint>& points);
    bool DrawBeziersI(const WrapperObject& pen, const std::vector<IntPoint>& points);
    bool DrawRectangle(const WrapperObject& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const WrapperObject& pen, int x, int y, int width, int height);
    bool DrawRectangles(const WrapperObject& pen, const std::vector<FloatRect>& rects);
    bool DrawRectanglesI(const WrapperObject& pen, const std::vector<IntRect>& rects);
    bool DrawEllipse(const WrapperObject& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const WrapperObject& pen, int x, int y, int width, int height);
    bool DrawPie(const WrapperObject& pen, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);
    bool DrawPieI(const WrapperObject& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const WrapperObject& pen, const std::vector<FloatPoint>& points);
    bool DrawPolygonI(const WrapperObject& pen, const std::vector<IntPoint>& points);
    bool DrawPath(const WrapperObject& pen, const WrapperObject& path);
    bool DrawCurve(const WrapperObject& pen, const std::vector<FloatPoint>& points);
    bool DrawCurveI(const WrapperObject& pen, const std::vector<IntPoint>& points);
    bool DrawCurve2(const WrapperObject& pen, const std::vector<FloatPoint>& points, float tension);
    bool DrawCurve2I(const WrapperObject& pen, const std::vector<IntPoint>& points, float tension);
    bool DrawCurve3(const WrapperObject& pen, const std::vector<FloatPoint>& points, int offset, int segments,
                    float tension);
    bool DrawCurve3I(const WrapperObject& pen, const std::vector<IntPoint>& points, int offset, int segments,
                     float tension);
    bool DrawClosedCurve(const WrapperObject& pen, const std::vector<FloatPoint>& points);
    bool DrawClosedCurveI(const WrapperObject& pen, const std::vector<IntPoint>& points);
    bool DrawClosedCurve2(const WrapperObject& pen, const std::vector<FloatPoint>& points, float tension);
    bool DrawClosedCurve2I(const WrapperObject& pen, const std::vector<IntPoint>& points, float tension);
    bool FillRectangle(const WrapperObject& brush, float x, float y, float width, float height);
    bool FillRectangle(const WrapperObject& brush, const FloatRect& rect);
    bool FillRectangleI(const WrapperObject& brush, int x, int y, int width, int height);
    bool FillRectangles(const WrapperObject& brush, const std::vector<FloatRect>& rects);
    bool FillRectanglesI(const WrapperObject& brush, const std::vector<IntRect>& rects);
    bool FillPolygon(const WrapperObject& brush, const std::vector<FloatPoint>& points, Optional<int> fillMode = {});
    bool FillPolygonI(const WrapperObject& brush, const std::vector<IntPoint>& points, Optional<int> fillMode = {});
    bool FillEllipse(const WrapperObject& brush, float x, float y, float width, float height);
    bool FillEllipseI(const WrapperObject& brush, int x, int y, int width, int height);
    bool FillPie(const WrapperObject& brush, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);
    bool FillPieI(const WrapperObject& brush, int x, int y, int width, int height, float startAngle,
                  float sweepAngle);
    bool FillPath(const WrapperObject& brush, const WrapperObject& path);
    bool FillClosedCurve(const WrapperObject& brush, const std::vector<FloatPoint>& points);
    bool FillClosedCurve2(const WrapperObject& brush, const std::vector<FloatPoint>& points, float tension,
                          Optional<int> fillMode = {});
    bool FillClosedCurveI(const WrapperObject& brush, const std::vector<IntPoint>& points);
    bool FillClosedCurve2I(const WrapperObject& brush, const std::vector<IntPoint>& points, float tension,
                           Optional<int> fillMode = {});
    bool FillRegion(const WrapperObject& brush, const WrapperObject& region);

    // Text. The plain forms take a text in the ANSI code page; the W forms
    // take UTF-16 bytes (a terminating zero unit is not needed).
    bool DrawString(const std::string& text, const WrapperObject& font, const WrapperObject& brush,
                    const FloatRect& layout, const WrapperObject& format);
    bool DrawStringW(const ByteArray& text, const WrapperObject& font, const WrapperObject& brush,
                     const FloatRect& layout, const WrapperObject& format);
    bool MeasureString(const std::string& text, const WrapperObject& font, const FloatRect& layout,
                       const WrapperObject& format, FloatRect& boundingBox);
    bool MeasureStringW(const ByteArray& text, const WrapperObject& font, const FloatRect& layout,
                        const WrapperObject& format, FloatRect& boundingBox);
    // Fills `regions` with `count` new region wrappers (RegionT: the library's
    // region class), each holding the area of one of the format's character
    // ranges. A count below 1 is refused with InvalidParameter, no engine call.
    template <class RegionT>
    bool MeasureCharacterRanges(const std::string& text, const WrapperObject& font, const FloatRect& layout,
                                const WrapperObject& format, int count,
                                std::vector<std::unique_ptr<RegionT>>& regions) {
        return MeasureCharacterRangesW(TextToWide(text), font, layout, format, count, regions);
    }
    template <class RegionT>
    bool MeasureCharacterRangesW(const ByteArray& text, const WrapperObject& font, const FloatRect& layout,
                                 const WrapperObject& format, int count,
                                 std::vector<std::unique_ptr<RegionT>>& regions) {
        std::vector<void*> measured;
        if (!MeasureRanges(text, font, layout, format, count, measured)) return false;
        regions.clear();
        for (void* handle : measured) {
            regions.push_back(std::make_unique<RegionT>());
            regions.back()->SetHandle(handle);
        }
        return true;
    }
    bool DrawDriverString(const std::string& text, const WrapperObject& font, const WrapperObject& brush,
                          const std::vector<FloatPoint>& positions, Optional<int> flags,
                          const WrapperObject& matrix);
    bool DrawDriverStringW(const ByteArray& text, const WrapperObject& font, const WrapperObject& brush,
                           const std::vector<FloatPoint>& positions, Optional<int> flags,
                           const WrapperObject& matrix);
    bool SetTextContrast(unsigned contrast);
    unsigned GetTextContrast();

    // Images. Source units default to UnitPixel (2).
    bool DrawImageRect(const WrapperObject& image, Optional<float> x = {}, Optional<float> y = {});
    bool DrawImageRectI(const WrapperObject& image, Optional<int> x = {}, Optional<int> y = {});
    bool DrawImage(const WrapperObject& image, Optional<float> x = {}, Optional<float> y = {});
    bool DrawImageI(const WrapperObject& image, Optional<int> x = {}, Optional<int> y = {});
    bool DrawCachedBitmap(const WrapperObject& cachedBitmap, float x, float y);
    bool DrawImageRectRect(const WrapperObject& image, float x, float y, float width, float height,
                           Optional<int> srcUnit = {});
    bool DrawImageRectRectI(const WrapperObject& image, int x, int y, int width, int height,
                            Optional<int> srcUnit = {});
    bool DrawImagePoints(const WrapperObject& image, float x1, float y1, float x2, float y2, float x3, float y3);
    bool DrawImagePointsI(const WrapperObject& image, int x1, int y1, int x2, int y2, int x3, int y3);
    bool DrawImagePointRect(const WrapperObject& image, float x, float y, float srcX, float srcY, float srcWidth,
                            float srcHeight, Optional<int> srcUnit = {});
    bool DrawImagePointRectI(const WrapperObject& image, int x, int y, int srcX, int srcY, int srcWidth,
                             int srcHeight, Optional<int> srcUnit = {});
    bool DrawImageRectRect(const WrapperObject& image, const FloatRect& dest, const FloatRect& source,
                           Optional<int> srcUnit, const WrapperObject& attributes);
    bool DrawImageRectRectI(const WrapperObject& image, const IntRect& dest, const IntRect& source,
                            Optional<int> srcUnit, const WrapperObject& attributes);
    bool DrawImagePointsRect(const WrapperObject& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float srcX, float srcY, float srcWidth, float srcHeight, Optional<int> srcUnit,
                             const WrapperObject& attributes);
    bool DrawImagePointsRectI(const WrapperObject& image, int x1, int y1, int x2, int y2, int x3, int y3, int srcX,
                              int srcY, int srcWidth, int srcHeight, Optional<int> srcUnit,
                              const WrapperObject& attributes);

    // Metafile playback: passed on to the engine, which has none off Windows.
    bool EnumerateMetafileDestPoint(const WrapperObject& metafile, FloatPoint dest, EnumerateMetafileProc callback,
                                    void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileDestPointI(const WrapperObject& metafile, IntPoint dest, EnumerateMetafileProc callback,
                                     void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileDestPoints(const WrapperObject& metafile, const std::vector<FloatPoint>& dest,
                                     EnumerateMetafileProc callback, void* callbackData,
                                     const WrapperObject& attributes);
    bool EnumerateMetafileDestPointsI(const WrapperObject& metafile, const std::vector<IntPoint>& dest,
                                      EnumerateMetafileProc callback, void* callbackData,
                                      const WrapperObject& attributes);
    bool EnumerateMetafileDestRect(const WrapperObject& metafile, const FloatRect& dest,
                                   EnumerateMetafileProc callback, void* callbackData,
                                   const WrapperObject& attributes);
    bool EnumerateMetafileDestRectI(const WrapperObject& metafile, const IntRect& dest, EnumerateMetafileProc callback,
                                    void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestPoint(const WrapperObject& metafile, FloatPoint dest, const FloatRect& source,
                                           int srcUnit, EnumerateMetafileProc callback, void* callbackData,
                                           const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestPointI(const WrapperObject& metafile, IntPoint dest, const IntRect& source,
                                            int srcUnit, EnumerateMetafileProc callback, void* callbackData,
                                            const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestPoints(const WrapperObject& metafile, const std::vector<FloatPoint>& dest,
                                            const FloatRect& source, int srcUnit, EnumerateMetafileProc callback,
                                            void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestPointsI(const WrapperObject& metafile, const std::vector<IntPoint>& dest,
                                             const IntRect& source, int srcUnit, EnumerateMetafileProc callback,
                                             void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestRect(const WrapperObject& metafile, const FloatRect& dest,
                                          const FloatRect& source, int srcUnit, EnumerateMetafileProc callback,
                                          void* callbackData, const WrapperObject& attributes);
    bool EnumerateMetafileSrcRectDestRectI(const WrapperObject& metafile, const IntRect& dest, const IntRect& source,
                                           int srcUnit, EnumerateMetafileProc callback, void* callbackData,
                                           const WrapperObject& attributes);

    // Clipping and visibility.
    bool SetClipGraphics(const WrapperObject& graphics, Optional<int> combineMode = {});
    bool SetClipPath(const WrapperObject& path, Optional<int> combineMode = {});
    bool SetClipRect(float x, float y, float width, float height, Optional<int> combineMode = {});
    bool SetClipRectI(int x, int y, int width, int height, Optional<int> combineMode = {});
    bool SetClipRegion(const WrapperObject& region, Optional<int> combineMode = {});
    bool SetClipHrgn(HRGN region, Optional<int> combineMode = {});
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // Hands a new engine region holding the clip to `target`.
    bool GetClip(WrapperObject& target);
    FloatRect GetClipBounds();
    IntRect GetClipBoundsI();
    FloatRect GetVisibleClipBounds();
    IntRect GetVisibleClipBoundsI();
    bool IsClipEmpty();
    bool IsVisibleClipEmpty();
    bool IsVisiblePoint(float x, float y);
    bool IsVisiblePointI(int x, int y);
    bool IsVisibleRect(float x, float y, float width, float height);
    bool IsVisibleRectI(int x, int y, int width, int height);

    // Saved states and containers.
    GraphicsState SaveGraphics();
    bool RestoreGraphics(GraphicsState state);
    GraphicsContainer BeginContainer(const FloatRect& dest, const FloatRect& source, Optional<int> unit = {});
    GraphicsContainer BeginContainerI(const IntRect& dest, const IntRect& source, Optional<int> unit = {});
    GraphicsContainer BeginContainer2();
    bool EndContainer(GraphicsContainer state);
    bool Comment(const ByteArray& data);

protected:
    // The drawing context every operation of the family draws through.
    virtual GpGraphics* DrawingContext() const = 0;

private:
    // The engine side of MeasureCharacterRanges: `count` new engine regions
    // measured, or none (and false) on failure.
    bool MeasureRanges(const ByteArray& text, const WrapperObject& font, const FloatRect& layout,
                       const WrapperObject& format, int count, std::vector<void*>& regions);
};

}  // namespace graphics
