// Brushes. Only solid fills exist in this library; GpBrush is their base.
#pragma once

#include <QBrush>

#include "api/brush.h"
#include "object.h"

struct GpBrush : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::SolidFill; }
    explicit GpBrush(engine::ObjectKind k) : Object(k) {}

    // The Qt brush that fills like this one.
    virtual QBrush toQBrush() const = 0;
    // An independent copy of the same kind.
    virtual GpBrush* clone() const = 0;
    virtual GpBrushType type() const = 0;
};

struct GpSolidFill : GpBrush {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::SolidFill; }
    explicit GpSolidFill(ARGB c) : GpBrush(engine::ObjectKind::SolidFill), color(c) {}

    QBrush toQBrush() const override;
    GpBrush* clone() const override { return new GpSolidFill(color); }
    GpBrushType type() const override { return BrushTypeSolidColor; }

    ARGB color;
};

namespace engine {

// The Qt colour of an ARGB value (alpha in the top byte).
QColor qColorFromArgb(ARGB argb);

}  // namespace engine
