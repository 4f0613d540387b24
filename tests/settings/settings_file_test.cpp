#include "settings/settings_file.h"

#include "settings/clocks_file.h"
#include "settings/home_station.h"
#include "settings/preferences.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace qvk {
namespace {

const std::vector<std::string> kDefaults = preferencesLines(Preferences{});
const std::vector<std::string> kChanged = {"0010000000000000000", "W°86.43"_cp1252, "N°32.39"_cp1252, "-6", "1"};

class SettingsFileTest : public ::testing::Test {
protected:
    void write(const std::string& bytes) { std::ofstream(prefsPath, std::ios::binary) << bytes; }

    ScratchFolder folder{"qvk-settings-file-test"};
    std::filesystem::path prefsPath = folder.path / kPreferencesFileName;
};

TEST_F(SettingsFileTest, AMissingFileIsAFirstStartAndIsCreatedAtClose)
{
    SettingsFile prefs(prefsPath);
    const auto reading = prefs.read();
    EXPECT_EQ(reading.status, LineFileReading::Status::Missing);
    EXPECT_FALSE(reading.message);
    EXPECT_TRUE(prefs.toBeSaved());
    EXPECT_FALSE(prefs.save(kChanged));
    EXPECT_EQ(fileBytes(prefsPath), "0010000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n"_cp1252);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsReportedAndLeftAlone)
{
    // found by hostile files: an unreadable prefs.qvk was replaced by defaults at close
    std::filesystem::create_directory(prefsPath);
    SettingsFile prefs(prefsPath);
    const auto reading = prefs.read();
    EXPECT_EQ(reading.status, LineFileReading::Status::Unreadable);
    EXPECT_EQ(reading.message,
              "Cannot read file " + prefsPath.string() +
                  ": Is a directory. The program runs with its defaults and leaves the file as it is.");
    EXPECT_FALSE(prefs.toBeSaved());

    // closing with the defaults untouched says nothing more
    prefs.setUnchangedLines(kDefaults);
    EXPECT_FALSE(prefs.save(kDefaults));
    // changed settings are told once
    EXPECT_EQ(prefs.save(kChanged), "Settings changed in this run are not saved: " + prefsPath.string() +
                                        " could not be read (Is a directory).");
    EXPECT_FALSE(prefs.save(kChanged));
    EXPECT_TRUE(std::filesystem::is_directory(prefsPath));
}

TEST_F(SettingsFileTest, AFileWithoutReadPermissionIsReportedWithTheSystemsReason)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
    write("kept\r\n");
    std::filesystem::permissions(prefsPath, std::filesystem::perms(0200));
    SettingsFile prefs(prefsPath);
    EXPECT_EQ(prefs.read().message, "Cannot read file " + prefsPath.string() +
                                        ": Permission denied. The program runs with its defaults and leaves the file "
                                        "as it is.");
    prefs.save(kChanged);
    std::filesystem::permissions(prefsPath, std::filesystem::perms(0600));
    EXPECT_EQ(fileBytes(prefsPath), "kept\r\n");
}

TEST_F(SettingsFileTest, AReadOnlyFileIsReadButNotSaved)
{
    // found by hostile files: a 0444 prefs.qvk was replaced by a 0644 one
    write("0010000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n0\r\n"_cp1252);
    std::filesystem::permissions(prefsPath, std::filesystem::perms(0444));
    SettingsFile prefs(prefsPath);
    const auto reading = prefs.read();
    ASSERT_TRUE(reading.found());
    EXPECT_FALSE(reading.message);  // the operator's choice needs no word at start
    EXPECT_EQ(reading.lines[1], "W°94.47"_cp1252);
    EXPECT_FALSE(prefs.toBeSaved());

    prefs.setUnchangedLines(preferencesLines(parsePreferences(reading.lines).preferences));
    EXPECT_FALSE(prefs.save(preferencesLines(parsePreferences(reading.lines).preferences)));
    EXPECT_EQ(prefs.save(kChanged), "Settings changed in this run are not saved: " + prefsPath.string() +
                                        " cannot be written (Permission denied).");
    EXPECT_FALSE(prefs.save(kChanged));
    EXPECT_EQ(fileBytes(prefsPath), "0010000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n0\r\n"_cp1252);
    EXPECT_EQ(std::filesystem::status(prefsPath).permissions(), std::filesystem::perms(0444));
}

