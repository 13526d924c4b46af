// A font family: the name GDI+ reports and the Qt family that draws it.
#pragma once

#include <QString>

#include "object.h"

struct GpFontFamily : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::FontFamily; }
    GpFontFamily() : Object(engine::ObjectKind::FontFamily) {}

    QString name;      // the family name reported by GdipGetFamilyName
    QString qtFamily;  // the installed (or built-in) family that draws it
};

namespace engine {

// The Qt family that draws `requested`: the installed family of that name,
// or a metric-compatible substitute ("Times New Roman" -> Liberation Serif,
// built into the engine). False when there is neither.
bool resolveFontFamily(const QString& requested, QString& qtFamily);

}  // namespace engine

struct GpFontCollection : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::FontCollection; }
    GpFontCollection() : Object(engine::ObjectKind::FontCollection) {}
};
