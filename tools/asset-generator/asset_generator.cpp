// Draws the program's small built-in pictures: the 38 preset button pictures
// (assets/presets/<name>.png) and the program icon (assets/zelvaro.ico).
//
// The pictures are committed; the program compiles them in and never runs
// this tool. To change their look, edit the style constants below, then from
// the top of the source tree:
//
//   cmake --build --preset release --target zelvaro-asset-generator
//   build/release/bin/zelvaro-asset-generator assets
//
// and look at the results before committing them. The glyphs come from the
// Liberation Serif files in the source tree, read directly (no font lookup),
// so the output is the same on every machine.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// ---- style of the preset pictures ----
constexpr int kPictureSize = 32;
constexpr int kFirstRow = 8;    // the letters take rows 8 to 21
constexpr int kLastRow = 21;
constexpr int kMaxInkWidth = 30;  // leaves at least a pixel each side
const QColor kLetterColor(0, 0, 255, 218);  // pure blue at about 85 %
constexpr double kSuperscriptScale = 0.62;   // of the symbol's em
constexpr double kSuperscriptRise = 0.40;    // baseline lift, in symbol ems
constexpr double kSuperscriptGap = 0.03;     // space before the charge, in ems

// ---- style of the icon ----
constexpr int kIconSize = 128;
const QColor kIconGreen(0, 255, 0);

struct Preset {
    const char* name;    // the button's name after 按钮_
    const char* symbol;  // element symbol
    const char* charge;  // superscript, empty for an atom
};

// One row per preset button, in the order of the group box's rows.
const Preset kPresets[] = {
    {"H", "H", ""},       {"H1", "H", "+"},     {"H2", "H", "\u2212"}, {"He", "He", ""},
    {"Li", "Li", ""},     {"Li1", "Li", "+"},   {"Be", "Be", ""},      {"Be1", "Be", "2+"},
    {"B", "B", ""},       {"C", "C", ""},       {"N", "N", ""},        {"N1", "N", "3\u2212"},
    {"O", "O", ""},       {"O1", "O", "2\u2212"}, {"F", "F", ""},      {"F1", "F", "\u2212"},
    {"Ne", "Ne", ""},     {"Na", "Na", ""},     {"Na1", "Na", "+"},    {"Mg", "Mg", ""},
    {"Mg1", "Mg", "2+"},  {"Al", "Al", ""},     {"Al1", "Al", "3+"},   {"Si", "Si", ""},
    {"P", "P", ""},       {"P1", "P", "3\u2212"}, {"S", "S", ""},      {"S1", "S", "2\u2212"},
    {"Cl", "Cl", ""},     {"Cl1", "Cl", "\u2212"}, {"Ar", "Ar", ""},   {"K", "K", ""},
    {"K1", "K", "+"},     {"Ca", "Ca", ""},     {"Ca1", "Ca", "2+"},   {"Fe", "Fe", ""},
    {"Fe2", "Fe", "2+"},  {"Fe3", "Fe", "3+"},
};

// Glyph outlines are taken at this size and scaled down, so that the em size
// can be any real number.
constexpr double kOutlineSize = 1000.0;

// Appends the outline of `text` at pen position `x` on baseline 0 and returns
// the advance; sizes in units of one em of the outline font.
double appendText(QPainterPath& path, const QRawFont& font, const QString& text, double x, double scale,
                  double rise) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QTransform place;
        place.translate(x, -rise);
        place.scale(scale / kOutlineSize, scale / kOutlineSize);
        path.addPath(place.map(font.pathForGlyph(glyphs[i])));
        x += advances[i].x() * scale / kOutlineSize;
    }
    return x;
}

// The symbol and its charge as one outline, one em high, baseline at y 0.
QPainterPath symbolOutline(const QRawFont& font, const Preset& preset) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    double x = appendText(path, font, QString::fromUtf8(preset.symbol), 0, 1.0, 0);
    if (*preset.charge)
        appendText(path, font, QString::fromUtf8(preset.charge), x + kSuperscriptGap, kSuperscriptScale,
                   kSuperscriptRise);
    return path;
}

struct Fit {
    double em = 0;
    int baseline = 0;
};

// The largest em size (and a whole-pixel baseline) at which every picture's
// ink stays within the letter rows and the width limit. All pictures share
// it, so the symbols have one size and stand on one baseline.
Fit fitAll(const std::vector<QPainterPath>& outlines) {
    double top = 0, bottom = 0, widest = 0;
    for (const QPainterPath& p : outlines) {
        const QRectF r = p.boundingRect();
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        widest = std::max(widest, r.width());
    }
    for (double em = 24.0; em > 4.0; em -= 0.01) {
        if (widest * em > kMaxInkWidth) continue;
        const int lowest = static_cast<int>(std::ceil(kFirstRow - top * em));
        if (lowest + bottom * em <= kLastRow + 1) return {em, lowest};
    }
    return {};
}

