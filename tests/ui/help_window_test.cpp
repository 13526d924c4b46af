// The help window: opened modally by 按钮3 over the main window, which takes
// no input meanwhile but goes on with its timer; closed by Esc.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "diagram_parameters.h"
#include "graphics_session.h"
#include "help_window.h"
#include "main_window.h"

using ui::MainWindow;

namespace {

QStringList boxTexts(const MainWindow& w) {
    QStringList texts;
    for (int n = 1; n <= 8; ++n)
        texts << w.findChild<QLineEdit*>(QStringLiteral("编辑框%1").arg(n))->text();
    return texts;
}

// Input as the desktop delivers it, through the main window's native
// window, where a modal window in front blocks it.
void clickAsUser(MainWindow& w, QWidget* control) {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, control->mapTo(&w, control->rect().center()));
}
void typeAsUser(MainWindow& w, QLineEdit* box, const QString& digits) {
    box->setFocus();
    box->selectAll();
    for (QChar c : digits) QTest::keyClick(w.windowHandle(), Qt::Key(Qt::Key_0 + c.digitValue()));
}

// Clicks 按钮3 and runs `whileOpen` inside the help window's modal loop;
// the help window is closed by Esc afterwards whatever `whileOpen` did.
// Returns false when no help window came up.
bool withHelpOpen(MainWindow& w, const std::function<void(ui::HelpWindow*)>& whileOpen) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* help = qobject_cast<ui::HelpWindow*>(QApplication::activeModalWidget());
        if (!help) return;
        seen = true;
        if (!QTest::qWaitForWindowExposed(help)) qWarning("the help window was not exposed");
        whileOpen(help);
        if (help->isVisible()) QTest::keyClick(help, Qt::Key_Escape);
    });
    QTest::mouseClick(w.ui.按钮3, Qt::LeftButton);
    return seen;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        diagram::createDiagramGlobals();
        graphics::GraphicsSession::InitializeModule();
    }

    void modalOverTheMainWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QStringList defaults = boxTexts(w);

        struct Seen {
            bool modal = false, ownedByMain = false, mainBlocked = false, pictureChanged = false;
            QString title;
            QSize sheet, icon, frame;
            QPoint place;
            QStringList boxesAfterInput;
        };
        Seen opened[2];
        for (Seen& seen : opened) {
            QVERIFY(withHelpOpen(w, [&](ui::HelpWindow* help) {
                seen.modal = help->isModal();
                seen.ownedByMain = help->parentWidget() == &w;
                seen.mainBlocked = QApplication::activeModalWidget() == help && !help->isHidden();
                seen.title = help->windowTitle();
                seen.sheet = help->ui.图片框1->pixmap().size();
                seen.icon = help->ui.图片框3->pixmap().size();
                seen.frame = help->size();
                seen.place = help->pos();
                // A preset click and typed digits must not reach the main window.
                clickAsUser(w, w.findChild<QPushButton*>(QStringLiteral("按钮_Na1")));
                typeAsUser(w, w.ui.编辑框1, QStringLiteral("5"));
                QTest::keyClick(w.windowHandle(), Qt::Key_Escape);  // nor closes it
                seen.boxesAfterInput = boxTexts(w);
                // The donation timer keeps running meanwhile.
                const qint64 before = w.ui.图片框2->pixmap().cacheKey();
                w.timer->start(30);
                for (int i = 0; i < 50 && w.ui.图片框2->pixmap().cacheKey() == before; ++i) QTest::qWait(20);
                seen.pictureChanged = w.ui.图片框2->pixmap().cacheKey() != before;
                w.timer->start(180000);
            }));
            QVERIFY(QApplication::activeModalWidget() == nullptr);
            QVERIFY(w.isVisible());
        }
        for (const Seen& seen : opened) {
            QVERIFY(seen.modal);
            QVERIFY(seen.ownedByMain);
            QVERIFY(seen.mainBlocked);
            QCOMPARE(seen.title, QStringLiteral("帮助窗口"));
            QCOMPARE(seen.sheet, QSize(2007, 2539));
            QVERIFY(!seen.icon.isEmpty());
            QCOMPARE(seen.boxesAfterInput, defaults);
            QVERIFY(seen.pictureChanged);
        }
        // A fresh window each time, in the same place, the middle of the screen.
        QCOMPARE(opened[1].place, opened[0].place);
        const QRect screen = w.screen()->geometry();
        QVERIFY(qAbs(opened[0].place.x() + 312 - screen.center().x()) <= 2);
        QVERIFY(qAbs(opened[0].place.y() + 325 - screen.center().y()) <= 2);

        // Closed, the main window takes input again, and Esc closes it.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        clickAsUser(w, w.findChild<QPushButton*>(QStringLiteral("按钮_Na1")));
        QCOMPARE(boxTexts(w), (QStringList{"11", "2", "8", "0", "0", "0", "0", "0"}));
        typeAsUser(w, w.ui.编辑框1, QStringLiteral("17"));
        QCOMPARE(w.ui.编辑框1->text(), QStringLiteral("17"));
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
