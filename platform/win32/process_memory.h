// Access to the memory of a process. Only the calling process exists for
// this layer: GetCurrentProcess names it, and any other handle is refused.
#pragma once
#include "win32_export.h"
#include "windows_types.h"

// The pseudo handle of the calling process.
WIN32_API HANDLE WINAPI GetCurrentProcess();
// Copies `size` bytes from `buffer` to `address` in `process`; FALSE (and 0
// bytes written) for another process or a null address with a size.
WIN32_API BOOL WINAPI WriteProcessMemory(HANDLE process, LPVOID address, LPCVOID buffer, SIZE_T size,
                                         SIZE_T* written);
