// A drawing surface with a paint event: whenever it needs repainting it is
// erased to white and raises paint() with a device context over its paint
// target, on which the program draws. The toolkit keeps no drawing of its
// own for it. update() asks for a repaint (several requests, one paint).
#pragma once

#include <QImage>
#include <QWidget>

#include "win32/windows_types.h"

namespace toolkit {

class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent = nullptr);
    ~Canvas() override;

    // The window handle that stands for this canvas (GetDC works on it).
    HWND canvasWindow() const { return window; }

signals:
    // Raised inside every paint. The device context is valid only during
    // the call: every graphics object made on it must be deleted before the
    // handler returns.
    void paint(HDC dc);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void drawnOutsidePaint(void* canvas);

    // One device pixel per logical pixel of the canvas.
    QImage store;
    HWND window = nullptr;
    bool painting = false;
};

}  // namespace toolkit

Q_DECLARE_OPAQUE_POINTER(HDC)
