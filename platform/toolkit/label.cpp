#include "toolkit/label.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace toolkit {

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int Label::linePitch() const { return QFontInfo(font()).pixelSize(); }

// Lays the text out paragraph by paragraph and calls visit(layout) with
// each finished paragraph, its lines placed in the label.
template <class Visit>
void Label::layOut(Visit visit) const {
    const QRect area = contentsRect();
    const int pitch = linePitch();
    // Glyphs hang from a baseline that leaves the line's descent below it.
    const int baseline = int(std::ceil(pitch * 0.88));
    QString text = this->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int row = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            line.setPosition(QPointF(area.left(), area.top() + row * pitch + baseline - line.ascent()));
            ++row;
        }
        layout.endLayout();
        visit(layout);
    }
}

QList<QPointF> Label::lineBaselines() const {
    QList<QPointF> baselines;
    layOut([&](const QTextLayout& layout) {
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            baselines.append(line.position() + QPointF(0, line.ascent()));
        }
    });
    return baselines;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setClipRect(contentsRect());
    layOut([&](const QTextLayout& layout) { layout.draw(&painter, QPointF(0, 0)); });
}

}  // namespace toolkit
