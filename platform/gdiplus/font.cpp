#include "api/font.h"

#include <QFontInfo>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>

#include "objects/font.h"
#include "objects/font_family.h"
#include "objects/graphics.h"
#include "status.h"
#include "win32/code_page.h"

namespace engine {

namespace {

// The family's design metrics; a face that cannot be read counts as a
// Times-like one, so sizes derived from them stay finite.
FontDesignMetrics designMetrics(const QString& qtFamily, INT style) {
    FontDesignMetrics m;
    if (!fontDesignMetrics(qtFamily, style & FontStyleBoldItalic, m) || m.emHeight <= 0) {
        m = FontDesignMetrics{2048, 1825, 443, 2355};
    }
    return m;
}

}  // namespace

}  // namespace engine

QFont GpFont::toQFont(qreal pixelSize, qreal deviceDpi) const {
    QFont f(qtFamily);
    const qreal whole = std::round(pixelSize);
    if (whole >= 1 && std::abs(pixelSize - whole) < 1e-4)
        f.setPixelSize(static_cast<int>(whole));
    else
        f.setPointSizeF(std::max(pixelSize, 1e-3) * 72 / deviceDpi);
    f.setBold(style & FontStyleBold);
    f.setItalic(style & FontStyleItalic);
    f.setUnderline(style & FontStyleUnderline);
    f.setStrikeOut(style & FontStyleStrikeout);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

// Every device context of this platform, and the screen, has 96 dpi.
constexpr qreal kDeviceDpi = 96;
constexpr REAL kDefaultLogfontHeight = 11;  // the default GUI font's em, in pixels

bool validFontUnit(INT unit) {
    return unit >= UnitWorld && unit <= UnitMillimeter && unit != UnitDisplay;
}

qreal graphicsDpi(const GpGraphics* g) {
    return g ? g->dpiY : kDeviceDpi;
}

// Device pixels per unit of the graphics' page (page scale included); a
// null graphics counts in pixels.
qreal pixelsPerPageUnit(const GpGraphics* g) {
    return g ? engine::pixelsPerUnit(g->state.pageUnit, g->dpiY) * g->state.pageScale : 1;
}

// Device pixels per unit of the font: a world-unit font is sized in the
// graphics' page units.
qreal pixelsPerFontUnit(const GpFont& f, const GpGraphics* g) {
    return f.unit == UnitWorld ? pixelsPerPageUnit(g) : engine::pixelsPerUnit(f.unit, graphicsDpi(g));
}

// The installed family that draws `face`: the face itself (or its stand-in),
// else the default sans serif, which then also names the font.
void resolveFace(const QString& face, QString& familyName, QString& qtFamily) {
    if (!face.isEmpty() && engine::resolveFontFamily(face, qtFamily)) {
        familyName = face;
        return;
    }
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    sans.setFamilies({QStringLiteral("sans-serif")});
    qtFamily = QFontInfo(sans).family();
    familyName = qtFamily;
}

// The fields a LOGFONTA and a LOGFONTW share, with the face name as text.
GpStatus fontFromLogfont(const LOGFONTA& lf, const QString& face, GpFont** font) {
    auto f = std::make_unique<GpFont>();
    resolveFace(face, f->familyName, f->qtFamily);
    f->style = (lf.lfWeight >= 600 ? FontStyleBold : 0) | (lf.lfItalic ? FontStyleItalic : 0) |
               (lf.lfUnderline ? FontStyleUnderline : 0) | (lf.lfStrikeOut ? FontStyleStrikeout : 0);
    f->unit = UnitWorld;
    if (lf.lfHeight < 0) {
        f->emSize = -static_cast<REAL>(lf.lfHeight);
    } else if (lf.lfHeight > 0) {
        // A cell height: scale the em so that ascent plus descent fill it.
        const auto m = engine::designMetrics(f->qtFamily, f->style);
        const int cell = std::max(1, m.cellAscent + m.cellDescent);
        f->emSize = static_cast<REAL>(lf.lfHeight) * m.emHeight / cell;
    } else {
        f->emSize = kDefaultLogfontHeight;
    }
    *font = f.release();
    return Ok;
}

QString faceOf(const char* face) {
    return QString::fromUtf8(face, static_cast<qsizetype>(strnlen(face, LF_FACESIZE)));
}

QString faceOf(const WCHAR* face) {
    qsizetype n = 0;
    while (n < LF_FACESIZE && face[n]) ++n;
    return QString::fromUtf16(face, n);
}

void fillLogfont(const GpFont& f, const GpGraphics* g, LOGFONTA& lf) {
    std::memset(&lf, 0, sizeof lf);
    const qreal pixels = f.emSize * pixelsPerFontUnit(f, g);
    lf.lfHeight = -static_cast<LONG>(std::lround(pixels));
    lf.lfWeight = f.style & FontStyleBold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.style & FontStyleItalic ? 1 : 0;
    lf.lfUnderline = f.style & FontStyleUnderline ? 1 : 0;
    lf.lfStrikeOut = f.style & FontStyleStrikeout ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
}

// The line spacing in units of the font's own size.
qreal lineSpacingInFontUnits(const GpFont& f) {
    const auto m = engine::designMetrics(f.qtFamily, f.style);
    return m.lineSpacing * (static_cast<qreal>(f.emSize) / m.emHeight);
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* fontFamily, REAL emSize, INT style, INT unit,
                                   GpFont** font) {
    const GpFontFamily* family = engine::lookup<GpFontFamily>(fontFamily);
    GP_CHECK_ARG(family && font && std::isfinite(emSize) && emSize > 0 && validFontUnit(unit));
    auto* f = new GpFont;
    f->familyName = family->name;
    f->qtFamily = family->qtFamily;
    f->emSize = emSize;
    f->style = style;
    f->unit = unit;
    *font = f;
    return Ok;
}

GpStatus WINGDIPAPI GdipCreateFontFromLogfontA(HDC, GDIPCONST LOGFONTA* logfont, GpFont** font) {
    GP_CHECK_ARG(logfont && font);
    return fontFromLogfont(*logfont, faceOf(logfont->lfFaceName), font);
}

GpStatus WINGDIPAPI GdipCreateFontFromLogfontW(HDC, GDIPCONST LOGFONTW* logfont, GpFont** font) {
    GP_CHECK_ARG(logfont && font);
    LOGFONTA fields{};
    std::memcpy(&fields, logfont, offsetof(LOGFONTA, lfFaceName));
    return fontFromLogfont(fields, faceOf(logfont->lfFaceName), font);
}

GpStatus WINGDIPAPI GdipCreateFontFromDC(HDC hdc, GpFont** font) {
    GP_CHECK_ARG(hdc && font);
    // No font is ever selected into a context here: it draws with the
    // default GUI font.
    LOGFONTA lf{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) != sizeof lf) return engine::fail(GenericError);
    return GdipCreateFontFromLogfontA(hdc, &lf, font);
}

