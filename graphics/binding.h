// Binding of the engine's entry points by name at their first call. Each
// call site names its entry point through GDIP(name); the address is looked
// up once and remembered, and every call is counted so that tests can check
// how often an entry point ran.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace graphics {

// The file the engine's entry points are bound from.
#ifdef _WIN32
inline constexpr const char* kGdiplusLibrary = "gdiplus.dll";
#else
inline constexpr const char* kGdiplusLibrary = "libzelvaro-gdiplus.so";
#endif

struct EntryPoint {
    const char* library;
    const char* name;
    void* address = nullptr;
    std::uint64_t calls = 0;
};

// The record of one entry point; the same record for the same name, for the
// life of the process.
EntryPoint& entryPoint(const char* library, const char* name);

// Resolves the entry point's address. A library or name that cannot be found
// is fatal: the error reporter is told both, and the process ends.
void bindEntryPoint(EntryPoint& entry);

// How the fatal binding error reaches the user. The default writes to the
// standard error stream; the program installs a message box.
using FatalErrorReporter = void (*)(const char* message);
void setFatalErrorReporter(FatalErrorReporter reporter);

// Calls of an entry point since the last reset (0 for one never called).
std::uint64_t callCount(std::string_view name);
void resetCallCounts();

template <std::size_t N>
struct EntryName {
    constexpr EntryName(const char (&s)[N]) { std::copy_n(s, N, text); }
    char text[N];
};

template <EntryName Name, class Fn>
Fn bound() {
    static EntryPoint& entry = entryPoint(kGdiplusLibrary, Name.text);
    ++entry.calls;
    if (!entry.address) bindEntryPoint(entry);
    return reinterpret_cast<Fn>(entry.address);
}

}  // namespace graphics

// GDIP(GdipCreatePen1)(argb, width, unit, &pen): calls the bound entry point
// with the declared signature of the engine's function of that name.
#define GDIP(fn) (::graphics::bound<#fn, decltype(&::fn)>())
