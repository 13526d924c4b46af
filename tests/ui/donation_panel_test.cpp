// The donation panel: the weighted choice among the nineteen cards, the
// cards built into the program, and the picture shown from the start.
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "diagram_parameters.h"
#include "donation_panel.h"
#include "graphics_session.h"
#include "main_window.h"

class DonationPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        diagram::createDiagramGlobals();
        graphics::GraphicsSession::InitializeModule();
    }

    // Ten thousand back-to-back choices (many within one millisecond, so a
    // reseed from the clock alone would repeat itself): pictures 6 and 10
    // come up with probability 2/21, the others 1/21. Each count must lie
    // within five standard deviations of its expectation (about 1 in 10^5
    // for a false alarm over all nineteen), which is ±107 around 476 for
    // the single pictures and ±147 around 952 for the double ones.
    void choicesFollowTheTable() {
        constexpr int kDraws = 10000;
        int counts[ui::kDonationPictures + 1] = {};
        for (int i = 0; i < kDraws; ++i) {
            const int number = ui::drawDonationNumber();
            QVERIFY2(number >= 1 && number <= ui::kDonationNumbers, qPrintable(QString::number(number)));
            ++counts[ui::donationPictureForNumber(number)];
        }
        QCOMPARE(counts[0], 0);
        for (int picture = 1; picture <= ui::kDonationPictures; ++picture) {
            const double p = (picture == 6 || picture == 10 ? 2.0 : 1.0) / ui::kDonationNumbers;
            const double expected = kDraws * p;
            const double sigma = std::sqrt(kDraws * p * (1 - p));
            QVERIFY2(std::abs(counts[picture] - expected) <= 5 * sigma,
                     qPrintable(QStringLiteral("picture %1: %2 times, expected %3 ± %4")
                                    .arg(picture)
                                    .arg(counts[picture])
                                    .arg(expected)
                                    .arg(5 * sigma)));
        }
        // Twice as often: the doubles against the mean of the singles.
        double singles = 0;
        for (int picture = 1; picture <= ui::kDonationPictures; ++picture)
            if (picture != 6 && picture != 10) singles += counts[picture];
        singles /= ui::kDonationPictures - 2;
        for (int picture : {6, 10}) {
            const double ratio = counts[picture] / singles;
            QVERIFY2(ratio > 1.6 && ratio < 2.4, qPrintable(QString::number(ratio)));
        }
    }

    // Numbers outside 1 ... 21 choose no picture.
    void numbersOutsideTheTable() {
        for (int number : {-1, 0, 22, 1000}) QCOMPARE(ui::donationPictureForNumber(number), 0);
        QVERIFY(ui::donationPictureBytes(0).isEmpty());
        QVERIFY(ui::donationPictureBytes(20).isEmpty());
    }

    // Every card is built in and decodes to the same portrait size.
    void everyCardIsBuiltIn() {
        for (int picture = 1; picture <= ui::kDonationPictures; ++picture) {
            QPixmap card;
            QVERIFY2(card.loadFromData(ui::donationPictureBytes(picture), "PNG"), qPrintable(QString::number(picture)));
            QCOMPARE(card.size(), QSize(1242, 1704));
        }
    }

    // Right after start 图片框2 shows a card, not its white background.
    void startShowsACard() {
        ui::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel* box = window.ui.图片框2;
        const int picture = box->property("donationPicture").toInt();
        QVERIFY(picture >= 1 && picture <= ui::kDonationPictures);
        QCOMPARE(box->pixmap().size(), QSize(1242, 1704));
        const QImage shown = box->grab().toImage();
        QCOMPARE(shown.size(), QSize(146, 200));
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) dark += qGray(shown.pixel(x, y)) < 128;
        QVERIFY2(dark > 146 * 200 / 20, qPrintable(QString::number(dark)));
        QVERIFY(window.timer->isActive());
        QCOMPARE(window.timer->interval(), 180000);
    }
};

QTEST_MAIN(DonationPanelTest)
#include "donation_panel_test.moc"
