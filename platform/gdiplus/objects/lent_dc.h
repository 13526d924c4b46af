// The device context a graphics object lends out between GdipGetDC and
// GdipReleaseDC. A DC the engine made for the loan is ended with it, or with
// the graphics object if that goes first.
#pragma once

#include "win32/device_context.h"

namespace engine {

struct LentDc {
    LentDc() = default;
    LentDc(const LentDc&) = delete;
    LentDc& operator=(const LentDc&) = delete;
    ~LentDc() { end(); }

    void end() {
        if (owned) destroyImageDC(dc);
        dc = nullptr;
        owned = false;
    }

    HDC dc = nullptr;    // null while nothing is lent
    bool owned = false;  // made for the loan (not the DC the graphics was made on)
};

}  // namespace engine
