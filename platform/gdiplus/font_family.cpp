// Font families over Qt's font database. A family is looked up by name among
// the installed fonts; "Times New Roman", "Arial" and "Courier New" fall back
// to their metric-compatible Liberation families, and the engine carries a
// Liberation Serif of its own, so a serif is always found.
#include "api/font_family.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <mutex>

#include "objects/font_family.h"
#include "status.h"

namespace engine {
namespace {

struct Substitute {
    const char* requested;
    const char* installed;
};

// Families that draw with the same advance widths and vertical metrics.
constexpr Substitute kMetricSubstitutes[] = {
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
};

std::mutex& fontMutex() {
    static std::mutex m;
    return m;
}

// Cached while the font database stays the same: resolving runs for every
// font the program makes.
struct FamilyCache {
    // Cleared without the lock: the signal may come while it is held.
    std::atomic<bool> valid = false;
    std::atomic<bool> metricsValid = true;
    bool watching = false;
    QStringList families;
    QHash<QPair<QString, int>, FontDesignMetrics> metrics;
};

FamilyCache& cache() {
    static auto* c = new FamilyCache;
    return *c;
}

void watchFontDatabase(FamilyCache& c) {
    if (c.watching || !qGuiApp) return;
    c.watching = true;
    QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [] {
        cache().valid = false;
        cache().metricsValid = false;
    });
}

// The database appends " [foundry]" to a family that several foundries
// provide; the family name itself is what callers ask for.
QString withoutFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket > 0 && family.endsWith(QLatin1Char(']')) ? family.left(bracket) : family;
}

quint16 readU16(const QByteArray& table, int offset) {
    return qFromBigEndian<quint16>(table.constData() + offset);
}
qint16 readS16(const QByteArray& table, int offset) {
    return qFromBigEndian<qint16>(table.constData() + offset);
}

bool loadMetrics(const QString& qtFamily, int style, FontDesignMetrics& out) {
    QFont font(qtFamily);
    font.setBold((style & FontStyleBold) != 0);
    font.setItalic((style & FontStyleItalic) != 0);
    font.setPixelSize(64);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;

    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray hhea = raw.fontTable("hhea");
    if (head.size() >= 20 && os2.size() >= 78 && hhea.size() >= 10) {
        out.emHeight = readU16(head, 18);
        out.cellAscent = readU16(os2, 74);
        out.cellDescent = readU16(os2, 76);
        // The larger of the Windows cell and the typographic line (ascender,
        // descender and line gap of 'hhea'): the line gap lies outside the cell.
        const int hheaLine = readS16(hhea, 4) - readS16(hhea, 6) + readS16(hhea, 8);
        out.lineSpacing = std::max(out.cellAscent + out.cellDescent, hheaLine);
    } else {
        // A font without those tables: Qt's own metrics at one pixel per unit.
        QRawFont sized(raw);
        sized.setPixelSize(raw.unitsPerEm());
        out.emHeight = qRound(raw.unitsPerEm());
        out.cellAscent = qRound(sized.ascent());
        out.cellDescent = qRound(sized.descent());
        out.lineSpacing = qRound(sized.ascent() + sized.descent() + sized.leading());
    }
    auto clamp16 = [](int v) { return std::clamp(v, 0, 0xFFFF); };
    out.emHeight = clamp16(out.emHeight);
    out.cellAscent = clamp16(out.cellAscent);
    out.cellDescent = clamp16(out.cellDescent);
    out.lineSpacing = clamp16(out.lineSpacing);
    return out.emHeight > 0;
}

}  // namespace

QStringList installedFontFamilies() {
    std::lock_guard lock(fontMutex());
    FamilyCache& c = cache();
    if (!c.valid) {
        watchFontDatabase(c);
        QStringList families;
        for (const QString& family : QFontDatabase::families()) {
            const QString name = withoutFoundry(family);
            if (!families.contains(name, Qt::CaseInsensitive)) families.append(name);
        }
        c.families = families;
        c.valid = true;
    }
    return c.families;
}

