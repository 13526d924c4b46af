// Graphics objects over device contexts and windows, and the device context
// a graphics object lends out.
#include <QImage>

#include "api/device_context.h"
#include "objects/graphics.h"
#include "status.h"
#include "win32/device_context.h"

namespace {

GpGraphics* newGraphicsOn(QImage* target, HDC hdc) {
    auto* graphics = new GpGraphics;
    graphics->device = target;
    graphics->hdc = hdc;
    return graphics;
}

GpStatus createOnTarget(QImage* target, HDC hdc, GpGraphics** graphics) {
    GP_CHECK_ARG(graphics && target);
    *graphics = newGraphicsOn(target, hdc);
    return Ok;
}

// The image a graphics object draws on, when it draws on one.
QImage* drawnImage(GpGraphics* graphics) {
    QPaintDevice* device = graphics->device;
    return device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
}

}  // namespace

GpStatus WINGDIPAPI GdipCreateFromHDC(HDC hdc, GpGraphics** graphics) {
    return createOnTarget(deviceContextTarget(hdc), hdc, graphics);
}

GpStatus WINGDIPAPI GdipCreateFromHDC2(HDC hdc, HANDLE, GpGraphics** graphics) {
    return createOnTarget(deviceContextTarget(hdc), hdc, graphics);
}

GpStatus WINGDIPAPI GdipCreateFromHWND(HWND hwnd, GpGraphics** graphics) {
    return createOnTarget(windowPaintTarget(hwnd), nullptr, graphics);
}

GpStatus WINGDIPAPI GdipCreateFromHWNDICM(HWND hwnd, GpGraphics** graphics) {
    return createOnTarget(windowPaintTarget(hwnd), nullptr, graphics);
}

GpStatus WINGDIPAPI GdipGetDC(GpGraphics* graphics, HDC* hdc) {
    auto* g = engine::lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && hdc);
    GP_CHECK(!g->lentDc.dc, ObjectBusy);
    if (g->hdc) {
        // The DC it was made on; once that is gone, so may be its image.
        GP_CHECK(deviceContextIsLive(g->hdc), Win32Error);
        g->lentDc.dc = g->hdc;
    } else {
        HDC made = createImageDC(drawnImage(g));
        GP_CHECK(made, GenericError);
        g->lentDc.dc = made;
        g->lentDc.owned = true;
    }
    *hdc = g->lentDc.dc;
    return Ok;
}

GpStatus WINGDIPAPI GdipReleaseDC(GpGraphics* graphics, HDC hdc) {
    auto* g = engine::lookup<GpGraphics>(graphics);
    GP_CHECK_ARG(g && hdc && hdc == g->lentDc.dc);
    g->lentDc.end();
    return Ok;
}
