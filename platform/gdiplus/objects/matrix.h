// A 3x2 affine matrix. GDI+ and Qt share the row-vector convention, so the
// elements m11, m12, m21, m22, dx, dy map onto QTransform one to one.
#pragma once

#include <QTransform>

#include "object.h"

struct GpMatrix : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Matrix; }
    GpMatrix() : Object(engine::ObjectKind::Matrix) {}
    explicit GpMatrix(const QTransform& t) : Object(engine::ObjectKind::Matrix), transform(t) {}

    QTransform transform;
};
