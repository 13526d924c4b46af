// A drop-down colour chooser: a button showing the current colour; a click
// drops down a grid of colour swatches with a way on to the full colour
// dialog. There is no transparent choice. Colours are exchanged in the
// toolkit's form, 0x00BBGGRR (red in bits 0-7, green 8-15, blue 16-23).
#pragma once

#include <QColor>
#include <QPushButton>
#include <cstdint>

class QFrame;

namespace toolkit {

// The toolkit form of an opaque colour, and back.
std::uint32_t toToolkitColor(const QColor& color);
QColor fromToolkitColor(std::uint32_t color);

class ColorPicker : public QPushButton {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    // The current colour; black at first.
    std::uint32_t color() const { return toToolkitColor(current); }
    // Sets the current colour without raising colorPicked.
    void setColor(std::uint32_t color);

    // The drop-down, while it is shown (null otherwise). Its swatches are
    // QToolButtons named "swatch_RRGGBB"; the way to the dialog is the
    // QPushButton named "moreColors".
    QFrame* dropDown() const;

signals:
    // The user chose a colour from the drop-down (or its dialog).
    void colorPicked(std::uint32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showDropDown();
    void choose(const QColor& color);
    void chooseInDialog();

    QColor current = Qt::black;
    QFrame* popup = nullptr;
};

}  // namespace toolkit
