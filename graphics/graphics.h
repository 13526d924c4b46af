// Graphics: a drawing surface on a device context (a window's paint target,
// an image), or on an image directly. The drawing family (clearing and the
// resolution included) comes from DrawingFamily, drawn through this
// wrapper's graphics object; this level adds creation and deletion, the
// device-context operations, four GDI blits and a pixel read.
#pragma once

#include <memory>

#include "drawing_family.h"
#include "optional.h"
#include "win32/device_context.h"
#include "wrapper_object.h"

namespace graphics {

class Graphics : public WrapperObject, public DrawingFamily {
public:
    Graphics() = default;
    // Deletes a graphics object still held (no call when Empty).
    ~Graphics() override;

    // Runs DeleteGraphics.
    void Destroy() override;
    std::unique_ptr<WrapperObject> Copy() const override;
    // The drawing handle, then OnDerivedHandleSet.
    void OnHandleSet(void* h) override;
    // The graphics handle.
    virtual void OnDerivedHandleSet(void* h);

    // True when the drawing handle is non-zero; no engine call.
    virtual bool IsValid() const;

    // Deletes the graphics object; false and no call when Empty. The device
    // context stays recorded.
    virtual bool DeleteGraphics();
    // A graphics object on a window; the ICM form when the flag is non-zero.
    virtual bool CreateFromHWND(HWND window, Optional<int> colorManagement = {});
    // The device context that the engine lends (GdipGetDC), also recorded as
    // the device context; give it back with ReleaseDC.
    virtual HDC GetDC();
    virtual bool ReleaseDC();
    // A graphics object on the window's DC (taken with GetDC and recorded
    // whatever the outcome). The window DC goes back when the graphics
    // object is deleted, or at once when the creation fails.
    virtual bool CreateFromWindowDC(HWND window, Optional<HANDLE> device = {});
    // A graphics object on `dc` (the HDC2 form when a device is given); `dc`
    // stays the caller's and is recorded whatever the outcome.
    virtual bool CreateFromHDC(HDC dc, Optional<HANDLE> device = {});
    // A graphics object on an image wrapper's image.
    virtual bool CreateFromImage(const WrapperObject& image);

    // Blits from `src` into the recorded device context, outside the engine:
    // no transform, clip or flush applies. On failure LastStatus becomes 1
    // (GenericError); on success it is left as it was.
    // A raster operation of 0 or not given is SRCCOPY.
    virtual bool BitBltFrom(HDC src, int srcX, int srcY, int destX, int destY, int width, int height,
                            Optional<DWORD> rop = {});
    virtual bool StretchBltFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                                int destWidth, int destHeight, Optional<DWORD> rop = {});
    // Constant alpha 0 to 255 (not given: 255; outside that range LastStatus
    // becomes 2 and nothing is called); the source's own alpha counts too
    // when the per-pixel flag is 1.
    virtual bool AlphaBlendFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                                int destWidth, int destHeight, Optional<int> constantAlpha = {},
                                Optional<int> perPixelAlpha = {});
    // Leaves out source pixels of the colour `transparent` (a COLORREF; not
    // given: black). TransparentBlt when `useTransparentBlt` is non-zero,
    // else GdiTransparentBlt.
    virtual bool TransparentBltFrom(HDC src, int srcX, int srcY, int srcWidth, int srcHeight, int destX, int destY,
                                    int destWidth, int destHeight, Optional<COLORREF> transparent = {},
                                    Optional<int> useTransparentBlt = {});

    virtual HDC GetDeviceContext() const;
    // The colour at (x, y) of the recorded device context, or CLR_INVALID.
    virtual COLORREF GetPixel(int x, int y) const;
    // True unless GetPixel gives CLR_INVALID; the third value plays no part.
    virtual bool IsPixelReadable(int x, int y, int unused) const;

protected:
    GpGraphics* DrawingContext() const override { return drawingHandle; }

private:
    bool RecordBlit(BOOL ok);
    void GiveBackWindowDC();

    GpGraphics* drawingHandle = nullptr;
    GpGraphics* graphicsHandle = nullptr;
    HDC deviceContext = nullptr;
    // The DC that CreateFromWindowDC took, given back with the graphics
    // object.
    HWND dcWindow = nullptr;
    HDC windowDC = nullptr;
};

}  // namespace graphics
