#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "device_record.h"

struct HWND__ {
    QImage* target = nullptr;
    WindowDrawnCallback drawn = nullptr;
    void* context = nullptr;
};

namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_set<HDC> dcs;
    std::unordered_set<HWND> windows;
};

Registry& registry() {
    // Never destroyed: DCs may be released from other objects' destructors
    // at exit.
    static auto* r = new Registry;
    return *r;
}

}  // namespace

namespace win32 {

bool isSupportedFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

DeviceTarget resolveDevice(HDC dc) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (!dc || !r.dcs.count(dc)) return {};
    QImage* image = dc->image;
    if (dc->fromWindow) image = dc->window ? dc->window->target : nullptr;
    if (!image || image->isNull() || !isSupportedFormat(image->format())) return {dc, nullptr};
    return {dc, image};
}

}  // namespace win32

HDC createImageDC(QImage* target) {
    if (!target || target->isNull() || !win32::isSupportedFormat(target->format())) return nullptr;
    auto* dc = new HDC__;
    dc->image = target;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.dcs.insert(dc);
    return dc;
}

BOOL destroyImageDC(HDC dc) {
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (!dc || !r.dcs.count(dc) || dc->fromWindow) return FALSE;
        r.dcs.erase(dc);
    }
    delete dc;
    return TRUE;
}

BOOL deviceContextIsLive(HDC dc) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return dc && r.dcs.count(dc) ? TRUE : FALSE;
}

QImage* deviceContextTarget(HDC dc) {
    return win32::resolveDevice(dc).image;
}

HWND registerWindow(QImage* target, WindowDrawnCallback drawn, void* context) {
    auto* window = new HWND__{target, drawn, context};
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.windows.insert(window);
    return window;
}

BOOL setWindowPaintTarget(HWND window, QImage* target) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (!window || !r.windows.count(window)) return FALSE;
    window->target = target;
    return TRUE;
}

BOOL unregisterWindow(HWND window) {
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (!window || !r.windows.count(window)) return FALSE;
        r.windows.erase(window);
        // DCs still out paint nowhere from now on; ReleaseDC still takes
        // them back.
        for (HDC dc : r.dcs)
            if (dc->window == window) dc->window = nullptr;
    }
    delete window;
    return TRUE;
}

QImage* windowPaintTarget(HWND window) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return window && r.windows.count(window) ? window->target : nullptr;
}

BOOL IsWindow(HWND window) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return window && r.windows.count(window) ? TRUE : FALSE;
}

HDC WINAPI GetDC(HWND window) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (!window || !r.windows.count(window) || !window->target) return nullptr;
    auto* dc = new HDC__;
    dc->fromWindow = true;
    dc->window = window;
    r.dcs.insert(dc);
    return dc;
}

int WINAPI ReleaseDC(HWND window, HDC dc) {
    WindowDrawnCallback drawn = nullptr;
    void* context = nullptr;
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (!dc || !r.dcs.count(dc) || !dc->fromWindow) return 0;
        // A DC whose window is gone goes back under any handle.
        if (dc->window && dc->window != window) return 0;
        r.dcs.erase(dc);
        if (dc->window) {
            drawn = window->drawn;
            context = window->context;
        }
    }
    delete dc;
    // Outside the lock: the widget may ask for DCs again from its callback.
    if (drawn) drawn(context);
    return 1;
}

HWND WINAPI WindowFromDC(HDC dc) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (!dc || !r.dcs.count(dc)) return nullptr;
    return dc->window;
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
    QImage* image = win32::resolveDevice(dc).image;
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return CLR_INVALID;
    return win32::toColorRef(win32::readPixel(*image, x, y));
}

COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color) {
    QImage* image = win32::resolveDevice(dc).image;
    if (!image || x < 0 || y < 0 || x >= image->width() || y >= image->height()) return CLR_INVALID;
    win32::writePixel(*image, x, y, win32::fromColorRef(color));
    return color & 0x00FFFFFFu;
}
