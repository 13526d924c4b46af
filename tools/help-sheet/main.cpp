// Draws the usage sheet of the help window: three numbered steps with
// screenshots of the running main window, and a note on the transparent
// PNG. Runs the real window offscreen.
//
//   QT_QPA_PLATFORM=offscreen zelvaro-help-sheet assets/help.png
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cstdio>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "export_commands.h"
#include "graphics_session.h"
#include "main_window.h"

namespace {

constexpr QSize kSheet(2007, 2539);
constexpr int kMargin = 100;
const QColor kInk(0x20, 0x20, 0x20);
const QColor kAccent(0xD0, 0x10, 0x10);
const QColor kStepBlue(0x1F, 0x5F, 0xB4);

QFont cjk(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The part of the window the steps talk about: canvas, boxes and buttons.
constexpr QRect kWorkArea(0, 0, 770, 200);

// A screenshot scaled up, with a thin frame and a soft shadow.
void drawShot(QPainter& p, const QImage& shot, const QRect& to) {
    p.fillRect(to.translated(10, 10), QColor(0, 0, 0, 40));
    p.drawImage(to, shot);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(to);
}

// A step's number in a blue disc, then its heading.
int drawStep(QPainter& p, int y, int number, const QString& heading) {
    p.setPen(Qt::NoPen);
    p.setBrush(kStepBlue);
    p.drawEllipse(QRect(kMargin, y, 96, 96));
    p.setPen(Qt::white);
    p.setFont(cjk(64, true));
    p.drawText(QRect(kMargin, y, 96, 96), Qt::AlignCenter, QString::number(number));
    p.setPen(kInk);
    p.setFont(cjk(68, true));
    p.drawText(QRect(kMargin + 130, y - 10, kSheet.width() - 2 * kMargin - 130, 116), Qt::AlignVCenter | Qt::AlignLeft,
               heading);
    return y + 120;
}

void drawParagraph(QPainter& p, const QRect& box, const QString& text, const QColor& colour = kInk, int size = 52) {
    p.setPen(colour);
    p.setFont(cjk(size));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

QImage picture(const std::vector<std::uint8_t>& png) { return QImage::fromData(png.data(), int(png.size())); }

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("help.png");

    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();
    ui::MainWindow window;
    window.show();
    QApplication::processEvents();

    // Step 1: chlorine, +17 with 2, 8, 7.
    window.applyPreset(17, 2, 8, 7, 0, 0, 0, 0);
    const QImage entered = window.grab(kWorkArea).toImage();
    // Step 2: the copy button, held down.
    window.ui.按钮1->setDown(true);
    const QImage pressing = window.grab(kWorkArea).toImage();
    window.ui.按钮1->setDown(false);
    // Step 3: what the copy puts on the clipboard, and the transparent PNG.
    ui::copyToClipboardCommand();
    const QImage pasted = QApplication::clipboard()->image();
    diagram::diagramParameters.whiteBackground = 0;
    diagram::renderDiagram();
    const QImage transparent = picture(diagram::diagramBitmap->SaveToBytes());
    if (pasted.isNull() || transparent.isNull()) {
        std::fprintf(stderr, "the diagram could not be rendered\n");
        return 1;
    }

    QImage sheet(kSheet, QImage::Format_ARGB32);
    sheet.fill(QColor(0xFA, 0xFA, 0xF7));
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const int width = kSheet.width() - 2 * kMargin;

    // Title.
    p.setPen(kInk);
    p.setFont(cjk(104, true));
    p.drawText(QRect(0, 40, kSheet.width(), 150), Qt::AlignCenter, QStringLiteral("使用说明"));
    p.fillRect(QRect(kMargin, 200, width, 6), kStepBlue);

    // 1. Enter the values.
    int y = drawStep(p, 250, 1, QStringLiteral("输入核电荷数和各层电子数"));
    drawParagraph(p, QRect(kMargin + 130, y, width - 130, 80),
                  QStringLiteral("例如氯原子：核电荷数 17，各层电子数 2、8、7"));
    y += 90;
    const int shotWidth = 1560;
    const QRect shot1((kSheet.width() - shotWidth) / 2, y, shotWidth, shotWidth * kWorkArea.height() / kWorkArea.width());
    drawShot(p, entered, shot1);
    // Mark the boxes.
    const double scale = double(shot1.width()) / kWorkArea.width();
    const QRect boxes(shot1.left() + int(540 * scale), shot1.top() + int(2 * scale), int(140 * scale),
                      int(192 * scale));
    p.setPen(QPen(kAccent, 8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(boxes, 20, 20);
    y = shot1.bottom() + 50;

    // 2. Copy.
    y = drawStep(p, y, 2, QStringLiteral("点击“复制到剪切板”"));
    constexpr double zoom = 2.4;
    const QRect buttonArea(540, 0, 230, 142);
    const QImage buttonPart = pressing.copy(buttonArea);
    const QRect shot2(kMargin + 130, y, int(buttonArea.width() * zoom), int(buttonArea.height() * zoom));
    drawShot(p, buttonPart, shot2);
    const QRect button = window.ui.按钮1->geometry();
    const QRect ring(shot2.left() + int((button.left() - buttonArea.left()) * zoom) - 14,
                     shot2.top() + int((button.top() - buttonArea.top()) * zoom) - 14, int(button.width() * zoom) + 28,
                     int(button.height() * zoom) + 28);
    p.setPen(QPen(kAccent, 10));
    p.drawRoundedRect(ring, 18, 18);
    drawParagraph(p, QRect(shot2.right() + 80, y + 20, kSheet.width() - kMargin - shot2.right() - 80, shot2.height()),
                  QStringLiteral("结构示意图会以白色背景复制到剪切板，大小与画板上显示的相同。"));
    y = shot2.bottom() + 50;

    // 3. Paste into a document page.
    y = drawStep(p, y, 3, QStringLiteral("粘贴到文档或幻灯片中"));
    const QRect page(kMargin + 130, y, width - 260, 400);
    p.fillRect(page.translated(12, 12), QColor(0, 0, 0, 45));
    p.fillRect(page, Qt::white);
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page);
    p.setPen(kInk);
    p.setFont(cjk(46, true));
    p.drawText(QRect(page.left() + 60, page.top() + 30, page.width() - 120, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("氯原子的结构示意图"));
    const QSize pastedSize = pasted.size() * 2.2;
    const QRect pastedAt(page.left() + 60, page.top() + 100, pastedSize.width(), pastedSize.height());
    p.drawImage(pastedAt, pasted);
    // Lines of body text beside and under the picture.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD4, 0xD8, 0xDE));
    for (int line = 0; line < 6; ++line)
        p.drawRoundedRect(QRect(pastedAt.right() + 60, pastedAt.top() + 10 + line * 48, page.right() - pastedAt.right() - 120,
                                18),
                          9, 9);
    drawParagraph(p, QRect(kMargin + 130, page.bottom() + 24, width - 130, 80),
                  QStringLiteral("在文字处理或演示软件中按 Ctrl+V 粘贴即可。"), kInk, 48);
    y = page.bottom() + 120;

    // The transparent PNG, in red.
    p.fillRect(QRect(kMargin, y, width, 6), kAccent);
    y += 30;
    const QRect slide(kSheet.width() - kMargin - 900, y, 900, kSheet.height() - y - 60);
    drawParagraph(p, QRect(kMargin, y, slide.left() - kMargin - 60, slide.height()),
                  QStringLiteral("注意：点击“保存透明PNG”可把结构示意图保存为背景透明的 PNG 图片，"
                                 "放在彩色的幻灯片上也没有白底，如右图所示。"),
                  kAccent, 60);
    QLinearGradient sky(slide.topLeft(), slide.bottomRight());
    sky.setColorAt(0, QColor(0xFF, 0xC8, 0x6B));
    sky.setColorAt(1, QColor(0x7E, 0xD6, 0xC4));
    p.fillRect(slide.translated(12, 12), QColor(0, 0, 0, 45));
    p.fillRect(slide, sky);
    const QSize onSlide = transparent.size() * 2.2;
    p.drawImage(QRect(slide.center() - QPoint(onSlide.width() / 2, onSlide.height() / 2), onSlide), transparent);
    p.end();

    if (!sheet.save(out, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
