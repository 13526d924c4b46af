// Movable global memory blocks. A handle names a block of this layer; the
// block's address is had by locking it.
#pragma once
#include "windows_types.h"
#include "win32_export.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Allocates `bytes` (zeroed with GMEM_ZEROINIT); null when memory runs out.
WIN32_API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
// Resizes a block, keeping its contents (new bytes zeroed with GMEM_ZEROINIT).
// Returns the handle, or null (block unchanged) on failure or a locked block.
WIN32_API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);
// Returns the block's address and counts one more lock; null for an unknown handle.
WIN32_API LPVOID WINAPI GlobalLock(HGLOBAL block);
// Counts one lock less; returns nonzero while the block stays locked.
WIN32_API BOOL WINAPI GlobalUnlock(HGLOBAL block);
// Size in bytes; 0 for an unknown handle.
WIN32_API SIZE_T WINAPI GlobalSize(HGLOBAL block);
// Frees the block; returns null on success, the handle when it is unknown.
WIN32_API HGLOBAL WINAPI GlobalFree(HGLOBAL block);
