// Brushes. Only solid fills exist in this library; GpBrush is their base.
#pragma once

#include <QBrush>

#include "object.h"

struct GpBrush : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::SolidFill; }
    explicit GpBrush(engine::ObjectKind k) : Object(k) {}

    // The Qt brush that fills like this one.
    virtual QBrush toQBrush() const = 0;
};

struct GpSolidFill : GpBrush {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::SolidFill; }
    explicit GpSolidFill(ARGB c) : GpBrush(engine::ObjectKind::SolidFill), color(c) {}

    QBrush toQBrush() const override;

    ARGB color;
};
