// The main window as the user meets it: its layout, the edit boxes and the
// zero cascade, the preset buttons, the colour picker, the canvas and the
// window's start and end.
#include <QApplication>
#include <QFrame>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "element_presets.h"
#include "graphics_session.h"
#include "main_window.h"

using ui::MainWindow;

namespace {

using Texts = QStringList;

// A pixel that a stroke or text of the diagram covers (black by default).
bool isInk(QRgb p) { return qRed(p) < 160 && qGreen(p) < 160 && qBlue(p) < 160; }

bool anyPixel(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) return true;
    return false;
}

bool allWhite(const QImage& image, const QRect& area) {
    return !anyPixel(image, area, [](QRgb p) { return (p & 0xFFFFFF) != 0xFFFFFF; });
}

Texts boxTexts(const MainWindow& window) {
    const auto& u = window.ui;
    return {u.编辑框1->text(), u.编辑框2->text(), u.编辑框3->text(), u.编辑框4->text(),
            u.编辑框5->text(), u.编辑框6->text(), u.编辑框7->text(), u.编辑框8->text()};
}

toolkit::ShortIntEdit* box(MainWindow& window, int n) {
    return window.findChild<toolkit::ShortIntEdit*>(QStringLiteral("编辑框%1").arg(n));
}

// The model's charge and counts as the texts the boxes should show.
Texts modelTexts() {
    const auto& m = diagram::diagramParameters;
    Texts texts{QString::number(m.nuclearCharge)};
    for (int count : m.shellCounts) texts << QString::number(count);
    return texts;
}

// Paints the canvas now and returns what it shows.
QImage canvasPicture(MainWindow& window) { return window.ui.画板1->grab().toImage(); }

int pictureWidth() { return int(diagram::diagramBitmap->GetImageWidth()); }

