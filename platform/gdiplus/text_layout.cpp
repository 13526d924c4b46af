#include "text_layout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <algorithm>

#include "graphics_painting.h"
#include "objects/font.h"
#include "objects/font_family.h"
#include "objects/string_format.h"

namespace engine {

namespace {

constexpr qreal kLayoutDpi = 96;
constexpr qreal kUnlimited = 1e6;  // a line width that never wraps

}  // namespace

QPaintDevice* layoutDevice() {
    static QImage* device = [] {
        auto* image = new QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        // 3780 dots per metre reads back as exactly 96 dots per inch.
        image->setDotsPerMeterX(3780);
        image->setDotsPerMeterY(3780);
        return image;
    }();
    return device;
}

qreal emSizeInWorld(const GpFont& font, const GpGraphics& g) {
    if (font.unit == UnitWorld) return font.emSize;
    // A font in a physical unit has a fixed pixel size; world units are
    // pixels divided by the page scaling.
    const qreal pixels = font.emSize * pixelsPerUnit(font.unit, g.dpiY);
    return pixels / (g.state.pageScale * pixelsPerUnit(g.state.pageUnit, g.dpiY));
}

QFont layoutFont(const GpFont& font, qreal emPixels, int textRenderingHint) {
    QFont f = font.toQFont(emPixels, kLayoutDpi);
    const bool smooth = textRenderingHint != 1 && textRenderingHint != 2;
    f.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

LayoutFont::LayoutFont(const GpFont& font, qreal em, int textRenderingHint)
    : qfont(layoutFont(font, em, textRenderingHint)), emSize(em) {
    FontDesignMetrics m;
    if (fontDesignMetrics(font.qtFamily, font.style, m) && m.emHeight > 0 && m.lineSpacing > 0) {
        lineHeight = m.lineSpacing * em / m.emHeight;
        ascent = m.cellAscent * em / m.emHeight;
    } else {
        const QFontMetricsF metrics(qfont, layoutDevice());
        lineHeight = metrics.lineSpacing();
        ascent = metrics.ascent();
    }
}

TextLayout::TextLayout(const QString& text, const LayoutFont& font, const GpStringFormat* format,
                       const QRectF& layoutRect)
    : layout(QString(text).replace(QLatin1String("\r\n"), QString(QChar::LineSeparator))
                 .replace(QLatin1Char('\n'), QChar::LineSeparator)
                 .replace(QLatin1Char('\r'), QChar::LineSeparator),
             font.qfont, layoutDevice()),
      rect(layoutRect) {
    const INT flags = format ? format->flags : 0;
    const int align = format ? format->align : StringAlignmentNear;
    const int lineAlign = format ? format->lineAlign : StringAlignmentNear;
    padding = format && format->typographic ? 0 : font.emSize / 6;
    clip = !(flags & StringFormatFlagsNoClip) && rect.width() > 0 && rect.height() > 0;

    lineHeight = font.lineHeight;
    ascent = font.ascent;

    const bool wrap = rect.width() > 0 && !(flags & StringFormatFlagsNoWrap);
    const qreal available = wrap ? std::max<qreal>(rect.width() - 2 * padding, 1) : kUnlimited;
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setTextDirection((flags & StringFormatFlagsDirectionRightToLeft) ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);

    const bool lineLimit = flags & StringFormatFlagsLineLimit;
    const bool trailing = flags & StringFormatFlagsMeasureTrailingSpaces;
    layout.beginLayout();
    for (int i = 0;; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(available);
        const qreal top = i * lineHeight;
        if (rect.height() > 0) {
            // A line that starts below the rectangle is never shown; with
            // LineLimit, neither is one that does not fit whole.
            if (top >= rect.height() || (lineLimit && top + lineHeight > rect.height() + 1e-3)) break;
        }
        line.setPosition(QPointF(0, top));
        const qreal width = trailing ? line.horizontalAdvance() : line.naturalTextWidth();
        lines.push_back({line, 0, top, width});
        fitted = line.textStart() + line.textLength();
    }
    layout.endLayout();

    // Place the lines: horizontally per line, vertically as a block.
    const qreal total = lines.size() * lineHeight;
    qreal blockTop = rect.y();
    if (lineAlign == StringAlignmentCenter) blockTop += (rect.height() - total) / 2;
    else if (lineAlign == StringAlignmentFar) blockTop += rect.height() - total;
    for (Line& l : lines) {
        l.top += blockTop;
        if (rect.width() > 0) {
            if (align == StringAlignmentCenter) l.x = rect.x() + (rect.width() - l.width) / 2;
            else if (align == StringAlignmentFar) l.x = rect.right() - padding - l.width;
            else l.x = rect.x() + padding;
        } else {
            if (align == StringAlignmentCenter) l.x = rect.x() - l.width / 2;
            else if (align == StringAlignmentFar) l.x = rect.x() - padding - l.width;
            else l.x = rect.x() + padding;
        }
    }
}

QRectF TextLayout::boundingBox() const {
    if (lines.empty()) return QRectF(rect.x(), rect.y(), 0, 0);
    qreal left = lines.front().x, right = left + lines.front().width;
    for (const Line& l : lines) {
        left = std::min(left, l.x);
        right = std::max(right, l.x + l.width);
    }
    QRectF box(left - padding, lines.front().top, right - left + 2 * padding, lines.size() * lineHeight);
    if (rect.height() > 0 && box.height() > rect.height()) box.setHeight(rect.height());
    return box;
}

QPainterPath TextLayout::rangeArea(int first, int length) const {
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    if (length < 0) {
        first += length;
        length = -length;
    }
    const int end = first + length;
    for (const Line& l : lines) {
        const int a = std::max(first, l.line.textStart());
        const int b = std::min(end, l.line.textStart() + l.line.textLength());
        if (a >= b) continue;
        const qreal xa = l.line.cursorToX(a), xb = l.line.cursorToX(b);
        area.addRect(QRectF(l.x + std::min(xa, xb), l.top, std::abs(xb - xa), lineHeight));
    }
    return area;
}

void TextLayout::draw(QPainter& painter, const QTransform& clipTransform) const {
    painter.save();
    if (clip) {
        const QTransform drawing = painter.transform();
        painter.setTransform(clipTransform);
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.setTransform(drawing);
    }
    for (const Line& l : lines) {
        // Baselines one font ascent below each line's top, whatever the
        // fallback fonts on the line would make of it.
        const QPointF origin(l.x - l.line.x(), l.top - l.line.y() + ascent - l.line.ascent());
        for (const QGlyphRun& run : l.line.glyphRuns()) painter.drawGlyphRun(origin, run);
    }
    painter.restore();
}

}  // namespace engine
