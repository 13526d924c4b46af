#include "wrapper_object.h"

#include "binding.h"
#include "gdiplus_flat.h"

namespace graphics {

void* WrapperObject::Alloc(std::size_t size) {
    return GDIP(GdipAlloc)(size);
}

void WrapperObject::Free(void* p) {
    GDIP(GdipFree)(p);
}

void WrapperObject::HandOver(WrapperObject& target, void* object) {
    if (target.GetHandle()) target.Destroy();
    target.SetHandle(object);
}

}  // namespace graphics
