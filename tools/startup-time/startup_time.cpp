// Runs the program's start sequence, as app/main.cpp does, and prints how
// long it took until the first diagram was painted on the canvas; then
// quits. Run it on a real display (or under xvfb-run):
//
//   build/release/bin/zelvaro-startup-time [runs]
//
// Each run is a new process, so that library loading and font set-up count.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "diagram_parameters.h"
#include "graphics_session.h"
#include "main_window.h"
#include "program_start.h"

namespace {

using Clock = std::chrono::steady_clock;

// Seconds from the process's start to now, from the kernel's records
// (resolution one clock tick, usually 10 ms).
double secondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    const double started = std::strtod(field.c_str(), nullptr) / double(sysconf(_SC_CLK_TCK));
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return uptime - started;
}

int measureOnce(int argc, char* argv[]) {
    const Clock::time_point mainStart = Clock::now();
    std::string phases;
    auto mark = [&, last = mainStart](const char* phase) mutable {
        const Clock::time_point now = Clock::now();
        char text[64];
        std::snprintf(text, sizeof text, " %s %.1f", phase, std::chrono::duration<double, std::milli>(now - last).count());
        phases += text;
        last = now;
    };
    QApplication app(argc, argv);
    mark("application");
    ui::installTranslations(app);
    ui::installFatalErrorReporter();
    mark("translations");
    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();
    mark("engine");
    ui::MainWindow window;
    mark("window");
    bool painted = false;
    // Connected after the window's own paint handler, so it runs once the
    // diagram is on the canvas.
    QObject::connect(window.ui.画板1, &toolkit::Canvas::paint, [&](HDC) {
        if (painted) return;
        painted = true;
        mark("first paint");
        const double fromMain = std::chrono::duration<double, std::milli>(Clock::now() - mainStart).count();
        std::printf("%.1f ms from main(), %.0f ms from process start (ms:%s)\n", fromMain,
                    1000 * secondsSinceProcessStart(), phases.c_str());
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    window.show();
    mark("show");
    return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string(argv[1]) == "--once") return measureOnce(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    for (int i = 0; i < runs; ++i) {
        std::fflush(stdout);
        const std::string once = "'" + std::string(argv[0]) + "' --once";
        if (std::system(once.c_str()) != 0) return 1;
    }
    return 0;
}
