#include "global_memory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

struct HGLOBAL__ {
    std::byte* data = nullptr;
    SIZE_T size = 0;
    unsigned locks = 0;
};

namespace {

// Live handles, so that a stale or foreign handle is refused instead of
// dereferenced.
std::mutex& registryMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HGLOBAL>& registry() {
    static auto* live = new std::unordered_set<HGLOBAL>;
    return *live;
}
bool isLive(HGLOBAL h) { return h && registry().count(h) != 0; }

}  // namespace

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    auto* block = new (std::nothrow) HGLOBAL__;
    if (!block) return nullptr;
    // malloc(0) may give null; keep one byte so the block always has an address.
    block->data = static_cast<std::byte*>((flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1)
                                                                   : std::malloc(bytes ? bytes : 1));
    if (!block->data) {
        delete block;
        return nullptr;
    }
    block->size = bytes;
    std::lock_guard lock(registryMutex());
    registry().insert(block);
    return block;
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags) {
    std::lock_guard lock(registryMutex());
    if (!isLive(block) || block->locks) return nullptr;
    auto* grown = static_cast<std::byte*>(std::realloc(block->data, bytes ? bytes : 1));
    if (!grown) return nullptr;
    if ((flags & GMEM_ZEROINIT) && bytes > block->size) std::memset(grown + block->size, 0, bytes - block->size);
    block->data = grown;
    block->size = bytes;
    return block;
}

LPVOID WINAPI GlobalLock(HGLOBAL block) {
    std::lock_guard lock(registryMutex());
    if (!isLive(block)) return nullptr;
    ++block->locks;
    return block->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL block) {
    std::lock_guard lock(registryMutex());
    if (!isLive(block) || block->locks == 0) return FALSE;
    --block->locks;
    return block->locks != 0;
}

SIZE_T WINAPI GlobalSize(HGLOBAL block) {
    std::lock_guard lock(registryMutex());
    return isLive(block) ? block->size : 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL block) {
    std::lock_guard lock(registryMutex());
    if (!isLive(block)) return block;
    registry().erase(block);
    std::free(block->data);
    delete block;
    return nullptr;
}
