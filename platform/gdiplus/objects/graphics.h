// A graphics object: a drawing context on an image or on a device
// context's paint target, with GDI+'s rendering state.
#pragma once

#include <QPaintDevice>
#include <QTransform>

#include "object.h"

struct GpImage;

struct GpGraphics : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::Graphics; }
    GpGraphics() : Object(engine::ObjectKind::Graphics) {}

    QPaintDevice* device = nullptr;  // what the drawing lands on
    GpImage* image = nullptr;        // the image, when made on one
    HDC hdc = nullptr;               // the device context, when made on one
    // (rendering state, transforms, clip, saved states: added by the
    // drawing implementation)
};