TEST_F(SettingsFileTest, ASymlinkedFileIsReadAndSavedThroughTheLink)
{
    std::filesystem::create_directory(folder.path / "dotfiles");
    const auto target = folder.path / "dotfiles" / "qvk-prefs";
    std::ofstream(target, std::ios::binary) << "0000000000000000000\r\nW°94.47\r\nN°29.18\r\n-6\r\n0\r\n"_cp1252;
    std::filesystem::create_symlink(target, prefsPath);
    SettingsFile prefs(prefsPath);
    ASSERT_TRUE(prefs.read().found());
    EXPECT_TRUE(prefs.toBeSaved());
    EXPECT_FALSE(prefs.save(kChanged));
    EXPECT_TRUE(std::filesystem::is_symlink(prefsPath));
    EXPECT_EQ(fileBytes(target), "0010000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n"_cp1252);
}

TEST_F(SettingsFileTest, AHomeStationTypedInAUtf8EditorIsKeptAndWrittenBackInTheFilesEncoding)
{
    // found by hand-editing: "Invalid degrees: NÂ°32.39 WÂ°86.43" and no home station
    write("\xEF\xBB\xBF"
          "0010000000000000000\r\nW\xC2\xB0"
          "86.43\r\nN\xC2\xB0"
          "32.39\r\n-6\r\n1\r\n");
    SettingsFile prefs(prefsPath);
    const auto reading = prefs.read();
    ASSERT_TRUE(reading.found());
    const Preferences read = parsePreferences(reading.lines).preferences;
    const HomeReading home = homePosition(read.latitudeText, read.longitudeText);
    ASSERT_EQ(home.outcome, HomeReading::Outcome::Found) << home.message;
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.latitude), 32.65);
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.longitude), 86.72);
    EXPECT_FALSE(prefs.save(preferencesLines(read)));
    EXPECT_EQ(fileBytes(prefsPath), "0010000000000000000\r\nW\xB0"
                                    "86.43\r\nN\xB0"
                                    "32.39\r\n-6\r\n1\r\n");
}

TEST_F(SettingsFileTest, APlaceTextLongerThanABoxHoldsIsCutWithAMessageNeverSilently)
{
    // found by hostile files: a place text beyond a box's 32,767 characters was cut on its way back to the file
    const auto clocksPath = folder.path / kClocksFileName;
    std::ofstream(clocksPath, std::ios::binary)
        << std::string(kBuiltInFlagLine) + "\r\nIndia   [5.5]\r\n" + std::string(40'000, 'x') + " [1]\r\n";
    SettingsFile clocks(clocksPath);
    const auto reading = clocks.read();
    EXPECT_EQ(reading.message, clocksPath.string() + ", line 3: longer than 4096 characters; cut.");
    const ClocksFile file = parseClocksFile(reading.lines);
    EXPECT_EQ(file.places[0], "India   [5.5]");
    // what reaches a box always fits it whole
    EXPECT_EQ(file.places[1].size(), kLongestLine);
    EXPECT_LE(file.places[1].size(), kTextBoxLimit);
    EXPECT_TRUE(clocks.toBeSaved());
}

TEST_F(SettingsFileTest, AFailedSaveNamesTheFileAndTheSystemsReason)
{
    SettingsFile prefs(folder.path / "gone" / kPreferencesFileName);
    prefs.read();
    EXPECT_EQ(prefs.save(kChanged), "Cannot create file " + (folder.path / "gone" / kPreferencesFileName).string() +
                                        ": No such file or directory.");
}

}  // namespace
}  // namespace qvk
