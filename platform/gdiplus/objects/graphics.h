// A graphics object: a drawing context on an image or on a device
// context's paint target, with GDI+'s rendering state.
//
// Coordinates pass through three spaces: world (what callers draw in) ->
// page (the world transform) -> device pixels (page unit and scale, then the
// transform of the enclosing container, if any). The clip is kept in device
// space, so changing a transform later does not move it.
//
// No QPainter stays open between calls: each drawing call opens one on the
// target, sets it up from this state and closes it, so that other readers of
// the image (pixel access, locking, encoding, cloning) always see finished
// pixels. QImage keeps its paint engine between painters, which makes the
// open cheap.
#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QTransform>
#include <vector>

#include "lent_dc.h"
#include "object.h"

struct GpImage;

namespace engine {

// An area in device space that may be the whole plane.
struct DeviceClip {
    bool infinite = true;
    QPainterPath path;  // when not infinite (winding fill)
};

// Everything SaveGraphics/BeginContainer keep and Restore/End bring back.
struct GraphicsSettings {
    int compositingMode = 0;     // CompositingModeSourceOver
    int compositingQuality = 0;  // CompositingQualityDefault
    int smoothingMode = 0;       // SmoothingModeDefault: no antialiasing
    int textRenderingHint = 0;   // TextRenderingHintSystemDefault
    int interpolationMode = 0;   // InterpolationModeDefault (bilinear)
    int pixelOffsetMode = 0;     // PixelOffsetModeDefault
    INT originX = 0, originY = 0;
    UINT textContrast = 4;
    QTransform world;           // world -> page
    GpUnit pageUnit = UnitDisplay;
    REAL pageScale = 1;
    DeviceClip clip;            // set by SetClip*, device space
    QTransform container;       // the container's mapping into device space
    DeviceClip containerClip;   // the clip in force where the container began
};

struct SavedGraphics {
    UINT id;
    GraphicsSettings settings;
};

}  // namespace engine

struct GpGraphics : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Graphics; }
    GpGraphics() : Object(engine::ObjectKind::Graphics) {}

    QPaintDevice* device = nullptr;  // what the drawing lands on
    GpImage* image = nullptr;        // the image, when made on one
    HDC hdc = nullptr;               // the device context, when made on one
    engine::LentDc lentDc;           // what GdipGetDC lent, until GdipReleaseDC
    REAL dpiX = 96, dpiY = 96;       // resolution of the surface

    engine::GraphicsSettings state;
    std::vector<engine::SavedGraphics> saved;  // oldest first
    UINT nextSavedId = 1;

    // Device pixels per page unit, per axis, page scale included.
    QTransform pageTransform() const;
    // World -> device.
    QTransform deviceTransform() const { return state.world * pageTransform() * state.container; }
    // The clip in force: the own clip within the container's.
    engine::DeviceClip effectiveClip() const;
    // The surface's extent in device pixels.
    QRectF deviceBounds() const;
};

// A bitmap's pixels prepared for fast drawing without scaling.
struct GpCachedBitmap : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::CachedBitmap; }
    GpCachedBitmap() : Object(engine::ObjectKind::CachedBitmap) {}

    QImage pixels;  // premultiplied ARGB
};
