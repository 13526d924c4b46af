// The clipboard, for a program that hands it a CF_DIB block. On this
// desktop the block is offered in the forms other programs paste: image/bmp
// (a BMP file built from the block) and image/png, plus Qt's own image form.
#pragma once

#include "win32_export.h"
#include "windows_types.h"

constexpr UINT CF_DIB = 8;

// Opens the clipboard for this program; FALSE when it is open already.
WIN32_API BOOL WINAPI OpenClipboard(HWND owner);
// Drops what the clipboard holds (freeing blocks it owns); needs it open.
WIN32_API BOOL WINAPI EmptyClipboard();
// Hands `data` (a movable global block) to the clipboard, which owns it from
// then on. Only CF_DIB is understood; returns the handle, or null on failure
// (a null or unreadable block, another format, or the clipboard not open).
WIN32_API HANDLE WINAPI SetClipboardData(UINT format, HANDLE data);
// Publishes what was set and closes the clipboard; FALSE when not open.
WIN32_API BOOL WINAPI CloseClipboard();