GpStatus WINGDIPAPI GdipCloneFont(GpFont* font, GpFont** cloneFont) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && cloneFont);
    auto* c = new GpFont;
    c->familyName = f->familyName;
    c->qtFamily = f->qtFamily;
    c->emSize = f->emSize;
    c->style = f->style;
    c->unit = f->unit;
    *cloneFont = c;
    return Ok;
}

GpStatus WINGDIPAPI GdipDeleteFont(GpFont* font) {
    GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f);
    delete f;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFamily(GpFont* font, GpFontFamily** family) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && family);
    auto* fam = new GpFontFamily;
    fam->name = f->familyName;
    fam->qtFamily = f->qtFamily;
    *family = fam;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontStyle(GpFont* font, INT* style) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && style);
    *style = f->style;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontSize(GpFont* font, REAL* size) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && size);
    *size = f->emSize;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontUnit(GpFont* font, GpUnit* unit) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && unit);
    *unit = f->unit;
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontHeight(GDIPCONST GpFont* font, GDIPCONST GpGraphics* graphics, REAL* height) {
    const GpFont* f = engine::lookup<GpFont>(font);
    const GpGraphics* g = engine::lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(f && height && (!graphics || g));
    // In the graphics' page units: through device pixels, unless the font
    // is sized in those units already.
    const qreal spacing = lineSpacingInFontUnits(*f);
    const qreal page = pixelsPerPageUnit(g);
    *height = static_cast<REAL>(f->unit == UnitWorld || page <= 0 ? spacing
                                                                  : spacing * pixelsPerFontUnit(*f, g) / page);
    return Ok;
}

GpStatus WINGDIPAPI GdipGetFontHeightGivenDPI(GDIPCONST GpFont* font, REAL dpi, REAL* height) {
    const GpFont* f = engine::lookup<GpFont>(font);
    GP_CHECK_ARG(f && height && std::isfinite(dpi) && dpi >= 0);
    *height = static_cast<REAL>(lineSpacingInFontUnits(*f) * engine::pixelsPerUnit(f->unit, dpi));
    return Ok;
}

GpStatus WINGDIPAPI GdipGetLogFontA(GpFont* font, GpGraphics* graphics, LOGFONTA* logfontA) {
    const GpFont* f = engine::lookup<GpFont>(font);
    const GpGraphics* g = engine::lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(f && g && logfontA);
    fillLogfont(*f, g, *logfontA);
    // The face in the ANSI code page, cut to whole characters that fit.
    const QByteArray face = f->familyName.toUtf8();
    int keep = std::min<int>(face.size(), LF_FACESIZE - 1);
    while (keep > 0 && keep < face.size() && (static_cast<unsigned char>(face[keep]) & 0xC0) == 0x80) --keep;
    std::memcpy(logfontA->lfFaceName, face.constData(), static_cast<std::size_t>(keep));
    return Ok;
}

GpStatus WINGDIPAPI GdipGetLogFontW(GpFont* font, GpGraphics* graphics, LOGFONTW* logfontW) {
    const GpFont* f = engine::lookup<GpFont>(font);
    const GpGraphics* g = engine::lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(f && g && logfontW);
    LOGFONTA fields;
    fillLogfont(*f, g, fields);
    std::memset(logfontW, 0, sizeof *logfontW);
    std::memcpy(logfontW, &fields, offsetof(LOGFONTW, lfFaceName));
    int units = std::min<int>(f->familyName.size(), LF_FACESIZE - 1);
    // Do not split a surrogate pair.
    if (units > 0 && units < f->familyName.size() && f->familyName[units - 1].isHighSurrogate()) --units;
    std::memcpy(logfontW->lfFaceName, f->familyName.utf16(), static_cast<std::size_t>(units) * sizeof(WCHAR));
    return Ok;
}
