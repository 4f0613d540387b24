#include "app/qvk/command_line.h"

#include "app/program_identity.h"

#include <string_view>

namespace qvk::app {
namespace {

struct QtOption {
    std::string_view name;
    bool takesValue;
};

// The options QApplication reads itself (Qt 6 documents them under
// QGuiApplication and QApplication), so that "qvk -platform xcb" still works.
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"session", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

// Qt takes "-name" and "--name", and "-name=value" for the options with a value.
const QtOption* qtOption(std::string_view word, bool& valueAttached)
{
    if (word.size() < 2 || word[0] != '-') return nullptr;
    word.remove_prefix(word.substr(0, 2) == "--" ? 2 : 1);
    const auto equals = word.find('=');
    valueAttached = equals != std::string_view::npos;
    const std::string_view name = word.substr(0, equals);
    for (const QtOption& option : kQtOptions)
        if (option.name == name && (option.takesValue || !valueAttached)) return &option;
    return nullptr;
}

CommandLine usageError(std::string problem) { return {CommandLine::Action::UsageError, std::move(problem)}; }

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--help" || word == "-h") return {CommandLine::Action::Help, {}};
        if (word == "--version") return {CommandLine::Action::Version, {}};
        bool valueAttached = false;
        if (const QtOption* option = qtOption(word, valueAttached)) {
            if (option->takesValue && !valueAttached && ++i == argc)
                return usageError("option '" + std::string(word) + "' needs a value");
            continue;
        }
        if (word.size() > 1 && word[0] == '-') return usageError("unknown option '" + std::string(word) + "'");
        return usageError("unexpected argument '" + std::string(word) + "'");
    }
    return {};
}

std::string helpText()
{
    return R"(Usage: qvk [OPTION]...

Amateur Radio QVK: where to point the antenna. The beam heading, long path
and distance from the home station to a US state or city, a DXCC entity or a
Maidenhead locator; sunrise and sunset, world clocks and maps.

Options:
  -h, --help     This text.
      --version  The program's version.
Qt's own options, such as -platform NAME, -style NAME and -display DISPLAY,
are passed to Qt.

The settings ("prefs.qvk", "tms.qvk", "rotator.qvk") are kept beside the
program when it can write there and its data lies beside it, as in a build
folder; an installed program keeps them in $XDG_CONFIG_HOME/qvk
(~/.config/qvk by default). One copy runs on them at a time: starting the
program again brings the running copy to the front. A callsign typed into
the location list is looked up in the newest by its version of the cty.csv
in that folder (put a fresh download from www.country-files.com there),
Debian's /usr/share/hamradio-files/cty.csv and the one shipped with the
program.

Exit status: 0 done, or another copy runs on the same settings; 64 a wrong
option.
)";
}

std::string versionText() { return std::string("qvk (Amateur Radio QVK) ") + kVersion + "\n"; }

}  // namespace qvk::app
