#pragma once
// The program's own command line, read before the application object exists:
// --help and --version answer on a machine without a display, and a word the
// program does not know stops it with status 64 (EX_USAGE), as qvk-calc does.
// Qt's own options (-platform, -style, -display, ...) are left for Qt.

#include <string>

namespace qvk::app {

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    std::string problem;  // what was wrong, for a usage error
};

inline constexpr int kUsageErrorStatus = 64;

CommandLine readCommandLine(int argc, const char* const* argv);

std::string helpText();
std::string versionText();

}  // namespace qvk::app
