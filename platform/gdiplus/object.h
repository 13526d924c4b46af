// Every native object of the engine derives from GpObject, which records it
// in a table of live objects. Entry points look handles up there, so a null,
// stale or wrong-kind handle is answered with InvalidParameter instead of
// being dereferenced.
#pragma once

#include "gdiplus_types.h"

namespace engine {

enum class ObjectKind : std::uint8_t {
    Matrix,
    Path,
    Region,
    FontCollection,
    FontFamily,
    Font,
    StringFormat,
    Pen,
    SolidFill,
    CustomLineCap,
    Bitmap,
    Metafile,
    Graphics,
    CachedBitmap,
    ImageAttributes,
    Effect,
};

// Visible outside the engine so that tests can build records directly.
struct __attribute__((visibility("default"))) Object {
    explicit Object(ObjectKind k);
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    const ObjectKind kind;
};

// The live object at `handle`, or null when there is none.
__attribute__((visibility("default"))) const Object* findLive(const void* handle);

// The live object at `handle` if it is a T (T::accepts decides), else null.
template <class T>
T* lookup(const void* handle) {
    const Object* o = findLive(handle);
    return o && T::accepts(o->kind) ? static_cast<T*>(const_cast<Object*>(o)) : nullptr;
}

}  // namespace engine
