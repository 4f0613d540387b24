// The operator's settings files as the whole program meets them: one it
// cannot read, one it may not write, one behind a link, one saved by a UTF-8
// editor, and texts as long as a line may be. Whatever the file, the program
// says what it found, runs, and never writes back less than it read.

#include "app/qvk/program_windows.h"
#include "mainwindow/main_window_fixture.h"
#include "settings/clocks_file.h"
#include "ui/common/screen_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <filesystem>

namespace qvk::ui {
namespace {

const QByteArray kMontgomeryWithLineFeeds = latin("0010000000000000000\nW°86.43\nN°32.39\n-6\n1\n");

class SettingsFiles : public MainWindowTest {
protected:
    QString settingsPath(const QString& name) const { return platform.settingsFolder() + name; }
    QString cannotRead(const QString& name, const QString& reason) const
    {
        return "Cannot read file " + settingsPath(name) + ": " + reason +
               ". The program runs with its defaults and leaves the file as it is.";
    }
    QString notSaved(const QString& name, const QString& why) const
    {
        return "Settings changed in this run are not saved: " + settingsPath(name) + " " + why + ".";
    }

    // "Display Long Path" ticked through Preferences and Save, as the operator changes a setting.
    void tickLongPath()
    {
        click("SpeedButton52");
        QTest::mouseClick(&child<QCheckBox>(*home, "CheckBox1"), Qt::LeftButton);
        QTest::mouseClick(&child<QToolButton>(*home, "SpeedButton54"), Qt::LeftButton);
    }
};

TEST_F(SettingsFiles, AnUnreadablePreferencesFileIsNamedWithTheReasonAndLeftAlone)
{
    // found by hostile files: it opened Home Parameters without a word and was replaced by defaults at close
    QDir(platform.settingsFolder()).mkdir("prefs.qvk");  // root reads any file, but never a folder
    start(QByteArray());
    EXPECT_EQ(platform.errors, QStringList{cannotRead("prefs.qvk", "Is a directory")});
    EXPECT_FALSE(window->home());
    EXPECT_EQ(platform.modalWindows, QStringList{}) << "the file holds the home station: nothing asks for another";

    window->close();
    EXPECT_EQ(platform.errors.size(), 1) << "nothing changed, nothing more to say";
    EXPECT_TRUE(QFileInfo(settingsPath("prefs.qvk")).isDir());
}

TEST_F(SettingsFiles, ChangesMadeOverAnUnreadablePreferencesFileAreToldOnceNotSaved)
{
    QDir(platform.settingsFolder()).mkdir("prefs.qvk");
    start(QByteArray());
    tickLongPath();
    EXPECT_TRUE(find<QLabel>("LongPathLabel").isVisible()) << "in force for this run";
    window->close();
    ASSERT_EQ(platform.errors.size(), 2);
    EXPECT_EQ(platform.errors[1], notSaved("prefs.qvk", "could not be read (Is a directory)"));
    EXPECT_TRUE(QFileInfo(settingsPath("prefs.qvk")).isDir());
}

TEST_F(SettingsFiles, APreferencesFileWithoutReadPermissionIsNamedWithTheReason)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file; ctest runs this as nobody";
    platform.writeFile("prefs.qvk", kMontgomeryPrefs);
    QFile(settingsPath("prefs.qvk")).setPermissions(QFileDevice::WriteOwner);
    start(QByteArray());
    EXPECT_EQ(platform.errors, QStringList{cannotRead("prefs.qvk", "Permission denied")});
    tickLongPath();
    window->close();
    QFile(settingsPath("prefs.qvk")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(platform.readFile("prefs.qvk"), kMontgomeryPrefs);
}

TEST_F(SettingsFiles, AReadOnlyPreferencesFileServesTheRunAndIsNeverReplaced)
{
    // found by hostile files: a 0444 prefs.qvk was replaced by a 0644 one
    platform.writeFile("prefs.qvk", kMontgomeryPrefs);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile(settingsPath("prefs.qvk")).setPermissions(readOnly);
    start(QByteArray());
    EXPECT_EQ(platform.errors, QStringList{}) << "the operator's own choice needs no word at start";
    EXPECT_DOUBLE_EQ(homeLatitude(*window), 32.65);

    tickLongPath();
    window->close();
    EXPECT_EQ(platform.errors, QStringList{notSaved("prefs.qvk", "cannot be written (Permission denied)")});
    EXPECT_EQ(platform.readFile("prefs.qvk"), kMontgomeryPrefs);
    EXPECT_EQ(std::filesystem::status(toFileSystemPath(settingsPath("prefs.qvk"))).permissions(),
              std::filesystem::perms(0444));
}

TEST_F(SettingsFiles, PreferencesSavedByAUtf8EditorKeepTheHomeStationAndAreWrittenBackInWindows1252)
{
    // found by hand-editing: "Invalid degrees: NÂ°32.39 WÂ°86.43" and no home station
    start(QByteArray("\xEF\xBB\xBF"
                     "0010000000000000000\r\nW\xC2\xB0"
                     "86.43\r\nN\xC2\xB0"
                     "32.39\r\n-6\r\n1\r\n"));
    EXPECT_EQ(platform.warnings, QStringList{});
    EXPECT_DOUBLE_EQ(homeLatitude(*window), 32.65);
    EXPECT_DOUBLE_EQ(homeLongitude(*window), 86.72);
    EXPECT_EQ(find<QLineEdit>("HomeLatitude").text(), QString::fromUtf8("N°32.39"));
    window->close();
    EXPECT_EQ(platform.readFile("prefs.qvk"), kMontgomeryPrefs);
}

TEST_F(SettingsFiles, AHomeTextAsLongAsALineMayBeIsWrittenBackWhole)
{
    // no box may cut what came from the file: a line is at most 4096 characters, a box holds 32,767
    const QByteArray longitude = latin("W°86.43") + QByteArray(4096 - 7, ' ');
    start(latin("0010000000000000000\r\n") + longitude + latin("\r\nN°32.39\r\n-6\r\n1\r\n"));
    window->close();
    EXPECT_EQ(platform.readFile("prefs.qvk").split('\r').value(1), "\n" + longitude);
}

class WholeProgram : public SettingsFiles {
protected:
    void startProgram()
    {
        platform.writeFile("states.txt", shippedFile("states.txt"));
        program = std::make_unique<ProgramWindows>(platform);
        program->showMainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program->mainWindow()));
        QCoreApplication::processEvents();
    }
    void clickMain(const char* buttonName)
    {
        QTest::mouseClick(&child<QToolButton>(program->mainWindow(), buttonName), Qt::LeftButton);
    }
    void close() { clickMain("SpeedButton53"); }
    QDialog& clocks() const { return child<QDialog>(program->mainWindow(), "Clocks"); }

