// The base of every wrapper class. A wrapper owns at most one native object
// of the engine through an opaque handle; its first seven virtual operations
// are common to all classes.
#pragma once

#include <cstddef>
#include <memory>

#include "last_status.h"

namespace graphics {

class WrapperObject {
public:
    WrapperObject() = default;
    // Wrappers are never copied implicitly: Copy() makes a second record
    // over the same native object, on purpose and visibly.
    WrapperObject(const WrapperObject&) = delete;
    WrapperObject& operator=(const WrapperObject&) = delete;
    virtual ~WrapperObject() = default;

    // Runs the class's release operation(s): afterwards the wrapper is Empty.
    virtual void Destroy() = 0;
    // A new record with the same field values; no native object is cloned,
    // so exactly one of the two may release it (clear the other with
    // SetHandle(nullptr) first).
    virtual std::unique_ptr<WrapperObject> Copy() const = 0;
    virtual void* GetHandle() const { return handle; }
    // The base handle takes h, then the class's own fields through OnHandleSet.
    virtual void SetHandle(void* h) {
        handle = h;
        OnHandleSet(h);
    }
    virtual void OnHandleSet(void* h) = 0;
    // Memory from the engine's allocator.
    virtual void* Alloc(std::size_t size);
    virtual void Free(void* p);

protected:
    // Hands a native object produced for `target` over to it: the target's
    // release runs first when it holds one, then it takes `object`.
    static void HandOver(WrapperObject& target, void* object);

    void* handle = nullptr;
};

}  // namespace graphics
