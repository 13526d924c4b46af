// A single-line edit box that holds a short integer.
//
// Typing is filtered: printable characters other than the decimal digits and
// the minus sign are dropped, while control keys work as usual. Pasted text
// is not filtered; instead, when the box loses the keyboard focus its text is
// read as atoi reads it, clamped to -32768 ... 32767 and written back as plain
// decimal (0 as the empty text), replacing the text only when it differs.
// Every change of the text, typed or set by the program, raises textChanged
// once (QLineEdit's own signal).
#pragma once

#include <QLineEdit>

namespace toolkit {

class ShortIntEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ShortIntEdit(QWidget* parent = nullptr);

    // The text this box shows after losing the focus with `text` in it.
    static QString normalized(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace toolkit
