#pragma once
// Where the program finds its data and keeps its settings: decided once, at
// start, and then every file of the program goes through the two folders.
//
// Data ("states.txt", "statedata/", the pictures, "cty.csv") is read beside
// the executable, or failing that from "../share/qvk" relative to it, where a
// package installs it. When neither holds "states.txt", the data folder is
// the executable's own, so that the missing file is reported there.
//
// A program folder that holds its own data and can be written is also the
// settings folder: a build folder, or a copy of it the operator owns, works
// as it always has, every file beside the executable. An installed program
// keeps its settings in $XDG_CONFIG_HOME/qvk (~/.config/qvk when that is not
// set, or not an absolute path, as the XDG base directory rules say); the
// folder is created at the first start and seeded with the shipped clocks
// file and its zones. When it cannot be made, the program runs on the shipped defaults,
// read from the data folder, and says that it cannot save them.

#include <filesystem>
#include <optional>
#include <string>

namespace qvk {

// What the choice depends on: read from the running system by
// folderFactsOfSystem, or written by a test.
struct FolderFacts {
    std::filesystem::path programFolder;  // the executable's folder
    bool programFolderWritable = false;
    std::optional<std::string> xdgConfigHome;  // $XDG_CONFIG_HOME
    std::optional<std::string> home;           // $HOME
};

struct ProgramFolders {
    std::filesystem::path data;
    std::filesystem::path settings;
    // Empty when the settings can be saved; otherwise the message that says
    // why they cannot.
    std::string problem;
};

FolderFacts folderFactsOfSystem(const std::filesystem::path& programFolder);

// The running executable's folder, as the system names it (/proc/self/exe);
// the working folder when the system does not say: for qvk-calc, which has no
// Qt application to ask.
std::filesystem::path executableFolder();

std::filesystem::path findDataFolder(const std::filesystem::path& programFolder);

// $XDG_CONFIG_HOME/qvk, else $HOME/.config/qvk; nullopt when neither gives
// an absolute path.
std::optional<std::filesystem::path> userSettingsFolder(const FolderFacts& facts);

// Chooses both folders and, for a user settings folder, creates it and seeds
// it with the shipped "tms.qvk" and "tmszones.qvk" when it has no "tms.qvk".
ProgramFolders chooseProgramFolders(const FolderFacts& facts);

// The settings folder by the same rule, named but neither created nor
// checked: for qvk-calc, which reads the operator's files and writes none.
// nullopt when the program would have no settings folder of its own.
std::optional<std::filesystem::path> settingsFolderToRead(const FolderFacts& facts);

}  // namespace qvk
