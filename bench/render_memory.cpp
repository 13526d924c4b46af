// Peak and current memory over many renderings of the default diagram in one
// process: the figures after the first thousand and after all of them should
// be the same, since every rendering releases what it makes.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "graphics_session.h"

namespace {

// A "Vm...:" figure of /proc/self/status in kB; -1 when missing.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
    }
    return -1;
}

void report(long renderings) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("after %7ld renderings: VmRSS %6ld kB, VmHWM %6ld kB, maxrss %6ld kB\n", renderings,
                statusKb("VmRSS"), statusKb("VmHWM"), long(usage.ru_maxrss));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const long total = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();
    diagram::setDefaultParameters();

    report(0);
    for (long i = 1; i <= total; ++i) {
        diagram::renderDiagram();
        if (i == 1000 || i == 10000 || i % 50000 == 0 || i == total) report(i);
    }

    diagram::diagramBitmap->DisposeBitmap();
    graphics::GraphicsSession::Stop();
    return 0;
}
