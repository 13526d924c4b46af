#include "graphics_session.h"

#include "binding.h"
#include "gdiplus_flat.h"

namespace graphics {

ULONG_PTR GraphicsSession::token = 0;

bool GraphicsSession::Start() {
    if (token != 0) return true;
    GdiplusStartupInput input{};
    input.GdiplusVersion = 1;
    ULONG_PTR started = 0;
    // The status is not examined: a failed start-up leaves the token at 0.
    GDIP(GdiplusStartup)(&started, &input, nullptr);
    token = started;
    return token != 0;
}

void GraphicsSession::EnsureStarted() {
    if (token == 0) Start();
}

int GraphicsSession::InitializeModule() {
    EnsureStarted();
    return 0;
}

bool GraphicsSession::Stop() {
    if (token == 0) return false;
    GDIP(GdiplusShutdown)(token);
    token = 0;
    return true;
}

}  // namespace graphics
