#include "main_window.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <tuple>

#include "diagram_parameters.h"
#include "donation_panel.h"
#include "diagram_renderer.h"
#include "element_presets.h"
#include "export_commands.h"
#include "help_window.h"
#include "graphics.h"
#include "bitmap.h"
#include "graphics_session.h"
#include "toolkit/text_conversion.h"

namespace ui {

namespace {

// The outer size the layout was made for; used to centre the window before
// its frame is known.
constexpr QSize kDesignedOuterSize(934, 445);

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    ui.setupUi(this);
    // A fixed frame: no resizing, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    fields = {ui.编辑框1, ui.编辑框2, ui.编辑框3, ui.编辑框4, ui.编辑框5, ui.编辑框6, ui.编辑框7, ui.编辑框8};

    // Esc closes the window, and with it the program.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("时钟1"));
    timer->setInterval(kDonationPeriodMs);

    for (int box = 0; box < int(fields.size()); ++box)
        connect(fields[box], &QLineEdit::textChanged, this, [this, box] { fieldChanged(box); });
    connect(ui.颜色选择器1, &toolkit::ColorPicker::colorPicked, this, &MainWindow::colorPicked);
    connect(ui.画板1, &toolkit::Canvas::paint, this, &MainWindow::paintCanvas);
    connectPresetButtons();
    connect(ui.按钮1, &QPushButton::clicked, this, [] { copyToClipboardCommand(); });
    connect(ui.按钮2, &QPushButton::clicked, this, [this] { savePngCommand(this); });
    connect(ui.按钮3, &QPushButton::clicked, this, [this] { HelpWindow::showModal(this); });
    connect(timer, &QTimer::timeout, this, [this] { showRandomDonationPicture(ui.图片框2); });

    centreOnScreen();
    timer->start();
    created();
}

MainWindow::~MainWindow() {
    // The controls outlive this body (QWidget deletes them later) and may
    // still change, e.g. an edit box normalising its text as the closing
    // window takes its focus away; no handler of this window may run then.
    for (QObject* control : findChildren<QObject*>()) QObject::disconnect(control, nullptr, this, nullptr);
    if (diagram::diagramBitmap) diagram::diagramBitmap->DisposeBitmap();
    graphics::GraphicsSession::Stop();
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    QSize outer = kDesignedOuterSize;
    if (const QWindow* native = windowHandle(); native && isVisible()) {
        const QMargins frame = native->frameMargins();
        outer = size().grownBy(frame);
    }
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
}

void MainWindow::created() {
    graphics::GraphicsSession::Start();
    diagram::setDefaultParameters();
    const auto& model = diagram::diagramParameters;
    fields[0]->setText(toolkit::integerToText(model.nuclearCharge));
    for (int k = 0; k < diagram::kShellCount; ++k) fields[k + 1]->setText(toolkit::integerToText(model.shellCounts[k]));
    diagram::diagramParameters.whiteBackground = 0;
    showRandomDonationPicture(ui.图片框2);
}

void MainWindow::fieldChanged(int box) {
    // Exactly "0" empties the shells after this box; "00", " 0" or an empty
    // box do not.
    if (fields[box]->text() == QLatin1String("0"))
        for (int later = box + 1; later < int(fields.size()); ++later) fields[later]->setText(QStringLiteral("0"));
    readParametersFromFields();
    ui.画板1->update();
}

void MainWindow::readParametersFromFields() {
    auto& model = diagram::diagramParameters;
    model.nuclearCharge = toolkit::textToInteger(fields[0]->text());
    for (int k = 0; k < diagram::kShellCount; ++k) model.shellCounts[k] = toolkit::textToInteger(fields[k + 1]->text());
}

void MainWindow::colorPicked() {
    diagram::diagramParameters.drawColor = ui.颜色选择器1->color();
    ui.画板1->update();
}

void MainWindow::paintCanvas(HDC dc) {
    graphics::Graphics canvas;
    canvas.CreateFromHDC(dc);
    canvas.GraphicsClear(0xFFFFFFFF);
    diagram::renderDiagram();
    canvas.DrawImageRect(*diagram::diagramBitmap);
    canvas.DeleteGraphics();
    canvas.Destroy();
}

void MainWindow::applyPreset(std::int32_t nuclearCharge, std::int32_t shell1, std::int32_t shell2,
                             std::int32_t shell3, std::int32_t shell4, std::int32_t shell5, std::int32_t shell6,
                             std::int32_t shell7) {
    const std::int32_t values[] = {nuclearCharge, shell1, shell2, shell3, shell4, shell5, shell6, shell7};
    for (std::size_t box = 0; box < fields.size(); ++box) fields[box]->setText(toolkit::integerToText(values[box]));
}

void MainWindow::connectPresetButtons() {
    // One handler for all 38 buttons, driven by the preset table.
    for (const diagram::ElementPreset& preset : diagram::elementPresets) {
        auto* button = ui.分组框1->findChild<QPushButton*>(QString::fromUtf8(preset.buttonName));
        Q_ASSERT(button);
        if (!button) continue;
        connect(button, &QPushButton::clicked, this,
                [this, &preset] { std::apply([this](auto... v) { applyPreset(v...); }, preset.values); });
    }
}

}  // namespace ui