bool resolveFontFamily(const QString& requested, QString& qtFamily) {
    if (requested.isEmpty()) return false;
    const QStringList families = installedFontFamilies();
    auto installed = [&](const QString& name) -> QString {
        for (const QString& family : families)
            if (family.compare(name, Qt::CaseInsensitive) == 0) return family;
        return {};
    };
    QString found = installed(requested);
    for (const Substitute& s : kMetricSubstitutes) {
        if (!found.isEmpty()) break;
        if (requested.compare(QLatin1String(s.requested), Qt::CaseInsensitive) == 0)
            found = installed(QLatin1String(s.installed));
    }
    if (found.isEmpty()) return false;
    qtFamily = found;
    return true;
}

bool fontDesignMetrics(const QString& qtFamily, int style, FontDesignMetrics& out) {
    const QPair<QString, int> key(qtFamily, style & FontStyleBoldItalic);
    {
        std::lock_guard lock(fontMutex());
        if (!cache().metricsValid.exchange(true)) cache().metrics.clear();
        auto it = cache().metrics.constFind(key);
        if (it != cache().metrics.constEnd()) {
            out = *it;
            return true;
        }
    }
    FontDesignMetrics metrics;
    if (!loadMetrics(qtFamily, key.second, metrics)) return false;
    std::lock_guard lock(fontMutex());
    cache().metrics.insert(key, metrics);
    out = metrics;
    return true;
}

}  // namespace engine

namespace {

GpFontCollection* installedCollection() {
    // Lives as long as the process: callers never delete it.
    static auto* collection = new GpFontCollection;
    return collection;
}

GpFontFamily* newFamily(const QString& qtFamily) {
    auto* family = new GpFontFamily;
    // A substituted family reports the name of the font that draws it, not
    // the one asked for: the name tells which font is in use.
    family->name = qtFamily;
    family->qtFamily = qtFamily;
    return family;
}

QString fromWide(const WCHAR* text) {
    return QString::fromUtf16(text);
}

// The first of `names` that resolves, else the system's family for `hint`.
GpStatus genericFamily(std::initializer_list<const char*> names, QFont::StyleHint hint, GpFontFamily** out) {
    GP_CHECK_ARG(out);
    GP_CHECK(engine::isStarted(), GdiplusNotInitialized);
    QString qtFamily;
    bool found = false;
    for (const char* name : names)
        if ((found = engine::resolveFontFamily(QLatin1String(name), qtFamily))) break;
    if (!found) {
        QFont font;
        font.setStyleHint(hint);
        font.setFamilies({});
        found = engine::resolveFontFamily(QFontInfo(font).family(), qtFamily);
    }
    if (!found) return engine::fail(FontFamilyNotFound);
    *out = newFamily(qtFamily);
    return Ok;
}

template <class Get>
GpStatus metric(const GpFontFamily* family, INT style, UINT16* out, Get get) {
    auto* f = engine::lookup<GpFontFamily>(family);
    GP_CHECK_ARG(f && out);
    engine::FontDesignMetrics metrics;
    if (!engine::fontDesignMetrics(f->qtFamily, style, metrics)) return engine::fail(NotTrueTypeFont);
    *out = static_cast<UINT16>(get(metrics));
    return Ok;
}

}  // namespace