QImage drawPreset(const QPainterPath& outline, const Fit& fit) {
    QImage image(kPictureSize, kPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QTransform place;
    const QRectF r = outline.boundingRect();
    place.translate((kPictureSize - r.width() * fit.em) / 2 - r.left() * fit.em, fit.baseline);
    place.scale(fit.em, fit.em);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(place.map(outline), kLetterColor);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// True when no pixel outside the letter rows has any ink.
bool inkWithinRows(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        if (y >= kFirstRow && y <= kLastRow) continue;
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
    }
    return true;
}

// The icon: a schematic hydrogen atom, a green nucleus with a white "+1" and
// one green shell arc with its count.
QImage drawIcon(const QRawFont& bold) {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(44, 64);
    const double radius = 38;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconGreen);
    painter.drawEllipse(centre, radius, radius);

    // Text outlines centred on a point, by their ink.
    auto centredText = [&](const QString& text, double em, QPointF at, const QColor& colour) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        appendText(path, bold, text, 0, em, 0);
        const QRectF r = path.boundingRect();
        painter.fillPath(path.translated(at - r.center()), colour);
    };
    centredText(QStringLiteral("+1"), 40, centre, Qt::white);

    QPen arcPen(kIconGreen, 7, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(arcPen);
    painter.setBrush(Qt::NoBrush);
    const double arcRadius = 56;
    // Qt counts arc angles counter-clockwise in sixteenths of a degree.
    painter.drawArc(QRectF(centre.x() - arcRadius, centre.y() - arcRadius, 2 * arcRadius, 2 * arcRadius),
                    -40 * 16, 80 * 16);
    painter.setPen(Qt::NoPen);
    centredText(QStringLiteral("1"), 36, QPointF(113, 64), kIconGreen);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void put16(QByteArray& out, quint16 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 2);
}
void put32(QByteArray& out, quint32 v) {
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&v), 4);
}

// An icon file with one 32-bit image: the directory, then the image as a
// device-independent bitmap (height doubled for the mask, rows bottom-up,
// BGRA) followed by its 1-bit mask, set where the image is fully transparent.
QByteArray iconFile(const QImage& image) {
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 dibSize = 40 + w * h * 4 + maskStride * h;
    QByteArray out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon
    put16(out, 1);  // one image
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));  // no palette
    out.append(char(0));
    put16(out, 1);   // planes
    put16(out, 32);  // bits per pixel
    put32(out, dibSize);
    put32(out, 22);  // the image follows the directory
    put32(out, 40);
    put32(out, w);
    put32(out, h * 2);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);  // BI_RGB
    put32(out, w * h * 4 + maskStride * h);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            out.append(char(qBlue(p)));
            out.append(char(qGreen(p)));
            out.append(char(qRed(p)));
            out.append(char(qAlpha(p)));
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    // Glyph outlines need the GUI part of Qt, but no screen.
    int qtArgc = 3;
    char arg1[] = "-platform", arg2[] = "offscreen";
    char* qtArgv[] = {argv[0], arg1, arg2, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    const QRawFont regular(QStringLiteral(ZELVARO_SERIF_REGULAR), kOutlineSize);
    const QRawFont bold(QStringLiteral(ZELVARO_SERIF_BOLD), kOutlineSize);
    if (!regular.isValid() || !bold.isValid()) {
        std::fprintf(stderr, "cannot read the serif font files\n");
        return 1;
    }

    const QDir assets(QString::fromLocal8Bit(argv[1]));
    if (!assets.mkpath(QStringLiteral("presets"))) {
        std::fprintf(stderr, "cannot make %s/presets\n", argv[1]);
        return 1;
    }

    std::vector<QPainterPath> outlines;
    for (const Preset& p : kPresets) outlines.push_back(symbolOutline(regular, p));
    const Fit fit = fitAll(outlines);
    if (fit.em <= 0) {
        std::fprintf(stderr, "the symbols do not fit the picture\n");
        return 1;
    }
    std::printf("em %.2f px, baseline at row %d\n", fit.em, fit.baseline);

    for (std::size_t i = 0; i < outlines.size(); ++i) {
        const QImage image = drawPreset(outlines[i], fit);
        if (!inkWithinRows(image)) {
            std::fprintf(stderr, "%s: ink outside the letter rows\n", kPresets[i].name);
            return 1;
        }
        const QString path = assets.filePath(QStringLiteral("presets/%1.png").arg(kPresets[i].name));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return writeFile(assets.filePath(QStringLiteral("zelvaro.ico")), iconFile(drawIcon(bold))) ? 0 : 1;
}
