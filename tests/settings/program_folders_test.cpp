#include "settings/program_folders.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace qvk {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A machine in a temporary folder: a home, and the program either in a folder
// of its own with its data beside it, or installed as a package lays it out.
class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("qvk-folders-" + std::to_string(getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "home");
    }
    void TearDown() override { fs::remove_all(root_); }

    // The program with its data beside it, as a build lays it out.
    FolderFacts ownFolder(bool writable)
    {
        const fs::path program = root_ / "qvk";
        writeFile(program / "states.txt", "DX~\r\n");
        writeFile(program / "tms.qvk", kShippedClocks);
        return {program, writable, std::nullopt, (root_ / "home").string()};
    }

    // The program in usr/bin, its data in usr/share/qvk, as the package lays it out.
    FolderFacts installed()
    {
        writeFile(root_ / "usr/share/qvk/states.txt", "DX~\r\n");
        writeFile(root_ / "usr/share/qvk/tms.qvk", kShippedClocks);
        writeFile(root_ / "usr/share/qvk/tmszones.qvk", kShippedZones);
        fs::create_directories(root_ / "usr/bin");
        // root can write to usr/bin: the package's layout decides, not the permission
        return {root_ / "usr/bin", true, std::nullopt, (root_ / "home").string()};
    }

    const std::string kShippedClocks = "00000111\r\nIndia   [5.5]\r\n";
    const std::string kShippedZones = "Asia/Kolkata\r\n";
    fs::path root_;
};

TEST_F(ProgramFoldersTest, AWritableProgramFolderKeepsEverythingBesideTheProgramAsBefore)
{
    FolderFacts facts = ownFolder(true);
    facts.xdgConfigHome = (root_ / "config").string();
    const ProgramFolders folders = chooseProgramFolders(facts);
    EXPECT_EQ(folders.settings, facts.programFolder);
    EXPECT_EQ(folders.data, facts.programFolder);
    EXPECT_EQ(folders.problem, "");
    EXPECT_FALSE(fs::exists(root_ / "config")) << "nothing is created outside the program folder";
}

TEST_F(ProgramFoldersTest, AReadOnlyProgramFolderKeepsSettingsUnderXdgConfigHomeSeededWithTheShippedClocks)
{
    FolderFacts facts = ownFolder(false);
    facts.xdgConfigHome = (root_ / "config").string();
    const ProgramFolders folders = chooseProgramFolders(facts);
    EXPECT_EQ(folders.settings, root_ / "config/qvk");
    EXPECT_EQ(folders.data, facts.programFolder);
    EXPECT_EQ(folders.problem, "");
    EXPECT_EQ(slurp(root_ / "config/qvk/tms.qvk"), kShippedClocks);
    EXPECT_FALSE(fs::exists(root_ / "config/qvk/prefs.qvk")) << "a first start asks for the home station";
}

TEST_F(ProgramFoldersTest, WithoutXdgConfigHomeTheSettingsGoToDotConfigInTheHome)
{
    const ProgramFolders folders = chooseProgramFolders(installed());
    EXPECT_EQ(folders.settings, root_ / "home/.config/qvk");
    EXPECT_EQ(folders.data, root_ / "usr/share/qvk");
    EXPECT_EQ(folders.problem, "");
    EXPECT_EQ(slurp(root_ / "home/.config/qvk/tms.qvk"), kShippedClocks);
    EXPECT_EQ(slurp(root_ / "home/.config/qvk/tmszones.qvk"), kShippedZones);
}

TEST_F(ProgramFoldersTest, ARelativeXdgConfigHomeIsIgnored)
{
    FolderFacts facts = installed();
    facts.xdgConfigHome = "relative/config";
    EXPECT_EQ(chooseProgramFolders(facts).settings, root_ / "home/.config/qvk");
    facts.xdgConfigHome = "";
    EXPECT_EQ(chooseProgramFolders(facts).settings, root_ / "home/.config/qvk");
}

TEST_F(ProgramFoldersTest, TheOperatorsOwnClocksAreNeverOverwrittenByTheShippedOnes)
{
    writeFile(root_ / "home/.config/qvk/tms.qvk", "mine\r\n");
    chooseProgramFolders(installed());
    EXPECT_EQ(slurp(root_ / "home/.config/qvk/tms.qvk"), "mine\r\n");
    // the shipped zones would give the operator's places another place's daylight saving
    EXPECT_FALSE(fs::exists(root_ / "home/.config/qvk/tmszones.qvk"));
}

TEST_F(ProgramFoldersTest, AnUnusableConfigFolderStartsOnTheShippedDefaultsAndSaysItCannotSave)
{
    FolderFacts facts = installed();
    // a file where the folder should be: even root cannot create a folder there
    writeFile(root_ / "config", "not a folder");
    facts.xdgConfigHome = (root_ / "config").string();
    const ProgramFolders folders = chooseProgramFolders(facts);
    EXPECT_EQ(folders.settings, root_ / "usr/share/qvk") << "the shipped tms.qvk is read from there";
    EXPECT_NE(folders.problem.find("Cannot use the settings folder \"" + (root_ / "config/qvk").string() + "\": "),
              std::string::npos)
        << folders.problem;
    EXPECT_NE(folders.problem.find("cannot save them"), std::string::npos) << folders.problem;
}

TEST_F(ProgramFoldersTest, NoHomeAndNoXdgConfigHomeStartsOnTheShippedDefaultsAndSaysItCannotSave)
{
    FolderFacts facts = installed();
    facts.home = std::nullopt;
    const ProgramFolders folders = chooseProgramFolders(facts);
    EXPECT_EQ(folders.settings, root_ / "usr/share/qvk");
    EXPECT_NE(folders.problem.find("neither XDG_CONFIG_HOME nor HOME"), std::string::npos) << folders.problem;
}

TEST_F(ProgramFoldersTest, ACommandLineToolReadsFromTheSameSettingsFolderWithoutMakingIt)
{
    FolderFacts facts = installed();
    EXPECT_EQ(settingsFolderToRead(facts), root_ / "home/.config/qvk");
    facts.xdgConfigHome = (root_ / "config").string();
    EXPECT_EQ(settingsFolderToRead(facts), root_ / "config/qvk");
    EXPECT_FALSE(fs::exists(root_ / "config")) << "reading never creates the folder";
    facts.xdgConfigHome = std::nullopt;
    facts.home = std::nullopt;
    EXPECT_EQ(settingsFolderToRead(facts), std::nullopt);

    EXPECT_EQ(settingsFolderToRead(ownFolder(true)), root_ / "qvk");
    EXPECT_EQ(settingsFolderToRead(ownFolder(false)), root_ / "home/.config/qvk");
}

TEST_F(ProgramFoldersTest, DataIsLookedForBesideTheProgramFirstAndNamedThereWhenFoundNowhere)
{
    fs::create_directories(root_ / "usr/bin");
    fs::create_directories(root_ / "usr/share/qvk");  // installed without its states.txt
    EXPECT_EQ(findDataFolder(root_ / "usr/bin"), root_ / "usr/bin") << "so the missing file is named there";
    installed();
    EXPECT_EQ(findDataFolder(root_ / "usr/bin"), root_ / "usr/share/qvk");
    writeFile(root_ / "usr/bin/states.txt", "DX~\r\n");
    EXPECT_EQ(findDataFolder(root_ / "usr/bin"), root_ / "usr/bin");
}

}  // namespace
}  // namespace qvk