GpStatus WINGDIPAPI GdipNewInstalledFontCollection(GpFontCollection** fontCollection) {
    GP_CHECK_ARG(fontCollection);
    GP_CHECK(engine::isStarted(), GdiplusNotInitialized);
    *fontCollection = installedCollection();
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontCollectionFamilyCount(GpFontCollection* fontCollection, INT* numFound) {
    auto* c = engine::lookup<GpFontCollection>(fontCollection);
    GP_CHECK_ARG(c && numFound);
    *numFound = static_cast<INT>(c->families().size());
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontCollectionFamilyList(GpFontCollection* fontCollection, INT numSought,
                                                    GpFontFamily* gpfamilies[], INT* numFound) {
    auto* c = engine::lookup<GpFontCollection>(fontCollection);
    GP_CHECK_ARG(c && gpfamilies && numFound && numSought > 0);
    const QStringList families = c->families();
    const INT n = std::min<INT>(numSought, static_cast<INT>(families.size()));
    for (INT i = 0; i < n; ++i) gpfamilies[i] = newFamily(families[i]);
    *numFound = n;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST WCHAR* name, GpFontCollection* fontCollection,
                                                 GpFontFamily** fontFamily) {
    GP_CHECK_ARG(name && fontFamily);
    GP_CHECK_ARG(!fontCollection || engine::lookup<GpFontCollection>(fontCollection));
    GP_CHECK(engine::isStarted(), GdiplusNotInitialized);
    QString qtFamily;
    if (!engine::resolveFontFamily(fromWide(name), qtFamily)) return engine::fail(FontFamilyNotFound);
    *fontFamily = newFamily(qtFamily);
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* fontFamily) {
    auto* f = engine::lookup<GpFontFamily>(fontFamily);
    GP_CHECK_ARG(f);
    delete f;
    return Ok;
}

GpStatus WINGDIPAPI GdipCloneFontFamily(GpFontFamily* fontFamily, GpFontFamily** clonedFontFamily) {
    auto* f = engine::lookup<GpFontFamily>(fontFamily);
    GP_CHECK_ARG(f && clonedFontFamily);
    auto* clone = new GpFontFamily;
    clone->name = f->name;
    clone->qtFamily = f->qtFamily;
    *clonedFontFamily = clone;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily) {
    return genericFamily({"Microsoft Sans Serif", "Arial"}, QFont::SansSerif, nativeFamily);
}

GpStatus WINGDIPAPI GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily) {
    return genericFamily({"Times New Roman", "Liberation Serif"}, QFont::Serif, nativeFamily);
}

GpStatus WINGDIPAPI GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily) {
    return genericFamily({"Courier New"}, QFont::TypeWriter, nativeFamily);
}

GpStatus WINGDIPAPI GdipGetFamilyName(GDIPCONST GpFontFamily* family, WCHAR name[32], LANGID) {
    auto* f = engine::lookup<GpFontFamily>(family);
    GP_CHECK_ARG(f && name);
    const qsizetype units = std::min<qsizetype>(f->name.size(), 31);
    std::copy_n(reinterpret_cast<const WCHAR*>(f->name.utf16()), units, name);
    name[units] = 0;
    return Ok;
}

GpStatus WINGDIPAPI GdipIsStyleAvailable(GDIPCONST GpFontFamily* family, INT style, BOOL* isStyleAvailable) {
    auto* f = engine::lookup<GpFontFamily>(family);
    GP_CHECK_ARG(f && isStyleAvailable);
    const bool bold = (style & FontStyleBold) != 0;
    const bool italic = (style & FontStyleItalic) != 0;
    bool available = false;
    for (const QString& face : QFontDatabase::styles(f->qtFamily)) {
        if (QFontDatabase::bold(f->qtFamily, face) == bold && QFontDatabase::italic(f->qtFamily, face) == italic) {
            available = true;
            break;
        }
    }
    *isStyleAvailable = available ? TRUE : FALSE;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetEmHeight(GDIPCONST GpFontFamily* family, INT style, UINT16* EmHeight) {
    return metric(family, style, EmHeight, [](const auto& m) { return m.emHeight; });
}

GpStatus WINGDIPAPI GdipGetCellAscent(GDIPCONST GpFontFamily* family, INT style, UINT16* CellAscent) {
    return metric(family, style, CellAscent, [](const auto& m) { return m.cellAscent; });
}

GpStatus WINGDIPAPI GdipGetCellDescent(GDIPCONST GpFontFamily* family, INT style, UINT16* CellDescent) {
    return metric(family, style, CellDescent, [](const auto& m) { return m.cellDescent; });
}

GpStatus WINGDIPAPI GdipGetLineSpacing(GDIPCONST GpFontFamily* family, INT style, UINT16* LineSpacing) {
    return metric(family, style, LineSpacing, [](const auto& m) { return m.lineSpacing; });
}
