#include "gdi_object.h"

#include <mutex>
#include <unordered_set>

namespace {

std::mutex& liveMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HGDIOBJ>& liveObjects() {
    static auto* live = new std::unordered_set<HGDIOBJ>;
    return *live;
}

}  // namespace

BOOL gdiObjectIsLive(HGDIOBJ object) {
    std::lock_guard lock(liveMutex());
    return object && liveObjects().count(object) ? TRUE : FALSE;
}

HGDIOBJ gdiObjectRegister(GdiObject* object) {
    std::lock_guard lock(liveMutex());
    liveObjects().insert(object);
    return object;
}

int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID out) {
    if (!gdiObjectIsLive(object) || size < 0) return 0;
    return object->describe(size, out);
}

BOOL WINAPI DeleteObject(HGDIOBJ object) {
    {
        std::lock_guard lock(liveMutex());
        if (!object || !liveObjects().count(object) || object->stock) return FALSE;
        liveObjects().erase(object);
    }
    delete object;
    return TRUE;
}
