// Starting the program a second time on the same settings: the running
// copy's main window comes back to the front and the new copy ends, so that
// two copies never save over each other. The second copy is the real
// program, in a process of its own, copied into the folder of the first so
// that both take it as their settings folder.

#include "app/qvk/program_run.h"
#include "mainwindow/main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace qvk::ui {
namespace {

constexpr int kPatience = 15000;

class SecondStart : public MainWindowTest {
protected:
    void SetUp() override
    {
        platform.writeFile("states.txt", shippedFile("states.txt"));
        platform.writeFile("prefs.qvk", kMontgomeryPrefs);
        platform.writeFile("tms.qvk", shippedFile("tms.qvk"));
        ASSERT_TRUE(QFile::copy(QVK_PROGRAM_PATH, platform.dataFolder() + "qvk"));
    }

    // The copied program, started as the operator would start it again;
    // its exit status, or -1 when it did not end.
    int startAgain()
    {
        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(platform.dataFolder() + "qvk", {"-platform", "offscreen"});
        // the running copy answers from its event loop, so the wait keeps it turning
        if (!QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, kPatience)) {
            second.kill();
            second.waitForFinished();
            return -1;
        }
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    QStringList filesInFolder() const { return QDir(platform.dataFolder()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(SecondStart, BringsTheHiddenWindowOfTheRunningCopyBackAndEnds)
{
    ProgramRun first(platform);
    ASSERT_TRUE(first.claimSettingsFolder());
    first.start();
    THamDF1& main = first.windows().mainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.home().has_value(); }));
    main.hide();  // as its toolbar button hides it to the notification area
    const QStringList files = filesInFolder();

    EXPECT_EQ(startAgain(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.isVisible(); }, kPatience));
    // the second copy read and wrote nothing
    EXPECT_EQ(filesInFolder(), files);
    EXPECT_EQ(platform.errors, QStringList{});
}

TEST_F(SecondStart, TwoRealCopiesOnOneFolderLeaveOneRunning)
{
    QProcess running;
    running.start(platform.dataFolder() + "qvk", {"-platform", "offscreen"});
    ASSERT_TRUE(running.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.fileExists("qvk.lock"); }, kPatience));

    EXPECT_EQ(startAgain(), 0);
    EXPECT_EQ(running.state(), QProcess::Running);
    running.kill();
    running.waitForFinished();
}

TEST_F(SecondStart, WhatAKilledSaveLeftIsClearedAwayAtTheNextStart)
{
    // temporary files of saves whose copy of the program was killed: nothing holds their locks
    const QStringList leftovers{"prefs.qvk.new", "prefs.qvk.new-Ab3xYz", "tms.qvk.new-000000",
                                "tmszones.qvk.new-qwerty", "rotator.qvk.new-ZZZZZZ"};
    for (const QString& name : leftovers) platform.writeFile(name, "half a file");
    platform.writeFile("notes.qvk.new-keepme", "not the program's");

    ProgramRun run(platform);
    ASSERT_TRUE(run.claimSettingsFolder());
    run.start();
    for (const QString& name : leftovers) EXPECT_FALSE(platform.fileExists(name)) << name.toStdString();
    EXPECT_TRUE(platform.fileExists("notes.qvk.new-keepme"));
}

}  // namespace
}  // namespace qvk::ui
