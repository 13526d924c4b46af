// The toolkit's own widgets: the short-integer edit box, the colour picker
// and the canvas.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFrame>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "toolkit/canvas.h"
#include "toolkit/color_picker.h"
#include "toolkit/label.h"
#include "toolkit/short_int_edit.h"
#include "win32/device_context.h"

using toolkit::ShortIntEdit;

namespace {

// Types each character as a key press with that text (keyClicks takes
// ASCII only).
void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace

class ToolkitWidgetsTest : public QObject {
    Q_OBJECT

private:
    // An edit box and a second control to move the focus to, in an active
    // window.
    struct Form {
        QWidget window;
        ShortIntEdit* edit = new ShortIntEdit(&window);
        QLineEdit* other = new QLineEdit(&window);
        Form() {
            auto* column = new QVBoxLayout(&window);
            column->addWidget(edit);
            column->addWidget(other);
            window.show();
            window.activateWindow();
            edit->setFocus();
        }
    };

private slots:
    void typingKeepsOnlyDigitsAndMinus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter between digits") << "1a2" << "12";
        QTest::newRow("letters only") << "abc" << "";
        QTest::newRow("minus and digits") << "-40" << "-40";
        QTest::newRow("space, plus, point") << " +3.9" << "39";
        QTest::newRow("full-width digit") << QString::fromUtf8("\xEF\xBC\x91") + "2" << "2";
    }
    void typingKeepsOnlyDigitsAndMinus() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Form form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        QSignalSpy changed(form.edit, &QLineEdit::textChanged);
        type(form.edit, typed);
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(changed.count(), shown.size());  // one change per accepted character
    }

    void controlKeysStillWork() {
        Form form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        QTest::keyClicks(form.edit, "123");
        QTest::keyClick(form.edit, Qt::Key_Backspace);
        QTest::keyClick(form.edit, Qt::Key_Home);
        QTest::keyClick(form.edit, Qt::Key_Delete);
        QCOMPARE(form.edit->text(), QStringLiteral("2"));
    }

    // On focus loss the text is read like atoi, clamped to a short, and
    // written back (0 as empty) only when that differs; a rewrite is one more
    // text change.
    void focusLossNormalizes_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("above the range") << "99999" << false << "32767";
        QTest::newRow("below the range") << "-40000" << false << "-32768";
        QTest::newRow("leading zeros") << "007" << false << "7";
        QTest::newRow("zero") << "0" << false << "";
        QTest::newRow("lone minus") << "-" << false << "";
        QTest::newRow("minus zero") << "-0" << false << "";
        QTest::newRow("range ends stay") << "-32768" << false << "-32768";
        QTest::newRow("plain value stays") << "12" << false << "12";
        QTest::newRow("empty stays") << "" << false << "";
        QTest::newRow("pasted letters after digits") << "12abc" << true << "12";
        QTest::newRow("pasted letters only") << "abc" << true << "";
        QTest::newRow("pasted spaces and sign") << "  +45x" << true << "45";
    }
    void focusLossNormalizes() {
        QFETCH(QString, entered);
        QFETCH(bool, pasted);
        QFETCH(QString, after);
        Form form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        if (pasted) {
            QApplication::clipboard()->setText(entered);
            QTest::keyClick(form.edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            type(form.edit, entered);
        }
        QCOMPARE(form.edit->text(), entered);  // nothing changes before the focus leaves
        QSignalSpy changed(form.edit, &QLineEdit::textChanged);
        form.other->setFocus();
        QTRY_VERIFY(!form.edit->hasFocus());
        QCOMPARE(form.edit->text(), after);
        QCOMPARE(changed.count(), after == entered ? 0 : 1);
    }

    void colorPickerDropDown_data() {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QColor>("inDialog");
        QTest::addColumn<quint32>("picked");
        QTest::newRow("red swatch") << "swatch_FF0000" << QColor() << quint32(0x0000FF);
        QTest::newRow("teal swatch") << "swatch_008080" << QColor() << quint32(0x808000);
        QTest::newRow("dialog colour") << "" << QColor(1, 2, 3) << quint32(0x030201);
        QTest::newRow("dialog gives no transparency") << "" << QColor(10, 20, 30, 0) << quint32(0x1E140A);
    }
    void colorPickerDropDown() {
        QFETCH(QString, swatch);
        QFETCH(QColor, inDialog);
        QFETCH(quint32, picked);
        QWidget window;
        auto* picker = new toolkit::ColorPicker(&window);
        picker->setGeometry(0, 0, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(picker->color(), 0u);  // black at first
        QSignalSpy spy(picker, &toolkit::ColorPicker::colorPicked);

        QTest::mouseClick(picker, Qt::LeftButton);
        QFrame* dropDown = picker->dropDown();
        QVERIFY(dropDown);
        if (!swatch.isEmpty()) {
            auto* button = dropDown->findChild<QToolButton*>(swatch);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            // The full dialog runs modally: answer it from inside its loop.
            QTimer::singleShot(0, [inDialog] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
                dialog->setCurrentColor(inDialog);
                dialog->accept();
            });
            auto* more = dropDown->findChild<QPushButton*>(QStringLiteral("moreColors"));
            QVERIFY(more);
            QTest::mouseClick(more, Qt::LeftButton);
        }
        QVERIFY(!picker->dropDown());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<std::uint32_t>(), picked);
        QCOMPARE(picker->color(), picked);
    }

    void colorPickerDialogCancelledPicksNothing() {
        QWidget window;
        auto* picker = new toolkit::ColorPicker(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        picker->setColor(0x123456);
        QSignalSpy spy(picker, &toolkit::ColorPicker::colorPicked);
        QTest::mouseClick(picker, Qt::LeftButton);
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setCurrentColor(Qt::red);
            dialog->reject();
        });
        QTest::mouseClick(picker->dropDown()->findChild<QPushButton*>(QStringLiteral("moreColors")), Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(picker->color(), 0x123456u);
    }

    // Lines break at "\r\n" (blank lines kept), wrap at the width, and stand
    // one em apart from the top-left corner, baseline to baseline.
    void labelLaysOutLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lines");  // 0: more than one, by wrapping
        QTest::newRow("CR LF breaks") << "a\r\nb" << 100 << 2;
        QTest::newRow("blank line kept") << QString::fromUtf8("核电荷\r\n\r\n第1层") << 48 << 3;
        QTest::newRow("LF breaks too") << "a\nb" << 100 << 2;
        QTest::newRow("ampersand is text") << "a&b" << 100 << 1;
        QTest::newRow("long line wraps") << QString::fromUtf8("打赏纯属个人支持打赏纯属个人支持") << 60 << 0;
    }
    void labelLaysOutLines() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, lines);
        toolkit::Label label;
        label.setText(text);
        label.resize(width, 200);
        const QList<QPointF> baselines = label.lineBaselines();
        if (lines)
            QCOMPARE(baselines.size(), lines);
        else
            QVERIFY(baselines.size() > 1);
        for (qsizetype i = 0; i < baselines.size(); ++i) {
            QCOMPARE(baselines[i].x(), 0.0);
            if (i) QCOMPARE(baselines[i].y() - baselines[i - 1].y(), qreal(label.linePitch()));
        }
        // The first line hangs from the top edge.
        QVERIFY(baselines.first().y() > 0 && baselines.first().y() <= label.linePitch());
    }

    // The paint event hands over a DC on a white surface of the canvas's
    // size; what is drawn on it shows, and every paint starts from white.
    void canvasPaintsThroughItsDeviceContext() {
        toolkit::Canvas canvas;
        canvas.resize(40, 30);
        int paints = 0;
        bool drawRed = true;
        QObject::connect(&canvas, &toolkit::Canvas::paint, [&](HDC dc) {
            ++paints;
            QVERIFY(dc);
            QImage* target = deviceContextTarget(dc);
            QVERIFY(target);
            QCOMPARE(target->size(), QSize(40, 30));
            QCOMPARE(GetPixel(dc, 39, 29), RGB(255, 255, 255));
            if (drawRed) SetPixel(dc, 3, 4, RGB(255, 0, 0));
        });
        QImage first = canvas.grab().toImage();
        QCOMPARE(paints, 1);
        QCOMPARE(first.pixelColor(3, 4), QColor(Qt::red));
        QCOMPARE(first.pixelColor(20, 20), QColor(Qt::white));

        drawRed = false;
        QImage second = canvas.grab().toImage();
        QCOMPARE(paints, 2);
        QCOMPARE(second.pixelColor(3, 4), QColor(Qt::white));
    }
};

QTEST_MAIN(ToolkitWidgetsTest)
#include "toolkit_widgets_test.moc"
