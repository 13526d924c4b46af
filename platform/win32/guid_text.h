// GUID text in the registry form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
#pragma once
#include "windows_types.h"
#include "win32_export.h"

// Writes the 38-character braced upper-case text and its terminator into
// `text` (cchMax units). Returns the units written including the terminator,
// or 0 when the buffer is too small (then nothing is written).
WIN32_API int WINAPI StringFromGUID2(const GUID& guid, LPWSTR text, int cchMax);

// Parses a braced GUID text. On success fills *clsid and returns S_OK; a text
// that is no GUID leaves *clsid untouched and returns CO_E_CLASSSTRING.
WIN32_API HRESULT WINAPI CLSIDFromString(LPCWSTR text, LPCLSID clsid);
