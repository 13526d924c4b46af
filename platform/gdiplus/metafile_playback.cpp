// Metafile playback. A metafile's records are GDI and GDI+ drawing calls of
// the Windows graphics device interface that recorded them; this engine has
// no such interface to replay them on, so every form of enumeration answers
// NotImplemented, here and nowhere else.
#include "api/graphics.h"
#include "status.h"

namespace {

GpStatus playbackUnavailable() {
    return engine::fail(NotImplemented);
}

}  // namespace

GpStatus WINGDIPAPI GdipEnumerateMetafileDestPoint(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST PointF&,
                                                   EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileDestPointI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Point&,
                                                    EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileDestPoints(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST PointF*, INT,
                                                    EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileDestPointsI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Point*, INT,
                                                     EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileDestRect(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST RectF&,
                                                  EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileDestRectI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Rect&,
                                                   EnumerateMetafileProc, void*, GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPoint(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST PointF&,
                                                          GDIPCONST RectF&, GpUnit, EnumerateMetafileProc, void*,
                                                          GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPointI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Point&,
                                                           GDIPCONST Rect&, GpUnit, EnumerateMetafileProc, void*,
                                                           GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPoints(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST PointF*, INT,
                                                           GDIPCONST RectF&, GpUnit, EnumerateMetafileProc, void*,
                                                           GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestPointsI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Point*, INT,
                                                            GDIPCONST Rect&, GpUnit, EnumerateMetafileProc, void*,
                                                            GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestRect(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST RectF&,
                                                         GDIPCONST RectF&, GpUnit, EnumerateMetafileProc, void*,
                                                         GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
GpStatus WINGDIPAPI GdipEnumerateMetafileSrcRectDestRectI(GpGraphics*, GDIPCONST GpMetafile*, GDIPCONST Rect&,
                                                          GDIPCONST Rect&, GpUnit, EnumerateMetafileProc, void*,
                                                          GDIPCONST GpImageAttributes*) {
    return playbackUnavailable();
}