    std::unique_ptr<ProgramWindows> program;
};

TEST_F(WholeProgram, LinkedSettingsFilesAreWrittenThroughTheirLinks)
{
    // found by hostile files: a symlinked prefs.qvk or tms.qvk became a regular file, its target left old
    QDir(platform.settingsFolder()).mkdir("dotfiles");
    platform.writeFile("dotfiles/prefs", kMontgomeryWithLineFeeds);
    platform.writeFile("dotfiles/tms", shippedFile("tms.qvk").replace("\r\n", "\n"));
    ASSERT_TRUE(QFile::link("dotfiles/prefs", settingsPath("prefs.qvk")));
    ASSERT_TRUE(QFile::link("dotfiles/tms", settingsPath("tms.qvk")));
    startProgram();
    EXPECT_DOUBLE_EQ(homeLatitude(program->mainWindow()), 32.65);
    close();

    EXPECT_EQ(platform.errors, QStringList{});
    for (const char* name : {"prefs.qvk", "tms.qvk"}) EXPECT_TRUE(QFileInfo(settingsPath(name)).isSymLink()) << name;
    // written by the program, with its own line ends
    EXPECT_EQ(platform.readFile("dotfiles/prefs"), kMontgomeryPrefs);
    EXPECT_EQ(platform.readFile("dotfiles/tms"), shippedFile("tms.qvk"));
}

TEST_F(WholeProgram, AnUnreadableClocksFileIsNamedAndNeitherItNorItsZonesAreRewritten)
{
    // found by hostile files: an unreadable tms.qvk was reported, then replaced by 24 empty clocks
    platform.writeFile("prefs.qvk", kMontgomeryPrefs);
    QDir(platform.settingsFolder()).mkdir("tms.qvk");
    platform.writeFile("tmszones.qvk", "Asia/Kolkata\r\n");
    startProgram();
    EXPECT_EQ(platform.errors, QStringList{cannotRead("tms.qvk", "Is a directory")});

    // a place typed and stored by Reset, then "Close": told once
    clickMain("SpeedButton57");
    clocks().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&clocks()));
    auto& place = child<QLineEdit>(clocks(), "Edit1");
    QTest::keyClicks(&place, "India   [5.5]");
    QTest::mouseClick(&child<QToolButton>(clocks(), "SpeedButton2"), Qt::LeftButton);
    QTest::mouseClick(&child<QToolButton>(clocks(), "SpeedButton1"), Qt::LeftButton);
    close();

    ASSERT_EQ(platform.errors.size(), 2);
    EXPECT_EQ(platform.errors[1], notSaved("tms.qvk", "could not be read (Is a directory)"));
    EXPECT_TRUE(QFileInfo(settingsPath("tms.qvk")).isDir());
    EXPECT_EQ(platform.readFile("tmszones.qvk"), "Asia/Kolkata\r\n");
}

TEST_F(WholeProgram, APlaceTextAsLongAsALineMayBeRoundTripsWholeThroughTheClocks)
{
    const QByteArray place = "Far away " + QByteArray(4096 - 13, '.') + " [5]";
    ASSERT_EQ(place.size(), 4096);
    platform.writeFile("prefs.qvk", kMontgomeryPrefs);
    platform.writeFile("tms.qvk", QByteArray(kBuiltInFlagLine) + "\r\n" + place + "\r\n");
    startProgram();
    EXPECT_EQ(child<QLineEdit>(clocks(), "Edit1").text().size(), 4096);
    close();
    EXPECT_EQ(platform.errors, QStringList{});
    EXPECT_EQ(platform.readFile("tms.qvk").split('\n').value(1), place + "\r");
}

}  // namespace
}  // namespace qvk::ui
