// The one funnel every failing status of the engine passes through: a
// breakpoint on engine::fail finds the origin of any failure.
#pragma once

#include "gdiplus_types.h"

namespace engine {

GpStatus fail(GpStatus status);

// True between a successful GdiplusStartup and the matching GdiplusShutdown.
bool isStarted();

}  // namespace engine

// Argument checks at the top of an entry point.
#define GP_CHECK(condition, status)                               \
    do {                                                          \
        if (!(condition)) return ::engine::fail(status);          \
    } while (0)
#define GP_CHECK_ARG(condition) GP_CHECK(condition, InvalidParameter)
