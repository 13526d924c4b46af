// Start and stop of the engine, once per process.
#pragma once

#include "win32/windows_types.h"

namespace graphics {

class GraphicsSession {
public:
    // Starts the engine unless it runs already; true when it is running.
    static bool Start();
    // Start, when not started.
    static void EnsureStarted();
    // Run once at program start: EnsureStarted, then 0.
    static int InitializeModule();
    // Shuts the engine down; false (and no call) when it was not started.
    static bool Stop();

    // The start-up token; 0 while the engine is not started.
    static ULONG_PTR Token() { return token; }

private:
    static ULONG_PTR token;
};

}  // namespace graphics
