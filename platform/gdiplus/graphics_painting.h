// What every drawing call of a graphics object shares: looking the objects
// up, opening a painter set up from the graphics state, turning pens into
// device pens, and stroking or filling a path.
#pragma once

#include "units.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "objects/font.h"
#include "objects/graphics.h"
#include "status.h"

struct GpPen;
struct GpBrush;

namespace engine {

// Units a page may be measured in: all but UnitWorld.
bool isPageUnit(GpUnit unit);

// The graphics at `handle` if it can be drawn on (its image still exists).
GpGraphics* drawable(GpGraphics* handle);

// A painter on the graphics' surface with its transform (world, page,
// container and pixel offset), clip, smoothing and compositing applied.
// `active()` is false when the surface cannot be painted.
class GraphicsPainter {
public:
    explicit GraphicsPainter(GpGraphics* g);
    ~GraphicsPainter() = default;
    bool active() const { return painter.isActive(); }
    QPainter* operator->() { return &painter; }
    QPainter& operator*() { return painter; }
    // The transform that draws world coordinates (pixel offset included).
    const QTransform& worldToDevice() const { return transform; }

private:
    QPainter painter;
    QTransform transform;
};

// The Qt pen that strokes like `pen` on `g`: a UnitWorld width follows the
// transforms, any other unit is converted to device pixels and stays so.
QPen devicePen(const GpPen* pen, const GpGraphics* g);

// Stroke or fill `path` (world coordinates). Ok, or the status of a failed
// look-up of the graphics, the pen or the brush.
GpStatus strokePath(GpGraphics* graphics, GpPen* pen, const QPainterPath& path);
GpStatus fillPath(GpGraphics* graphics, const GpBrush* brush, const QPainterPath& path);

// Sets the graphics' own clip to `current` combined with `shape` (both in
// device space). InvalidParameter for an unknown combine mode.
GpStatus combineClip(DeviceClip& current, const DeviceClip& shape, CombineMode mode);

// A rectangle standing for the whole plane where a finite area is needed.
QRectF planeRect();

}  // namespace engine
