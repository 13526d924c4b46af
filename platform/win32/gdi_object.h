// GDI objects of this layer (fonts, bitmaps, icons, palettes, regions): a
// handle points at one of these records. Each kind derives from GdiObject and
// answers GetObjectA with its own record.
#pragma once

#include "win32_export.h"
#include "windows_types.h"

struct HGDIOBJ__ {
    virtual ~HGDIOBJ__() = default;
    // Copies up to `size` bytes of the object's description (LOGFONTA,
    // BITMAP, ...) into `out`; with `out` null returns the size needed.
    // Returns the bytes written, 0 on failure.
    virtual int describe(int size, void* out) const = 0;
    // Stock objects are never deleted.
    bool stock = false;
};
using GdiObject = HGDIOBJ__;

// True while `object` is a live GDI object of this layer.
WIN32_API BOOL gdiObjectIsLive(HGDIOBJ object);
// Records a new object as live (each kind's create function calls this).
WIN32_API HGDIOBJ gdiObjectRegister(GdiObject* object);

WIN32_API int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID out);
// Deletes a non-stock object; FALSE for an unknown or stock one.
WIN32_API BOOL WINAPI DeleteObject(HGDIOBJ object);
