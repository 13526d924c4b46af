// A multi-line label: plain text drawn from the top-left corner, "\r\n" (or
// "\n") breaking lines, long lines wrapping at the label's width, ampersands
// drawn as they are. Lines stand one em of the font apart, as the lines of a
// classic GUI font do, so that a column of captions keeps pace with a column
// of controls beside it whatever the fallback font's own line gap.
#pragma once

#include <QLabel>

namespace toolkit {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    // The distance from one line to the next, in pixels.
    int linePitch() const;
    // Where each laid-out line starts: its left end on its baseline.
    QList<QPointF> lineBaselines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <class Visit>
    void layOut(Visit visit) const;
};

}  // namespace toolkit
