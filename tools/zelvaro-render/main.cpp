// zelvaro-render: draws a structure diagram without a window and saves it as
// a PNG file, through the same renderer the program's canvas uses.
#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "element_presets.h"
#include "graphics_session.h"

namespace {

constexpr const char* kProgram = "zelvaro-render";
constexpr int kExitBadArguments = 2;
constexpr int kExitFailed = 1;

const char* const kUsage =
    "Usage: zelvaro-render [options] -o FILE.png\n"
    "       zelvaro-render [--color C] [--white] --all-presets DIR\n"
    "\n"
    "Draws an atom structure diagram and saves it as a PNG file. Without\n"
    "values the diagram of the program's defaults is drawn (charge 118,\n"
    "shells 2,8,18,32,32,18,8).\n"
    "\n"
    "  --charge N          nuclear charge (a 32-bit integer)\n"
    "  --shells A,B,...    electron counts of shells 1 to 7 (up to seven\n"
    "                      integers; shells not given are 0)\n"
    "  --preset NAME       a preset species by its button name without the\n"
    "                      prefix, e.g. Na, Na1, H2, Fe3; --charge and\n"
    "                      --shells given beside it replace its values\n"
    "  --color #RRGGBB     colour of the lines and texts (default black)\n"
    "  --white             a white background instead of a transparent one\n"
    "  -o, --output FILE   the file to write\n"
    "  --all-presets DIR   write every preset into DIR as NAME.png\n"
    "  -h, --help          show this text\n";

struct Options {
    std::optional<std::int32_t> charge;
    std::optional<std::array<std::int32_t, diagram::kShellCount>> shells;
    const diagram::ElementPreset* preset = nullptr;
    std::optional<diagram::ToolkitColor> color;
    bool white = false;
    std::string output;
    std::string allPresetsDir;
    bool help = false;
};

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::int32_t value = 0;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::array<std::int32_t, diagram::kShellCount>> parseShells(std::string_view text) {
    std::array<std::int32_t, diagram::kShellCount> shells{};
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<std::int32_t> value = parseInteger(text.substr(0, comma));
        if (!value || count == shells.size()) return std::nullopt;
        shells[count++] = *value;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return shells;
}

// "#RRGGBB" or "RRGGBB" as a toolkit colour (red in the low byte).
std::optional<diagram::ToolkitColor> parseColor(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    std::uint32_t rgb = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return diagram::toolkitRgb(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

// The options, or nullopt with `error` saying what is wrong.
std::optional<Options> parseArguments(int argc, char** argv, std::string& error) {
    Options options;
    std::vector<std::string_view> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::optional<std::string_view> value;  // given as --name=value
        if (arg.starts_with("--")) {
            if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        const auto fail = [&](const std::string& why) -> std::optional<Options> {
            error = std::string(arg) + ": " + why;
            return std::nullopt;
        };
        const bool takesValue = arg == "--charge" || arg == "--shells" || arg == "--preset" || arg == "--color" ||
                                arg == "--colour" || arg == "-o" || arg == "--output" || arg == "--all-presets";
        if (takesValue && !value) {
            if (i + 1 >= args.size()) return fail("needs a value");
            value = args[++i];
        } else if (!takesValue && value) {
            return fail("takes no value");
        }
        const std::string text(value.value_or(""));

        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--charge") {
            options.charge = parseInteger(text);
            if (!options.charge) return fail("not a 32-bit integer: '" + text + "'");
        } else if (arg == "--shells") {
            options.shells = parseShells(text);
            if (!options.shells) return fail("expected one to seven comma-separated integers, got '" + text + "'");
        } else if (arg == "--preset") {
            options.preset = diagram::findPreset(text);
            if (!options.preset) return fail("no preset named '" + text + "'");
        } else if (arg == "--color" || arg == "--colour") {
            options.color = parseColor(text);
            if (!options.color) return fail("expected #RRGGBB, got '" + text + "'");
        } else if (arg == "--white") {
            options.white = true;
        } else if (arg == "-o" || arg == "--output") {
            if (text.empty()) return fail("the file name is empty");
            options.output = text;
        } else if (arg == "--all-presets") {
            if (text.empty()) return fail("the folder name is empty");
            options.allPresetsDir = text;
        } else {
            error = "unknown argument '" + std::string(args[i]) + "'";
            return std::nullopt;
        }
    }
    if (options.help) return options;
    if (options.output.empty() == options.allPresetsDir.empty()) {
        error = "give either -o FILE or --all-presets DIR";
        return std::nullopt;
    }
    if (!options.allPresetsDir.empty() && (options.preset || options.charge || options.shells)) {
        error = "--all-presets draws the presets' own values: leave out --preset, --charge and --shells";
        return std::nullopt;
    }
    return options;
}

void setSpecies(std::int32_t charge, const std::array<std::int32_t, diagram::kShellCount>& shells) {
    diagram::diagramParameters.nuclearCharge = charge;
    diagram::diagramParameters.shellCounts = shells;
}

void setPreset(const diagram::ElementPreset& preset) {
    std::array<std::int32_t, diagram::kShellCount> shells{};
    for (int k = 1; k <= diagram::kShellCount; ++k) shells[k - 1] = preset.shellCount(k);
    setSpecies(preset.nuclearCharge(), shells);
}

// Renders the model and writes the picture to `path` through a temporary
// file beside it, so that `path` is either the whole new picture or left as
// it was. False with `error` set on failure.
bool renderTo(const std::string& path, bool white, std::string& error) {
    diagram::diagramParameters.whiteBackground = white ? 1 : 0;
    diagram::renderDiagram();
    if (!diagram::diagramBitmap->IsValid()) {
        error = "the picture could not be drawn";
        return false;
    }

    const QFileInfo target(QString::fromStdString(path));
    std::string temporary =
        (target.absoluteDir().filePath("." + target.fileName() + ".XXXXXX")).toStdString();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // mkstemp makes the file private; give it the mode a new file gets.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);

    // The format left out is the PNG encoder.
    if (!diagram::diagramBitmap->SaveToFile(temporary)) {
        error = "the PNG encoder failed (status " + std::to_string(graphics::LastStatus) + ")";
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

int run(const Options& options) {
    if (options.color) diagram::diagramParameters.drawColor = *options.color;

    if (!options.allPresetsDir.empty()) {
        if (!QDir().mkpath(QString::fromStdString(options.allPresetsDir))) {
            std::fprintf(stderr, "%s: cannot create the folder %s\n", kProgram, options.allPresetsDir.c_str());
            return kExitFailed;
        }
        for (const diagram::ElementPreset& preset : diagram::elementPresets) {
            setPreset(preset);
            const std::string path = options.allPresetsDir + "/" + std::string(diagram::presetShortName(preset)) + ".png";
            std::string error;
            if (!renderTo(path, options.white, error)) {
                std::fprintf(stderr, "%s: cannot write %s: %s\n", kProgram, path.c_str(), error.c_str());
                return kExitFailed;
            }
        }
        return EXIT_SUCCESS;
    }

    if (options.preset) setPreset(*options.preset);
    if (options.charge) diagram::diagramParameters.nuclearCharge = *options.charge;
    if (options.shells) diagram::diagramParameters.shellCounts = *options.shells;
    std::string error;
    if (!renderTo(options.output, options.white, error)) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", kProgram, options.output.c_str(), error.c_str());
        return kExitFailed;
    }
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<Options> parsed = parseArguments(argc, argv, error);
    if (!parsed) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgram, error.c_str(), kProgram);
        return kExitBadArguments;
    }
    const Options& options = *parsed;
    if (options.help) {
        std::fputs(kUsage, stdout);
        return EXIT_SUCCESS;
    }

    // The program's own start-up order, then its defaults.
    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();
    diagram::setDefaultParameters();
    diagram::diagramParameters.whiteBackground = 0;

    const int status = run(options);

    diagram::diagramBitmap->DisposeBitmap();
    graphics::GraphicsSession::Stop();
    return status;
}
