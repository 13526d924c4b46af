#include "graphics.h"

#include <cstring>

#include "binding.h"

namespace graphics {

Graphics::~Graphics() {
    if (graphicsHandle) DeleteGraphics();
}

void Graphics::Destroy() {
    DeleteGraphics();
}

std::unique_ptr<WrapperObject> Graphics::Copy() const {
    auto copy = std::make_unique<Graphics>();
    copy->handle = handle;
    copy->drawingHandle = drawingHandle;
    copy->graphicsHandle = graphicsHandle;
    copy->deviceContext = deviceContext;
    copy->dcWindow = dcWindow;
    copy->windowDC = windowDC;
    return copy;
}

void Graphics::OnHandleSet(void* h) {
    drawingHandle = static_cast<GpGraphics*>(h);
    OnDerivedHandleSet(h);
}

void Graphics::OnDerivedHandleSet(void* h) {
    graphicsHandle = static_cast<GpGraphics*>(h);
}

bool Graphics::IsValid() const {
    return drawingHandle != nullptr;
}

bool Graphics::DeleteGraphics() {
    if (!graphicsHandle) return false;
    bool ok = Record(GDIP(GdipDeleteGraphics)(graphicsHandle));
    SetHandle(nullptr);
    GiveBackWindowDC();
    return ok;
}

bool Graphics::CreateFromHWND(HWND window, Optional<int> colorManagement) {
    if (graphicsHandle) DeleteGraphics();
    GpStatus status = colorManagement.value ? GDIP(GdipCreateFromHWNDICM)(window, &graphicsHandle)
                                            : GDIP(GdipCreateFromHWND)(window, &graphicsHandle);
    SetHandle(graphicsHandle);
    return Record(status);
}

HDC Graphics::GetDC() {
    Record(GDIP(GdipGetDC)(graphicsHandle, &deviceContext));
    return deviceContext;
}

bool Graphics::ReleaseDC() {
    return Record(GDIP(GdipReleaseDC)(graphicsHandle, deviceContext));
}

bool Graphics::CreateFromWindowDC(HWND window, Optional<HANDLE> device) {
    if (graphicsHandle) DeleteGraphics();
    HDC dc = ::GetDC(window);
    deviceContext = dc;
    bool ok = CreateFromHDC(dc, device);
    if (dc) {
        dcWindow = window;
        windowDC = dc;
        // Nothing would give the DC back once no graphics object holds it.
        if (!graphicsHandle) GiveBackWindowDC();
    }
    return ok;
}

bool Graphics::CreateFromHDC(HDC dc, Optional<HANDLE> device) {
    if (graphicsHandle) DeleteGraphics();
    GpStatus status = device.given ? GDIP(GdipCreateFromHDC2)(dc, device.value, &graphicsHandle)
                                   : GDIP(GdipCreateFromHDC)(dc, &graphicsHandle);
    LastStatus = status;
    deviceContext = dc;
    SetHandle(graphicsHandle);
    return status == Ok;
}

bool Graphics::CreateFromImage(const WrapperObject& image) {
    if (graphicsHandle) DeleteGraphics();
    GpStatus status = GDIP(GdipGetImageGraphicsContext)(static_cast<GpImage*>(image.GetHandle()), &graphicsHandle);
    SetHandle(graphicsHandle);
    return Record(status);
}

bool Graphics::RecordBlit(BOOL ok) {
    if (!ok) LastStatus = GenericError;
    return ok != FALSE;
}

void Graphics::GiveBackWindowDC() {
    if (!windowDC) return;
    ::ReleaseDC(dcWindow, windowDC);
    windowDC = nullptr;
    dcWindow = nullptr;
}

namespace {

DWORD rasterOperation(const Optional<DWORD>& rop) {
    return rop.value ? rop.value : SRCCOPY;
}

}  // namespace

bool Graphics::BitBltFrom(HDC src, int srcX, int srcY, int destX, int destY, int width, int height,
                          Optional<DWORD> rop) {
    return RecordBlit(::BitBlt(deviceContext, destX, destY, width, height, src, srcX, srcY, rasterOperation(rop)));
}

bool Graphics::StretchBltFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                              int destWidth, int destHeight, Optional<DWORD> rop) {
    return RecordBlit(::StretchBlt(deviceContext, destX, destY, destWidth, destHeight, src, srcX, srcY, srcWidth,
                                   srcHeight, rasterOperation(rop)));
}

bool Graphics::AlphaBlendFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                              int destWidth, int destHeight, Optional<int> constantAlpha, Optional<int> perPixelAlpha) {
    int alpha = constantAlpha.Or(255);
    if (alpha < 0 || alpha > 255) {
        // Would be cut to its low byte and blend with a weight nobody asked for.
        LastStatus = InvalidParameter;
        return false;
    }
    // Passed as one 32-bit value with BlendOp in the low byte.
    std::uint32_t packed = AC_SRC_OVER | 0u << 8 | static_cast<std::uint32_t>(alpha) << 16 |
                           static_cast<std::uint32_t>(perPixelAlpha.value == 1 ? AC_SRC_ALPHA : 0) << 24;
    BLENDFUNCTION blend;
    std::memcpy(&blend, &packed, sizeof blend);
    return RecordBlit(::AlphaBlend(deviceContext, destX, destY, destWidth, destHeight, src, srcX, srcY, srcWidth,
                                   srcHeight, blend));
}

bool Graphics::TransparentBltFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                                  int destWidth, int destHeight, Optional<COLORREF> transparent,
                                  Optional<int> useTransparentBlt) {
    auto blit = useTransparentBlt.value ? ::TransparentBlt : ::GdiTransparentBlt;
    return RecordBlit(blit(deviceContext, destX, destY, destWidth, destHeight, src, srcX, srcY, srcWidth, srcHeight,
                           transparent.value));
}

HDC Graphics::GetDeviceContext() const {
    return deviceContext;
}

COLORREF Graphics::GetPixel(int x, int y) const {
    return ::GetPixel(deviceContext, x, y);
}

bool Graphics::IsPixelReadable(int x, int y, int) const {
    return ::GetPixel(deviceContext, x, y) != CLR_INVALID;
}

}  // namespace graphics
