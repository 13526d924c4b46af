// An optional argument: its value (0 or the operation's default when left
// out) and the given-flag that tells whether the caller gave it.
#pragma once

namespace graphics {

template <class T>
struct Optional {
    Optional() = default;
    Optional(T v) : value(v), given(true) {}

    // The value when given, else `fallback`.
    T Or(T fallback) const { return given ? value : fallback; }

    T value{};
    bool given = false;
};

}  // namespace graphics
