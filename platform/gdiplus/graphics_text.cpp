// Text on a graphics object: strings in layout rectangles, their measures,
// the areas of character ranges, and glyphs at given positions.
#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include <QGlyphRun>
#include <QRawFont>

#include "api/graphics.h"
#include "graphics_painting.h"
#include "objects/brush.h"
#include "objects/font.h"
#include "objects/matrix.h"
#include "objects/region.h"
#include "objects/string_format.h"
#include "text_layout.h"

using engine::fail;
using engine::lookup;

namespace {

// The text of (string, length), length -1 meaning zero-terminated.
bool readText(const WCHAR* string, INT length, QString& out) {
    if (!string || length < -1) return false;
    if (length == -1) {
        length = 0;
        while (string[length]) ++length;
    }
    out = QString::fromUtf16(string, length);
    return true;
}

// What decides a string's layout. The diagram draws the same few short
// strings into the same boxes on every repaint, and laying a string out
// costs more than drawing it, so recent layouts are kept and reused.
struct LayoutKey {
    QString text, family;
    int style = 0, hint = 0;
    qreal em = 0;
    QRectF rect;
    INT flags = 0;
    int align = 0, lineAlign = 0;
    bool typographic = false;

    bool operator==(const LayoutKey&) const = default;
};

class LayoutCache {
public:
    std::shared_ptr<const engine::TextLayout> get(const LayoutKey& key, const GpFont& font,
                                                  const GpStringFormat* format) {
        std::lock_guard lock(mutex);
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (!(it->first == key)) continue;
            // Most recent first.
            std::rotate(entries.begin(), it, it + 1);
            return entries.front().second;
        }
        const engine::LayoutFont layoutFont(font, key.em, key.hint);
        auto layout = std::make_shared<const engine::TextLayout>(key.text, layoutFont, format, key.rect);
        entries.insert(entries.begin(), {key, layout});
        if (entries.size() > kSize) entries.pop_back();
        return layout;
    }

private:
    static constexpr size_t kSize = 32;
    std::mutex mutex;
    std::vector<std::pair<LayoutKey, std::shared_ptr<const engine::TextLayout>>> entries;
};

LayoutCache& layoutCache() {
    static auto* cache = new LayoutCache;  // outlives every static object
    return *cache;
}

// Everything a string call needs, looked up and checked.
struct StringCall {
    GpGraphics* g = nullptr;
    const GpFont* font = nullptr;
    const GpStringFormat* format = nullptr;
    QString text;
    qreal em = 0;

    GpStatus init(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* f, const RectF* rect,
                  const GpStringFormat* fmt) {
        g = lookup<GpGraphics>(graphics);
        font = lookup<GpFont>(f);
        GP_CHECK_ARG(g && font && rect && readText(string, length, text));
        if (fmt) {
            format = lookup<GpStringFormat>(fmt);
            GP_CHECK_ARG(format);
        }
        em = engine::emSizeInWorld(*font, *g);
        GP_CHECK_ARG(em > 0);
        return Ok;
    }

    std::shared_ptr<const engine::TextLayout> layout(const QRectF& rect) const {
        LayoutKey key{text, font->qtFamily, font->style, g->state.textRenderingHint, em, rect};
        if (format) {
            key.flags = format->flags;
            key.align = format->align;
            key.lineAlign = format->lineAlign;
            key.typographic = format->typographic;
        }
        return layoutCache().get(key, *font, format);
    }
};

QRectF toQt(const RectF& r) {
    return QRectF(r.X, r.Y, r.Width, r.Height);
}

}  // namespace

GpStatus WINGDIPAPI GdipDrawString(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length, GDIPCONST GpFont* font,
                                   GDIPCONST RectF* layoutRect, GDIPCONST GpStringFormat* stringFormat,
                                   GDIPCONST GpBrush* brush) {
    StringCall call;
    if (GpStatus s = call.init(graphics, string, length, font, layoutRect, stringFormat); s != Ok) return s;
    const GpBrush* b = lookup<GpBrush>(brush);
    GP_CHECK_ARG(b && engine::drawable(graphics));
    if (call.text.isEmpty()) return Ok;
    const auto layout = call.layout(toQt(*layoutRect));
    engine::GraphicsPainter painter(call.g);
    if (!painter.active()) return fail(GenericError);
    painter->setPen(QPen(b->toQBrush(), 0));
    layout->draw(*painter, call.g->deviceTransform());
    return Ok;
}

GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length,
                                      GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                      GDIPCONST GpStringFormat* stringFormat, RectF* boundingBox,
                                      INT* codepointsFitted, INT* linesFilled) {
    StringCall call;
    if (GpStatus s = call.init(graphics, string, length, font, layoutRect, stringFormat); s != Ok) return s;
    GP_CHECK_ARG(boundingBox);
    const auto layout = call.layout(toQt(*layoutRect));
    const QRectF box = call.text.isEmpty() ? QRectF(layoutRect->X, layoutRect->Y, 0, 0) : layout->boundingBox();
    *boundingBox = {REAL(box.x()), REAL(box.y()), REAL(box.width()), REAL(box.height())};
    if (codepointsFitted) *codepointsFitted = layout->codepointsFitted();
    if (linesFilled) *linesFilled = layout->linesFilled();
    return Ok;
}

GpStatus WINGDIPAPI GdipMeasureCharacterRanges(GpGraphics* graphics, GDIPCONST WCHAR* string, INT length,
                                               GDIPCONST GpFont* font, GDIPCONST RectF& layoutRect,
                                               GDIPCONST GpStringFormat* stringFormat, INT regionCount,
                                               GpRegion** regions) {
    StringCall call;
    if (GpStatus s = call.init(graphics, string, length, font, &layoutRect, stringFormat); s != Ok) return s;
    static const std::vector<CharacterRange> none;
    const std::vector<CharacterRange>& ranges = call.format ? call.format->ranges : none;
    GP_CHECK_ARG(regionCount >= 0 && static_cast<size_t>(regionCount) >= ranges.size());
    GP_CHECK_ARG(regions || ranges.empty());
    std::vector<GpRegion*> targets;
    for (size_t i = 0; i < ranges.size(); ++i) {
        GpRegion* r = lookup<GpRegion>(regions[i]);
        const CharacterRange& range = ranges[i];
        const INT from = std::min(range.First, range.First + range.Length);
        const INT to = std::max(range.First, range.First + range.Length);
        GP_CHECK_ARG(r && from >= 0 && to <= call.text.size());
        targets.push_back(r);
    }
    const auto layout = call.layout(toQt(layoutRect));
    for (size_t i = 0; i < ranges.size(); ++i) {
        targets[i]->infinite = false;
        targets[i]->path = layout->rangeArea(ranges[i].First, ranges[i].Length);
    }
    return Ok;
}

GpStatus WINGDIPAPI GdipDrawDriverString(GpGraphics* graphics, GDIPCONST UINT16* text, INT length,
                                         GDIPCONST GpFont* font, GDIPCONST GpBrush* brush,
                                         GDIPCONST PointF* positions, INT flags, GDIPCONST GpMatrix* matrix) {
    GpGraphics* g = engine::drawable(graphics);
    const GpFont* f = lookup<GpFont>(font);
    const GpBrush* b = lookup<GpBrush>(brush);
    const GpMatrix* m = matrix ? lookup<GpMatrix>(matrix) : nullptr;
    GP_CHECK_ARG(g && f && b && text && positions && length >= -1 && (!matrix || m));
    if (length == -1) {
        length = 0;
        while (text[length]) ++length;
    }
    if (length == 0) return Ok;
    const qreal em = engine::emSizeInWorld(*f, *g);
    GP_CHECK_ARG(em > 0);
    QRawFont raw = QRawFont::fromFont(engine::layoutFont(*f, em, g->state.textRenderingHint));
    if (!raw.isValid()) return fail(GenericError);
    raw.setPixelSize(em);

    QVector<quint32> glyphs(length);
    if (flags & DriverStringOptionsCmapLookup) {
        const QString chars = QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
        int count = length;
        if (!raw.glyphIndexesForChars(chars.constData(), length, glyphs.data(), &count)) return fail(GenericError);
        glyphs.resize(count);
    } else {
        for (INT i = 0; i < length; ++i) glyphs[i] = text[i];
    }
    QVector<QPointF> at(glyphs.size());
    if (flags & DriverStringOptionsRealizedAdvance) {
        // One origin; each further glyph follows the advance of the last.
        const QVector<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        QPointF pen(positions[0].X, positions[0].Y);
        for (int i = 0; i < glyphs.size(); ++i) {
            at[i] = pen;
            pen += advances[i];
        }
    } else {
        for (int i = 0; i < glyphs.size(); ++i) at[i] = QPointF(positions[i].X, positions[i].Y);
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(at);
    run.setUnderline(f->style & FontStyleUnderline);
    run.setStrikeOut(f->style & FontStyleStrikeout);

    engine::GraphicsPainter painter(g);
    if (!painter.active()) return fail(GenericError);
    if (m) painter->setTransform(m->transform * painter.worldToDevice());
    painter->setPen(QPen(b->toQBrush(), 0));
    painter->drawGlyphRun(QPointF(0, 0), run);
    return Ok;
}
