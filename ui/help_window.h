// The help window: the usage sheet, the program icon and the about text.
// It has no behaviour of its own; the main window opens a fresh one modally.
#pragma once

#include <QDialog>

#include "ui_help_window.h"

namespace ui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Builds a fresh help window owned by `owner`, shows it centred and runs
    // it modally: `owner` takes no input until it closes, while its paints
    // and timers go on.
    static void showModal(QWidget* owner);

    Ui::HelpWindow ui;
};

}  // namespace ui
