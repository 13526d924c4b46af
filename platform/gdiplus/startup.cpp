#include "api/startup.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdlib>
#include <mutex>
#include <set>

#include "status.h"

namespace {

std::mutex startupMutex;
std::set<ULONG_PTR> activeTokens;
ULONG_PTR nextToken = 1;

// Qt's font and image machinery needs a GUI application object. A program
// with a window has one already; a test or a command-line tool does not, so
// the engine makes an offscreen one, kept until the process ends.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 3;
    static char arg0[] = "zelvaro-engine";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    new QGuiApplication(argc, argv);
}

// The serif that stands in for "Times New Roman" where no such font is
// installed; it ships inside the engine, so the counts of a diagram never
// vanish for want of a font.
void registerBuiltInFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* name : {":/zelvaro/fonts/LiberationSerif-Regular.ttf", ":/zelvaro/fonts/LiberationSerif-Bold.ttf",
                             ":/zelvaro/fonts/LiberationSerif-Italic.ttf",
                             ":/zelvaro/fonts/LiberationSerif-BoldItalic.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(name));
}

GpStatus WINAPI notificationHook(ULONG_PTR* token) {
    GP_CHECK_ARG(token);
    *token = 0;
    return Ok;
}

void WINAPI notificationUnhook(ULONG_PTR) {}

}  // namespace

namespace engine {

bool isStarted() {
    std::lock_guard lock(startupMutex);
    return !activeTokens.empty();
}

}  // namespace engine

GpStatus WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    GP_CHECK_ARG(token && input);
    GP_CHECK(input->GdiplusVersion == 1, UnsupportedGdiplusVersion);
    GP_CHECK_ARG(!input->SuppressBackgroundThread || output);

    ensureGuiApplication();
    registerBuiltInFonts();
    if (output) {
        // Hooks matter only to a caller that runs the engine's background
        // work itself; this engine has none, so they do nothing.
        const bool hooks = input->SuppressBackgroundThread != FALSE;
        output->NotificationHook = hooks ? notificationHook : nullptr;
        output->NotificationUnhook = hooks ? notificationUnhook : nullptr;
    }
    std::lock_guard lock(startupMutex);
    *token = nextToken++;
    activeTokens.insert(*token);
    return Ok;
}

void WINAPI GdiplusShutdown(ULONG_PTR token) {
    std::lock_guard lock(startupMutex);
    activeTokens.erase(token);
}

void* WINGDIPAPI GdipAlloc(size_t size) {
    return std::malloc(size ? size : 1);
}

void WINGDIPAPI GdipFree(void* ptr) {
    std::free(ptr);
}
