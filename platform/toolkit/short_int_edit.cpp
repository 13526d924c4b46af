#include "toolkit/short_int_edit.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

#include "toolkit/text_conversion.h"

namespace toolkit {

namespace {

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

bool isAccepted(QChar c) { return (c >= u'0' && c <= u'9') || c == u'-'; }

// The typed text with every printable character that may not be typed
// removed; control characters stay, so that their keys work as usual.
QString filtered(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (isControl(c) || isAccepted(c)) kept.append(c);
    return kept;
}

}  // namespace

ShortIntEdit::ShortIntEdit(QWidget* parent) : QLineEdit(parent) {}

QString ShortIntEdit::normalized(const QString& text) {
    const std::int32_t value = std::clamp<std::int32_t>(textToInteger(text), -32768, 32767);
    return value == 0 ? QString() : integerToText(value);
}

void ShortIntEdit::keyPressEvent(QKeyEvent* event) {
    // Shortcuts (copy, paste, select all...) are keys, not typed characters.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const QString text = event->text();
    const QString kept = shortcut ? text : filtered(text);
    if (kept == text) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (kept.isEmpty()) {
        event->accept();  // dropped: nothing else sees the character
        return;
    }
    QKeyEvent narrowed(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                       ushort(kept.size()));
    QLineEdit::keyPressEvent(&narrowed);
    event->setAccepted(narrowed.isAccepted());
}

void ShortIntEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Text composed with an input method is typed too.
    const QString kept = filtered(event->commitString());
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent narrowed(event->preeditString(), event->attributes());
    narrowed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&narrowed);
}

void ShortIntEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu of the box itself does not take the focus away for good.
    if (event->reason() == Qt::PopupFocusReason) return;
    const QString value = normalized(text());
    if (value != text()) setText(value);
}

}  // namespace toolkit
