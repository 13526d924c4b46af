#pragma once
// Symbols of the Windows-services layer are exported from its shared library
// so that the engine and the program share one copy of its state.
#define WIN32_API extern "C" __attribute__((visibility("default")))
