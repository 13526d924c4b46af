// Start-up, shutdown and the engine's allocator.
#pragma once
#include "gdiplus_types.h"

// Starts the engine. `input->GdiplusVersion` must be 1 (else
// UnsupportedGdiplusVersion); with SuppressBackgroundThread set, `output`
// receives the notification hooks and must not be null. Each successful call
// hands out its own token; the engine stays up until every token is shut down.
GDIP_EXPORT GpStatus WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                                           GdiplusStartupOutput* output);
// Ends the start-up that gave `token`; unknown tokens are ignored.
GDIP_EXPORT void WINAPI GdiplusShutdown(ULONG_PTR token);

// Memory from the engine's allocator; release it with GdipFree. Null on failure.
GDIP_EXPORT void* WINGDIPAPI GdipAlloc(size_t size);
GDIP_EXPORT void WINGDIPAPI GdipFree(void* ptr);
