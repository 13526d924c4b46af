// The two export commands: the PNG file (its name, size and transparency,
// and what a failed save does) and the clipboard's CF_DIB block.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "export_commands.h"
#include "graphics_session.h"

using Shells = std::array<std::int32_t, diagram::kShellCount>;

namespace {

// A chooser standing in for the file dialog: "confirms" the given name.
ui::FileChooser choosing(const QString& name) {
    return [name](QWidget*, QString& fileName) {
        fileName = name;
        return true;
    };
}

void setShells(std::int32_t charge, const Shells& shells) {
    diagram::diagramParameters.nuclearCharge = charge;
    diagram::diagramParameters.shellCounts = shells;
}

int alphaAt(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)); }

// Count of pixels with any opacity.
int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += alphaAt(image, x, y) != 0;
    return n;
}

std::uint32_t le32(const QByteArray& bytes, int at) {
    std::uint32_t v;
    std::memcpy(&v, bytes.constData() + at, 4);
    return v;
}
std::uint16_t le16(const QByteArray& bytes, int at) {
    std::uint16_t v;
    std::memcpy(&v, bytes.constData() + at, 2);
    return v;
}

// Runs `onBox` on the message box that `command` raises, then closes it.
// Returns false when no message box came up.
bool withMessageBox(const std::function<void()>& command, const std::function<void(QMessageBox*)>& onBox) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = true;
            onBox(box);
            box->close();
        }
    });
    poll.start();
    command();
    return seen;
}

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        diagram::createDiagramGlobals();
        graphics::GraphicsSession::InitializeModule();
    }
    void init() {
        diagram::setDefaultParameters();
        diagram::diagramParameters.whiteBackground = 0;
    }

    void targetName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("target");
        QTest::newRow("ends in .png") << "x.png" << "x.png";
        QTest::newRow("no extension") << "x" << "x.png";
        QTest::newRow("upper-case .PNG") << "x.PNG" << "x.PNG.png";
        QTest::newRow("mixed case .Png") << "x.Png" << "x.Png.png";
        QTest::newRow("shorter than four") << "a.p" << "a.p.png";
        QTest::newRow("exactly .png") << ".png" << ".png";
        QTest::newRow("other extension") << "x.bmp" << "x.bmp.png";
        QTest::newRow("png without dot") << "xpng" << "xpng.png";
        QTest::newRow("Chinese name") << "原子.png" << "原子.png";
        QTest::newRow("folder path") << "/tmp/a.b/c" << "/tmp/a.b/c.png";
    }
    void targetName() {
        QFETCH(QString, chosen);
        QFETCH(QString, target);
        QCOMPARE(ui::pngTargetName(chosen), target);
    }

    // The saved file is the picture as rendered, transparent around the
    // drawing, under the name the rule gives.
    void savedPng_data() {
        QTest::addColumn<Shells>("shells");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("width");
        QTest::newRow("default, .png kept") << Shells{2, 8, 18, 32, 32, 18, 8} << "d.png"
                                            << "d.png" << 480;
        QTest::newRow("shell 1 only, .png added")
            << Shells{2, 0, 0, 0, 0, 0, 0} << "h" << "h.png" << 180;
        QTest::newRow("two shells, .PNG.png")
            << Shells{2, 8, 0, 0, 0, 0, 0} << "n.PNG" << "n.PNG.png" << 230;
    }
    void savedPng() {
        QFETCH(Shells, shells);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(int, width);
        diagram::diagramParameters.shellCounts = shells;
        QVERIFY(ui::savePngCommand(nullptr, choosing(dir.filePath(chosen))));
        QVERIFY(!QFile::exists(dir.filePath(chosen)) || chosen == written);

        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
        file.close();
        const QImage png(dir.filePath(written));
        QCOMPARE(png.size(), QSize(width, 120));
        QVERIFY(png.hasAlphaChannel());
        // Corners, the middle of the nucleus and a spot between two brackets.
        for (QPoint p : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(0, 119), QPoint(width - 1, 119), QPoint(2, 60),
                         QPoint(width - 2, 60)})
            QVERIFY2(alphaAt(png, p.x(), p.y()) == 0, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        const int ink = inkPixels(png);
        QVERIFY(ink > 200);
        QVERIFY(ink < width * 120 / 3);
        QCOMPARE(diagram::diagramParameters.whiteBackground, 0);
    }

    // Cancelling the dialog renders nothing and writes nothing.
    void cancelledSaveDoesNothing() {
        diagram::renderDiagram();
        const void* before = diagram::diagramBitmap->GetHandle();
        diagram::diagramParameters.shellCounts = {2, 0, 0, 0, 0, 0, 0};
        QVERIFY(!ui::savePngCommand(nullptr, [](QWidget*, QString&) { return false; }));
        QCOMPARE(diagram::diagramBitmap->GetHandle(), before);
        QCOMPARE(int(diagram::diagramBitmap->GetImageWidth()), 480);
    }

    // A copy renders on white and hands the flag back at 0; a save after it
    // is transparent again.
    void copyThenSave() {
        ui::copyToClipboardCommand();
        QCOMPARE(diagram::diagramParameters.whiteBackground, 0);
        // diagramBitmap holds the white picture until the next rendering.
        const std::vector<std::uint8_t> held = diagram::diagramBitmap->SaveToBytes();
        const QImage white = QImage::fromData(held.data(), int(held.size()));
        QCOMPARE(white.pixel(5, 5), qRgb(255, 255, 255));

        const QString path = dir.filePath("after-copy.png");
        QVERIFY(ui::savePngCommand(nullptr, choosing(path)));
        const QImage png(path);
        QCOMPARE(png.size(), QSize(480, 120));
        QCOMPARE(alphaAt(png, 0, 0), 0);
        QCOMPARE(alphaAt(png, 479, 119), 0);
    }

    // The block on the clipboard, byte for byte: a 40-byte header, 24-bit
    // BI_RGB rows bottom-up, each padded to a multiple of 4 bytes with zeros,
    // blue-green-red, white where the transparent picture has nothing.
    void clipboardBlock() {
        setShells(10, {2, 8, 0, 0, 0, 0, 0});  // 230 wide: 690 bytes of pixels, 2 of padding per row
        diagram::diagramParameters.drawColor = 0x0000FF;  // red in the toolkit's order
        const QString transparentPath = dir.filePath("ne.png");
        QVERIFY(ui::savePngCommand(nullptr, choosing(transparentPath)));
        const QImage transparent(transparentPath);

        QApplication::clipboard()->clear();
        ui::copyToClipboardCommand();
        // The white picture the block was made from, on white wherever the
        // rendering left a pixel uncovered.
        const std::vector<std::uint8_t> held = diagram::diagramBitmap->SaveToBytes();
        QImage white(230, 120, QImage::Format_RGB32);
        white.fill(Qt::white);
        QPainter(&white).drawImage(0, 0, QImage::fromData(held.data(), int(held.size())));
        QCOMPARE(white.size(), QSize(230, 120));

        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QVERIFY(mime->hasFormat("image/bmp"));
        QVERIFY(mime->hasFormat("image/png"));
        const QByteArray bmp = mime->data("image/bmp");
        constexpr int kRow = 692;
        constexpr int kFileHeader = 14, kInfoHeader = 40;
        QCOMPARE(bmp.size(), kFileHeader + kInfoHeader + kRow * 120);
        // The file header that turns the block into a BMP file.
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(le32(bmp, 2), std::uint32_t(bmp.size()));
        QCOMPARE(le32(bmp, 10), std::uint32_t(kFileHeader + kInfoHeader));

        const QByteArray block = bmp.mid(kFileHeader);
        QCOMPARE(le32(block, 0), 40u);                  // biSize
        QCOMPARE(le32(block, 4), 230u);                 // biWidth
        QCOMPARE(le32(block, 8), 120u);                 // biHeight: positive, bottom-up
        QCOMPARE(le16(block, 12), std::uint16_t(1));    // biPlanes
        QCOMPARE(le16(block, 14), std::uint16_t(24));   // biBitCount
        QCOMPARE(le32(block, 16), 0u);                  // BI_RGB
        QCOMPARE(le32(block, 20), std::uint32_t(kRow * 120));  // biSizeImage
        QCOMPARE(le32(block, 32), 0u);                  // biClrUsed: no colour table
        QCOMPARE(le32(block, 36), 0u);                  // biClrImportant

        QByteArray expected;
        for (int y = 119; y >= 0; --y) {
            for (int x = 0; x < 230; ++x) {
                const QRgb p = white.pixel(x, y);
                expected.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
            }
            expected.append(2, '\0');
        }
        QCOMPARE(block.mid(kInfoHeader), expected);

        // White wherever the transparent file has nothing; red ink elsewhere.
        int redInk = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 230; ++x) {
                const uchar* px = reinterpret_cast<const uchar*>(block.constData()) + kInfoHeader +
                                  (119 - y) * kRow + 3 * x;
                if (alphaAt(transparent, x, y) == 0)
                    QVERIFY2(px[0] == 255 && px[1] == 255 && px[2] == 255,
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                else if (alphaAt(transparent, x, y) == 255)
                    redInk += px[2] > 200 && px[1] < 60 && px[0] < 60;
            }
        QVERIFY(redInk > 100);

        // The PNG offered beside it is the same picture, opaque.
        const QImage pasted = QImage::fromData(mime->data("image/png"), "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(pasted, white);
        QCOMPARE(diagram::diagramParameters.whiteBackground, 0);
    }

    // A save that cannot be written says so, naming the file, leaves what
    // was there as it was and no temporary file behind. Both failures are
    // real for a privileged user too.
    void failedSave_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a file") << "plain-file/x.png" << "文件夹不存在";
        QTest::newRow("missing folder") << "no-such-folder/x" << "文件夹不存在";
        QTest::newRow("name of a folder") << "taken.png" << "同名的文件夹";
    }
    void failedSave() {
        QFETCH(QString, chosen);
        QFETCH(QString, reason);
        QTemporaryDir where;
        QVERIFY(where.isValid());
        QFile plain(where.filePath("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("keep me");
        plain.close();
        QVERIFY(QDir(where.path()).mkpath("taken.png/inside"));

        const QString target = ui::pngTargetName(where.filePath(chosen));
        QString shown;
        bool saved = true;
        QVERIFY(withMessageBox([&] { saved = ui::savePngCommand(nullptr, choosing(where.filePath(chosen))); },
                               [&](QMessageBox* box) { shown = box->text(); }));
        QVERIFY(!saved);
        QVERIFY2(shown.contains(target), qPrintable(shown));
        QVERIFY2(shown.contains(reason), qPrintable(shown));

        QVERIFY(plain.open(QIODevice::ReadOnly));
        QCOMPARE(plain.readAll(), QByteArray("keep me"));
        QVERIFY(QFileInfo(where.filePath("taken.png/inside")).isDir());
        QCOMPARE(QDir(where.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"plain-file", "taken.png"}));
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
