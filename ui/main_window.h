// The main window: the diagram on the canvas kept in step with the eight
// edit boxes, the colour picker and the preset buttons.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "ui_main_window.h"

class QTimer;

namespace ui {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window from its layout, then runs the created handler.
    explicit MainWindow(QWidget* parent = nullptr);
    // The about-to-be-destroyed handler.
    ~MainWindow() override;

    // Places the window's outer frame at the centre of its screen.
    void centreOnScreen();

    // Writes the eight values, as decimal texts, into 编辑框1 ... 编辑框8 in
    // this order (each write raises that box's text-changed event).
    void applyPreset(std::int32_t nuclearCharge, std::int32_t shell1, std::int32_t shell2, std::int32_t shell3,
                     std::int32_t shell4, std::int32_t shell5, std::int32_t shell6, std::int32_t shell7);

    // Reads 编辑框1 ... 编辑框8 into the nuclear charge and the shell counts
    // of the model; nothing else, and no redraw.
    void readParametersFromFields();

    // The controls, by their layout names.
    Ui::MainWindow ui;
    // 时钟1: the donation panel's timer.
    QTimer* timer = nullptr;

private:
    void created();
    void fieldChanged(int box);
    void colorPicked();
    void paintCanvas(HDC dc);
    void connectPresetButtons();

    std::array<toolkit::ShortIntEdit*, 8> fields{};
};

}  // namespace ui
