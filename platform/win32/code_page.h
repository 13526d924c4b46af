// Text conversions between the code pages and UTF-16. This platform has one
// text encoding, UTF-8, so CP_ACP, CP_OEMCP and CP_UTF8 all mean UTF-8.
#pragma once
#include "windows_types.h"
#include "win32_export.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_UTF8 = 65001;

// Converts `byteCount` bytes (-1: up to and including the terminator) into
// UTF-16. With wideCapacity 0 returns the units needed and writes nothing;
// otherwise returns the units written, or 0 when they do not fit (nothing is
// written then). Malformed input becomes U+FFFD. Never reads past the input.
WIN32_API int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount,
                                         LPWSTR wide, int wideCapacity);

// The reverse. Lone surrogates become the default character: `defaultChar`'s
// first byte when given, else U+FFFD; *usedDefaultChar tells whether one was
// put.
WIN32_API int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideCount,
                                         LPSTR text, int byteCapacity, LPCSTR defaultChar,
                                         BOOL* usedDefaultChar);

// Length in UTF-16 units of a zero-terminated string; 0 for null.
WIN32_API int WINAPI lstrlenW(LPCWSTR text);
