// Text laid out the way GDI+ lays out a string in a layout rectangle:
// lines from the top-left (or as the format aligns them), wrapped at word
// boundaries within the width less a sixth of an em of padding at each end,
// one line spacing of the font apart, and clipped to the rectangle.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <vector>

#include "gdiplus_types.h"

struct GpFont;
struct GpGraphics;
struct GpStringFormat;

namespace engine {

// String format flags the layout reads.
constexpr INT StringFormatFlagsDirectionRightToLeft = 0x00000001;
constexpr INT StringFormatFlagsMeasureTrailingSpaces = 0x00000800;
constexpr INT StringFormatFlagsNoWrap = 0x00001000;
constexpr INT StringFormatFlagsLineLimit = 0x00002000;
constexpr INT StringFormatFlagsNoClip = 0x00004000;

// The font's em size in the world coordinates of `g`.
qreal emSizeInWorld(const GpFont& font, const GpGraphics& g);

// A QFont for `font` whose em is `emPixels` pixels on a 96-dpi device
// (layoutDevice()), unhinted so that metrics scale with the size, and
// antialiased or not as the text rendering hint asks.
QFont layoutFont(const GpFont& font, qreal emPixels, int textRenderingHint);
// The device every layout is made for: its resolution turns point sizes
// into exact fractional pixel sizes.
QPaintDevice* layoutDevice();

// A font ready for layout: the Qt font and the family's design metrics
// scaled to the em size (world units).
struct LayoutFont {
    LayoutFont(const GpFont& font, qreal emSize, int textRenderingHint);
    QFont qfont;
    qreal emSize;
    qreal lineHeight;  // the family's line spacing
    qreal ascent;      // the family's cell ascent
};

class TextLayout {
public:
    // `format` null means the default format. A rectangle of zero width
    // (height) neither wraps (nor limits) the lines.
    TextLayout(const QString& text, const LayoutFont& font, const GpStringFormat* format, const QRectF& rect);

    // The box the laid-out lines fill, padding included.
    QRectF boundingBox() const;
    int codepointsFitted() const { return fitted; }
    int linesFilled() const { return static_cast<int>(lines.size()); }
    // The area covered by characters [first, first + length), line by line.
    QPainterPath rangeArea(int first, int length) const;
    // Draws the visible lines with the painter's current pen; clips to the
    // layout rectangle, mapped by `clipTransform` (world to whole device
    // pixels), unless the format says not to.
    void draw(QPainter& painter, const QTransform& clipTransform) const;

private:
    struct Line {
        QTextLine line;
        qreal x;    // left end of the text (padding excluded)
        qreal top;  // top of the line box
        qreal width;
    };

    QTextLayout layout;
    std::vector<Line> lines;
    QRectF rect;
    qreal padding = 0;
    qreal lineHeight = 0;
    qreal ascent = 0;
    int fitted = 0;
    bool clip = true;
};

}  // namespace engine
