#include "toolkit/canvas.h"

#include <QPainter>

#include "win32/device_context.h"

namespace toolkit {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // The paint covers every pixel from the backing store.
    setAttribute(Qt::WA_OpaquePaintEvent);
    window = registerWindow(nullptr, &Canvas::drawnOutsidePaint, this);
}

Canvas::~Canvas() {
    unregisterWindow(window);
}

void Canvas::drawnOutsidePaint(void* canvas) {
    // Drawing through GetDC between paints shows at the next paint.
    auto* self = static_cast<Canvas*>(canvas);
    if (!self->painting) self->update();
}

void Canvas::paintEvent(QPaintEvent*) {
    if (store.size() != size()) {
        store = QImage(size(), QImage::Format_RGB32);
        setWindowPaintTarget(window, &store);
    }
    store.fill(Qt::white);
    painting = true;
    if (HDC dc = GetDC(window)) {
        emit paint(dc);
        ReleaseDC(window, dc);
    }
    painting = false;
    QPainter(this).drawImage(0, 0, store);
}

}  // namespace toolkit
