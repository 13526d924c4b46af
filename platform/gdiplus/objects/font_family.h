// A font family: the name GDI+ reports and the Qt family that draws it.
#pragma once

#include <QString>
#include <QStringList>

#include "object.h"

struct GpFontFamily : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::FontFamily; }
    GpFontFamily() : Object(engine::ObjectKind::FontFamily) {}

    QString name;      // the family name reported by GdipGetFamilyName
    QString qtFamily;  // the installed (or built-in) family that draws it
};

namespace engine {

// The Qt family that draws `requested`: the installed family of that name
// (compared without case), or a metric-compatible substitute ("Times New
// Roman" -> Liberation Serif, built into the engine). False when there is
// neither.
bool resolveFontFamily(const QString& requested, QString& qtFamily);

// The installed families, each once, in the font database's order, without
// the foundry that the database appends to names it holds twice.
QStringList installedFontFamilies();

// Design-unit metrics of one face, read from the font file's tables.
struct FontDesignMetrics {
    int emHeight = 0;     // 'head' unitsPerEm
    int cellAscent = 0;   // 'OS/2' usWinAscent
    int cellDescent = 0;  // 'OS/2' usWinDescent
    int lineSpacing = 0;  // baseline to baseline, line gap included
};

// The metrics of the face of `qtFamily` that draws `style` (FontStyle
// flags; only bold and italic select a face). False when the face cannot
// be loaded.
bool fontDesignMetrics(const QString& qtFamily, int style, FontDesignMetrics& out);

}  // namespace engine

// A set of font families. The engine has one: the installed fonts.
struct GpFontCollection : engine::Object {
    static bool accepts(engine::ObjectKind k) { return k == engine::ObjectKind::FontCollection; }
    GpFontCollection() : Object(engine::ObjectKind::FontCollection) {}

    // The collection's families, as GdipGetFamilyName reports them.
    QStringList families() const { return engine::installedFontFamilies(); }
};
