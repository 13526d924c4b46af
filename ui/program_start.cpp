#include "program_start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "binding.h"

namespace ui {

void installTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

namespace {

void showFatalError(const char* message) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvaro"), QString::fromUtf8(message));
}

}  // namespace

void installFatalErrorReporter() { graphics::setFatalErrorReporter(&showFatalError); }

}  // namespace ui
