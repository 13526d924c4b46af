// The pieces of the program's start that come before its main window.
#pragma once

class QApplication;

namespace ui {

// Qt's own dialogs (colour, file) speak Chinese like the rest of the
// program: loads Qt's zh_CN translations when they are installed.
void installTranslations(QApplication& app);

// A missing engine or entry point ends the program; the user is told which
// in a message box first.
void installFatalErrorReporter();

}  // namespace ui
