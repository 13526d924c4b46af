#include "object.h"

#include <mutex>
#include <unordered_set>

namespace engine {
namespace {

struct LiveTable {
    std::mutex mutex;
    std::unordered_set<const Object*> objects;
};

LiveTable& live() {
    static auto* table = new LiveTable;  // outlives every static object
    return *table;
}

}  // namespace

Object::Object(ObjectKind k) : kind(k) {
    std::lock_guard lock(live().mutex);
    live().objects.insert(this);
}

Object::~Object() {
    std::lock_guard lock(live().mutex);
    live().objects.erase(this);
}

const Object* findLive(const void* handle) {
    if (!handle) return nullptr;
    std::lock_guard lock(live().mutex);
    auto it = live().objects.find(static_cast<const Object*>(handle));
    return it == live().objects.end() ? nullptr : *it;
}

}  // namespace engine
