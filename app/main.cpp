// The program's start: until the main window lands, a placeholder window
// that starts and stops the graphics session.
#include <QApplication>
#include <QLabel>

#include "graphics_session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    graphics::GraphicsSession::InitializeModule();
    QLabel window(QStringLiteral("Zelvaro"));
    window.resize(480, 160);
    window.show();
    int rc = app.exec();
    graphics::GraphicsSession::Stop();
    return rc;
}
