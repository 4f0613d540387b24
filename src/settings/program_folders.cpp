#include "settings/program_folders.h"

#include "settings/clock_zones_file.h"
#include "settings/clocks_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace qvk {
namespace {

namespace fs = std::filesystem;

// The one file every data folder holds: the program cannot start without it.
constexpr const char* kDataMarker = "states.txt";

bool holdsData(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / kDataMarker, error);
}

std::optional<std::string> environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

std::optional<fs::path> absoluteFolder(const std::optional<std::string>& value)
{
    if (!value || value->empty()) return std::nullopt;
    const fs::path folder(*value);
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

// A build folder, or a copy of it the operator owns, keeps its settings
// beside the program; the data installed elsewhere means the program was
// installed, and its folder is not its own.
bool keepsSettingsBesideProgram(const FolderFacts& facts, const fs::path& dataFolder)
{
    return dataFolder == facts.programFolder && facts.programFolderWritable;
}

std::string cannotSaveMessage(const std::string& reason)
{
    return reason + ". Amateur Radio QVK starts with its default settings and cannot save them.";
}

// The reason the folder cannot hold the settings, or "" when it can.
std::string prepareSettingsFolder(const fs::path& folder, const fs::path& dataFolder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return error.message();
    if (access(folder.c_str(), W_OK) != 0) return std::strerror(errno);
    // The shipped zones belong to the shipped places: an operator's own
    // places never get them.
    if (fs::exists(folder / kClocksFileName, error)) return "";
    for (const char* name : {kClocksFileName, kClockZonesFileName}) {
        const fs::path shipped = dataFolder / name;
        if (!fs::exists(shipped, error) || fs::exists(folder / name, error)) continue;
        fs::copy_file(shipped, folder / name, error);
        if (error) return "cannot copy \"" + shipped.string() + "\": " + error.message();
    }
    return "";
}

}  // namespace

FolderFacts folderFactsOfSystem(const fs::path& programFolder)
{
    FolderFacts facts;
    facts.programFolder = programFolder;
    facts.programFolderWritable = access(programFolder.c_str(), W_OK) == 0;
    facts.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    facts.home = environmentValue("HOME");
    return facts;
}

fs::path executableFolder()
{
    std::error_code error;
    const auto executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path(error) : executable.parent_path();
}

fs::path findDataFolder(const fs::path& programFolder)
{
    if (holdsData(programFolder)) return programFolder;
    const fs::path shared = (programFolder / ".." / "share" / "qvk").lexically_normal();
    if (holdsData(shared)) return shared;
    return programFolder;
}

std::optional<fs::path> userSettingsFolder(const FolderFacts& facts)
{
    if (const auto config = absoluteFolder(facts.xdgConfigHome)) return *config / "qvk";
    if (const auto home = absoluteFolder(facts.home)) return *home / ".config" / "qvk";
    return std::nullopt;
}

ProgramFolders chooseProgramFolders(const FolderFacts& facts)
{
    ProgramFolders folders;
    folders.data = findDataFolder(facts.programFolder);
    if (keepsSettingsBesideProgram(facts, folders.data)) {
        folders.settings = facts.programFolder;
        return folders;
    }
    const auto user = userSettingsFolder(facts);
    if (!user) {
        folders.settings = folders.data;
        folders.problem =
            cannotSaveMessage("No settings folder: neither XDG_CONFIG_HOME nor HOME names an absolute path");
        return folders;
    }
    const std::string reason = prepareSettingsFolder(*user, folders.data);
    if (!reason.empty()) {
        // the shipped defaults are read from where they were installed
        folders.settings = folders.data;
        folders.problem = cannotSaveMessage("Cannot use the settings folder \"" + user->string() + "\": " + reason);
        return folders;
    }
    folders.settings = *user;
    return folders;
}

std::optional<fs::path> settingsFolderToRead(const FolderFacts& facts)
{
    if (keepsSettingsBesideProgram(facts, findDataFolder(facts.programFolder))) return facts.programFolder;
    return userSettingsFolder(facts);
}

}  // namespace qvk
