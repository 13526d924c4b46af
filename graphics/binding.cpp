#include "binding.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace graphics {
namespace {

FatalErrorReporter fatalReporter = nullptr;

std::map<std::string, EntryPoint, std::less<>>& entries() {
    static auto* table = new std::map<std::string, EntryPoint, std::less<>>;
    return *table;
}

std::map<std::string, void*>& libraries() {
    static auto* table = new std::map<std::string, void*>;
    return *table;
}

#ifndef _WIN32
// The engine lives beside the program. Looking there first does not depend
// on who calls dlopen (a sanitizer's interceptor has no $ORIGIN of ours).
void* openBesideThisModule(const char* library) {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&openBesideThisModule), &info) && info.dli_fname) {
        std::string path = info.dli_fname;
        auto slash = path.rfind('/');
        if (slash != std::string::npos) {
            path = path.substr(0, slash + 1) + library;
            if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
        }
    }
    return dlopen(library, RTLD_NOW | RTLD_LOCAL);
}
#endif

[[noreturn]] void fatal(const EntryPoint& entry, const std::string& why) {
    std::string message = "Cannot bind the entry point " + std::string(entry.name) + " from the library " +
                          entry.library + (why.empty() ? "" : ": " + why);
    if (fatalReporter) {
        fatalReporter(message.c_str());
    } else {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::fflush(stderr);
    }
    // No exit handlers: they would call into the library that just failed.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

EntryPoint& entryPoint(const char* library, const char* name) {
    auto it = entries().find(std::string_view(name));
    if (it == entries().end()) it = entries().emplace(name, EntryPoint{library, name}).first;
    return it->second;
}

void bindEntryPoint(EntryPoint& entry) {
    void*& library = libraries()[entry.library];
#ifdef _WIN32
    if (!library) library = reinterpret_cast<void*>(LoadLibraryA(entry.library));
    if (!library) fatal(entry, "the library cannot be loaded");
    entry.address = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), entry.name));
    if (!entry.address) fatal(entry, "the library has no such entry point");
#else
    if (!library) library = openBesideThisModule(entry.library);
    if (!library) fatal(entry, dlerror());
    dlerror();
    entry.address = dlsym(library, entry.name);
    if (!entry.address) {
        const char* why = dlerror();
        fatal(entry, why ? why : "the library has no such entry point");
    }
#endif
}

void setFatalErrorReporter(FatalErrorReporter reporter) {
    fatalReporter = reporter;
}

std::uint64_t callCount(std::string_view name) {
    auto it = entries().find(name);
    return it == entries().end() ? 0 : it->second.calls;
}

void resetCallCounts() {
    for (auto& [name, entry] : entries()) entry.calls = 0;
}

}  // namespace graphics
