// Draws the nineteen cards of the donation panel.
//
//   zelvaro-donation-cards OUTPUT_FOLDER
//
// writes donation-01.png ... donation-19.png (1242 x 1704, RGBA). Each card
// thanks the user and carries a QR code with a short thank-you text and the
// card's number. The cards are not payment codes and say so: the program
// has no payment account to point at. Change the texts or colours below and
// run it again to remake them (run with QT_QPA_PLATFORM=offscreen on a
// machine without a display; needs a CJK font such as fonts-noto-cjk).
#include <qrencode.h>

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kCards = 19;
constexpr int kWidth = 1242;
constexpr int kHeight = 1704;

// The QR code of `text` as a square image, one pixel per module with a
// four-module quiet zone.
QImage qrImage(const QByteArray& text) {
    QRcode* code = QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) return {};
    const int quiet = 4;
    const int side = code->width + 2 * quiet;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
    QRcode_free(code);
    return image;
}

QImage card(int number) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Each card its own hue around the wheel, soft enough to read on.
    const QColor accent = QColor::fromHsv((number - 1) * 360 / kCards, 150, 200);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(12, 12, kWidth - 24, kHeight - 24), 60, 60);
    p.fillPath(frame, QColor(250, 250, 247));
    p.setPen(QPen(accent, 16));
    p.drawPath(frame);
    p.fillRect(QRectF(12, 150, kWidth - 24, 170), accent);

    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(96);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 150, kWidth, 170), Qt::AlignCenter, QStringLiteral("感谢您使用 Zelvaro"));

    const QByteArray message =
        QStringLiteral("Zelvaro：感谢您的支持！愿结构示意图为您的课堂节省时间。感谢卡 %1/%2").arg(number).arg(kCards).toUtf8();
    const QImage qr = qrImage(message);
    const int qrSide = 880;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect((kWidth - qrSide) / 2, 400, qrSide, qrSide), qr);

    QFont body(QStringLiteral("Noto Sans CJK SC"));
    body.setPixelSize(58);
    p.setFont(body);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRectF(60, 1310, kWidth - 120, 90), Qt::AlignCenter, QStringLiteral("扫码可看到一句感谢的话"));
    body.setPixelSize(44);
    p.setFont(body);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRectF(60, 1410, kWidth - 120, 70), Qt::AlignCenter,
               QStringLiteral("本卡仅表达谢意，不是收款码"));
    body.setPixelSize(64);
    body.setBold(true);
    p.setFont(body);
    p.setPen(accent.darker(130));
    p.drawText(QRectF(0, 1500, kWidth, 110), Qt::AlignCenter, QStringLiteral("No. %1").arg(number, 2, 10, QChar('0')));
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }
    for (int n = 1; n <= kCards; ++n) {
        const QString name = folder.filePath(QStringLiteral("donation-%1.png").arg(n, 2, 10, QChar('0')));
        if (!card(n).save(name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
