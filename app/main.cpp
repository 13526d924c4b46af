// The program's start and exit.
#include <QApplication>

#include "diagram_parameters.h"
#include "graphics_session.h"
#include "main_window.h"
#include "program_start.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::installTranslations(app);
    ui::installFatalErrorReporter();
    // The model and diagramBitmap live until exit, where they are released.
    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();
    // The window's destruction, when main returns, stops the engine.
    ui::MainWindow window;
    window.show();
    return app.exec();
}
