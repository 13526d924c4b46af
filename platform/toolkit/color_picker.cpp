#include "toolkit/color_picker.h"

#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

// The swatches of the drop-down, row by row: dark shades first, light
// shades last, greys in the right-hand column.
constexpr QRgb kSwatches[5][8] = {
    {0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333},
    {0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080},
    {0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x999999},
    {0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0},
    {0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF},
};

constexpr int kSwatchSize = 18;

QToolButton* swatchButton(QRgb rgb, QWidget* parent) {
    auto* button = new QToolButton(parent);
    const QColor colour = QColor::fromRgb(rgb);
    button->setObjectName(QStringLiteral("swatch_") +
                          QStringLiteral("%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper());
    button->setFixedSize(kSwatchSize, kSwatchSize);
    button->setAutoRaise(true);
    QPixmap face(kSwatchSize - 6, kSwatchSize - 6);
    face.fill(colour);
    {
        QPainter frame(&face);
        frame.setPen(Qt::gray);
        frame.drawRect(face.rect().adjusted(0, 0, -1, -1));
    }
    button->setIcon(face);
    button->setIconSize(face.size());
    return button;
}

}  // namespace

std::uint32_t toToolkitColor(const QColor& color) {
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

QColor fromToolkitColor(std::uint32_t color) {
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

ColorPicker::ColorPicker(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColorPicker::showDropDown);
}

void ColorPicker::setColor(std::uint32_t color) {
    current = fromToolkitColor(color);
    update();
}

QFrame* ColorPicker::dropDown() const { return popup && popup->isVisible() ? popup : nullptr; }

void ColorPicker::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // The current colour fills the face left of the drop-down arrow.
    const QRect face = rect().adjusted(5, 5, -5, -5);
    const int arrowWidth = 12;
    const QRect swatch = face.adjusted(0, 0, -arrowWidth - 3, 0);
    painter.fillRect(swatch, current);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(face.right() - arrowWidth + 1, face.top(), arrowWidth, face.height());
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}

void ColorPicker::showDropDown() {
    if (!popup) {
        popup = new QFrame(this, Qt::Popup);
        popup->setObjectName(QStringLiteral("colorDropDown"));
        popup->setFrameShape(QFrame::StyledPanel);
        auto* column = new QVBoxLayout(popup);
        column->setContentsMargins(4, 4, 4, 4);
        column->setSpacing(4);
        auto* grid = new QGridLayout;
        grid->setSpacing(1);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 8; ++col) {
                const QRgb rgb = kSwatches[row][col];
                QToolButton* swatch = swatchButton(rgb, popup);
                connect(swatch, &QToolButton::clicked, this, [this, rgb] {
                    popup->hide();
                    choose(QColor::fromRgb(rgb));
                });
                grid->addWidget(swatch, row, col);
            }
        column->addLayout(grid);
        auto* more = new QPushButton(QStringLiteral("其他颜色..."), popup);
        more->setObjectName(QStringLiteral("moreColors"));
        more->setAutoDefault(false);
        connect(more, &QPushButton::clicked, this, [this] {
            popup->hide();
            chooseInDialog();
        });
        column->addWidget(more);
    }
    popup->adjustSize();
    // Below the button, kept on the screen.
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        if (at.y() + popup->height() > area.bottom()) at.setY(mapToGlobal(QPoint(0, 0)).y() - popup->height());
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - popup->width())));
    }
    popup->move(at);
    popup->show();
}

void ColorPicker::chooseInDialog() {
    // Without the alpha option the dialog offers opaque colours only.
    QColorDialog dialog(current, this);
    if (dialog.exec() == QDialog::Accepted) choose(dialog.currentColor());
}

void ColorPicker::choose(const QColor& color) {
    current = color.toRgb();
    current.setAlpha(255);
    update();
    emit colorPicked(toToolkitColor(current));
}

}  // namespace toolkit