// Where the diagram puts its strokes: the nucleus ring's left edge, and the
// right end of the upper arc of shell k.
const QRect kNucleusLeftEdge(8, 55, 5, 10);
QRect upperArcEnd(int k) { return QRect(50 * k + 92, 34, 10, 10); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    // A fresh window, shown and active, as at program start.
    MainWindow& open() {
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
        return *window;
    }

private slots:
    void initTestCase() {
        diagram::createDiagramGlobals();
        graphics::GraphicsSession::InitializeModule();
    }
    void cleanup() { window.reset(); }

    void startShowsTheDefaultDiagram() {
        MainWindow& w = open();
        QCOMPARE(boxTexts(w), (Texts{"118", "2", "8", "18", "32", "32", "18", "8"}));
        QCOMPARE(modelTexts(), boxTexts(w));
        QCOMPARE(diagram::diagramParameters.whiteBackground, 0);

        const QImage shown = canvasPicture(w);
        QCOMPARE(shown.size(), QSize(536, 192));
        QCOMPARE(pictureWidth(), 480);
        QVERIFY(anyPixel(shown, kNucleusLeftEdge, isInk));
        QVERIFY(anyPixel(shown, QRect(30, 45, 75, 30), isInk));  // +118
        for (int k = 1; k <= 7; ++k) QVERIFY2(anyPixel(shown, upperArcEnd(k), isInk), qPrintable(QString::number(k)));
        // Beyond the picture the canvas is plain white.
        QVERIFY(allWhite(shown, QRect(482, 0, 54, 192)));
        QVERIFY(allWhite(shown, QRect(0, 122, 536, 70)));
        QVERIFY(allWhite(shown, QRect(60, 3, 20, 4)));  // inside the picture, between strokes
    }

    // A box whose text becomes exactly "0" sets every later box to "0"; the
    // model follows the boxes and the picture narrows to the outermost shell.
    void zeroCascades_data() {
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Texts>("after");
        QTest::addColumn<int>("width");
        QTest::newRow("shell 2 to 0") << 3 << "0" << Texts{"118", "2", "0", "0", "0", "0", "0", "0"} << 180;
        QTest::newRow("charge to 0") << 1 << "0" << Texts{"0", "0", "0", "0", "0", "0", "0", "0"} << 180;
        QTest::newRow("shell 7 to 0") << 8 << "0" << Texts{"118", "2", "8", "18", "32", "32", "18", "0"} << 430;
        QTest::newRow("00 is not 0") << 3 << "00" << Texts{"118", "2", "00", "18", "32", "32", "18", "8"} << 480;
        QTest::newRow("empty is not 0") << 3 << "" << Texts{"118", "2", "", "18", "32", "32", "18", "8"} << 480;
        QTest::newRow("space 0 is not 0") << 4 << " 0" << Texts{"118", "2", "8", " 0", "32", "32", "18", "8"} << 480;
    }
    void zeroCascades() {
        QFETCH(int, changed);
        QFETCH(QString, text);
        QFETCH(Texts, after);
        QFETCH(int, width);
        MainWindow& w = open();
        box(w, changed)->setText(text);
        QCOMPARE(boxTexts(w), after);
        Texts expectedModel;
        for (const QString& t : after) expectedModel << QString::number(t.trimmed().toInt());
        QCOMPARE(modelTexts(), expectedModel);
        canvasPicture(w);
        QCOMPARE(pictureWidth(), width);
    }

    // Typed by the user, the same cascade; a later non-zero count then draws
    // its shell again, with a gap where the zeroed ones are.
    void typedZeroThenLaterShell() {
        MainWindow& w = open();
        toolkit::ShortIntEdit* shell2 = box(w, 3);
        shell2->setFocus();
        shell2->selectAll();
        QTest::keyClick(shell2, Qt::Key_0);
        QCOMPARE(boxTexts(w), (Texts{"118", "2", "0", "0", "0", "0", "0", "0"}));

        toolkit::ShortIntEdit* shell4 = box(w, 5);
        shell4->setFocus();
        shell4->selectAll();
        QTest::keyClicks(shell4, "5");
        const QImage shown = canvasPicture(w);
        QCOMPARE(pictureWidth(), 330);
        QVERIFY(anyPixel(shown, upperArcEnd(1), isInk));
        QVERIFY(!anyPixel(shown, upperArcEnd(2), isInk));
        QVERIFY(!anyPixel(shown, upperArcEnd(3), isInk));
        QVERIFY(anyPixel(shown, upperArcEnd(4), isInk));
    }

    // Every preset button shows its picture and no caption, and a click
    // writes its row of the table into the boxes, and so into the model.
    void presetButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Texts>("after");
        QTest::addColumn<int>("width");
        for (const diagram::ElementPreset& preset : diagram::elementPresets) {
            Texts texts;
            int outermost = 1;
            for (int i = 0; i < 8; ++i) {
                texts << QString::number(preset.values[i]);
                if (i >= 2 && preset.values[i] > 0) outermost = i;
            }
            const QString name = QString::fromUtf8(preset.buttonName);
            QTest::newRow(name.toUtf8().constData()) << name << texts << 180 + 50 * (outermost - 1);
        }
    }
    void presetButtons() {
        QFETCH(QString, button);
        QFETCH(Texts, after);
        QFETCH(int, width);
        MainWindow& w = open();
        auto* pushButton = w.ui.分组框1->findChild<QPushButton*>(button);
        QVERIFY(pushButton);
        QVERIFY(pushButton->text().isEmpty());
        QCOMPARE(pushButton->size(), QSize(32, 32));
        const QString picture = QStringLiteral(":/presets/%1.png").arg(button.mid(3));
        QCOMPARE(pushButton->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(picture).convertToFormat(QImage::Format_ARGB32));

        for (int click = 0; click < 2; ++click) {  // a second click changes nothing
            QTest::mouseClick(pushButton, Qt::LeftButton);
            QCOMPARE(boxTexts(w), after);
            QCOMPARE(modelTexts(), after);
            canvasPicture(w);
            QCOMPARE(pictureWidth(), width);
        }
    }

    void everyPresetButtonHasARow() {
        MainWindow& w = open();
        const auto buttons = w.ui.分组框1->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), qsizetype(diagram::elementPresets.size()));
        for (const QPushButton* b : buttons) QVERIFY2(diagram::findPreset(b->objectName().toStdString()), qPrintable(b->objectName()));
    }

    // A colour from the drop-down recolours the strokes and texts; the
    // canvas stays white around them, and a preset keeps the colour.
    void colourPickRecolours() {
        MainWindow& w = open();
        QTest::mouseClick(w.ui.颜色选择器1, Qt::LeftButton);
        QFrame* dropDown = w.ui.颜色选择器1->dropDown();
        QVERIFY(dropDown);
        QTest::mouseClick(dropDown->findChild<QToolButton*>(QStringLiteral("swatch_FF0000")), Qt::LeftButton);
        QCOMPARE(diagram::diagramParameters.drawColor, 0x0000FFu);

        auto isRed = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
        for (const char* preset : {"", "按钮_Na"}) {
            if (*preset)
                QTest::mouseClick(w.ui.分组框1->findChild<QPushButton*>(QString::fromUtf8(preset)), Qt::LeftButton);
            const QImage shown = canvasPicture(w);
            QVERIFY(anyPixel(shown, kNucleusLeftEdge, isRed));
            QVERIFY(anyPixel(shown, upperArcEnd(1), isRed));
            QVERIFY(!anyPixel(shown, QRect(0, 0, 536, 192), isInk));
            QVERIFY(allWhite(shown, QRect(0, 122, 536, 70)));
        }
    }

    // Texts are compared with Qt's line break, "\n".
    void layoutPlacesTheControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("canvas") << "画板1" << QRect(0, 1, 536, 192) << "";
        QTest::newRow("captions") << "标签1" << QRect(546, 8, 48, 184)
                                  << "核电荷\n\n第1层\n\n第2层\n\n第3层\n\n第4层\n\n第5层\n\n第6层\n\n第7层";
        for (int n = 1; n <= 8; ++n)
            QTest::newRow(qPrintable(QStringLiteral("edit %1").arg(n)))
                << QStringLiteral("编辑框%1").arg(n) << QRect(594, 8 + 23 * (n - 1), 80, 20) << "";
        QTest::newRow("help") << "按钮3" << QRect(680, 8, 80, 32) << "帮助";
        QTest::newRow("copy") << "按钮1" << QRect(680, 56, 80, 32) << "复制到剪切板";
        QTest::newRow("save") << "按钮2" << QRect(680, 104, 80, 32) << "保存透明PNG";
        QTest::newRow("colour") << "颜色选择器1" << QRect(680, 144, 80, 24) << "";
        QTest::newRow("donation text") << "标签2" << QRect(776, 8, 144, 152)
                                       << "打赏作者：\n  本软件绝对免费\n  打赏纯属个人支持\n\n  有钱的捧个钱场\n  没钱的捧个人场\n"
                                          "  打赏金额不限\n  望您支持作者\n  \n  扫描以下二维码打赏\n  以下二维码随机生成";
        QTest::newRow("donation picture") << "图片框2" << QRect(768, 168, 146, 200) << "";
        QTest::newRow("presets") << "分组框1" << QRect(0, 200, 672, 216) << "常用元素的结构示意图";
        QTest::newRow("Na+ in its group") << "按钮_Na1" << QRect(40, 104, 32, 32) << "";
        QTest::newRow("Fe3+ in its group") << "按钮_Fe3" << QRect(336, 176, 32, 32) << "";
    }
    void layoutPlacesTheControls() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        MainWindow& w = open();
        auto* control = w.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
        QVERIFY(control->isVisible() && control->isEnabled());
        if (!text.isEmpty()) {
            QString shown;
            if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) shown = button->text();
            if (auto* group = qobject_cast<QGroupBox*>(control)) shown = group->title();
            QCOMPARE(shown, text);
        }
    }

    // One caption line per box: each caption's baseline lies within its box.
    void captionsStandBesideTheirBoxes() {
        MainWindow& w = open();
        const QList<QPointF> lines = w.ui.标签1->lineBaselines();
        QCOMPARE(lines.size(), 15);
        for (int n = 1; n <= 8; ++n) {
            const int baseline = w.ui.标签1->y() + int(lines[2 * (n - 1)].y());
            const QRect place = box(w, n)->geometry();
            QVERIFY2(baseline > place.top() && baseline <= place.bottom(), qPrintable(QString::number(n)));
        }
        const QList<QPointF> donation = w.ui.标签2->lineBaselines();
        QVERIFY(donation.last().y() <= w.ui.标签2->height());  // the whole text is visible
    }

    void windowFrame() {
        MainWindow& w = open();
        QVERIFY(w.width() >= 920 && w.height() >= 416);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!w.windowIcon().isNull());
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Zelvaro      ")));
        const QPoint screenCentre = w.screen()->geometry().center();
        QVERIFY((w.frameGeometry().center() - screenCentre).manhattanLength() <= 16);
        QTimer* timer = w.findChild<QTimer*>(QStringLiteral("时钟1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 180000);
    }

    void enterKeepsTheFocus() {
        MainWindow& w = open();
        box(w, 2)->setFocus();
        QTest::keyClick(box(w, 2), Qt::Key_Return);
        QVERIFY(box(w, 2)->hasFocus());
    }

    // Esc closes the window; destroying it disposes the picture and stops
    // the engine.
    void escapeClosesAndDestructionStops() {
        MainWindow& w = open();
        canvasPicture(w);
        QVERIFY(diagram::diagramBitmap->GetHandle() != nullptr);
        QTest::keyClick(box(w, 4), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        window.reset();
        QVERIFY(diagram::diagramBitmap->GetHandle() == nullptr);
        QCOMPARE(graphics::GraphicsSession::Token(), ULONG_PTR(0));
    }

    // Destroyed without closing first, the window takes the focus from a box
    // whose text still awaits normalising; no handler of the dying window
    // may run (the model keeps what the box held).
    void destructionRunsNoHandler() {
        MainWindow& w = open();
        box(w, 2)->setFocus();
        box(w, 2)->selectAll();
        QTest::keyClicks(box(w, 2), "99999");
        QCOMPARE(diagram::diagramParameters.shellCounts[0], 99999);
        window.reset();
        QCOMPARE(diagram::diagramParameters.shellCounts[0], 99999);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
