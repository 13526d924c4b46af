#include "help_window.h"

#include <QScreen>

namespace ui {

namespace {

// The outer size the layout was made for (client area plus a fixed frame).
constexpr QSize kDesignedOuterSize(624, 650);

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
    ui.setupUi(this);
    // A fixed frame with a system menu and a minimise button, no maximise;
    // Esc closes the dialog (QDialog's own reject), Enter finds no default
    // button to press.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void HelpWindow::showModal(QWidget* owner) {
    HelpWindow window(owner);
    if (const QScreen* screen = owner ? owner->screen() : window.screen()) {
        const QRect area = screen->geometry();
        window.move(area.left() + (area.width() - kDesignedOuterSize.width()) / 2,
                    area.top() + (area.height() - kDesignedOuterSize.height()) / 2);
    }
    window.exec();
}

}  // namespace ui
