#include "core/line_file.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <thread>

namespace qvk {
namespace {

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned permissionsOf(const std::filesystem::path& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

class SaveLines : public ::testing::Test {
protected:
    ScratchFolder folder{"qvk-save-test"};
    std::filesystem::path prefs = folder.path / "prefs.qvk";
};

TEST_F(SaveLines, WritesCrLfAndLeavesNothingElseBehind)
{
    ASSERT_TRUE(writeLinesAtomically(prefs, {"first", "", "N°29.18"_cp1252}));
    EXPECT_EQ(fileBytes(prefs), "first\r\n\r\nN°29.18\r\n"_cp1252);
    EXPECT_EQ(readLineFile(prefs).lines, (std::vector<std::string>{"first", "", "N°29.18"_cp1252}));
    EXPECT_EQ(namesIn(folder.path), std::vector<std::string>{"prefs.qvk"});
}

TEST_F(SaveLines, AWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporary)
{
    ASSERT_TRUE(writeLinesAtomically(prefs, {"old"}));
    // a file-size limit fails the write part of the way through, as a full disk does
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome outcome = writeLinesAtomically(prefs, {"a new line longer than ten bytes"});
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.reason, "File too large");
    EXPECT_EQ(fileBytes(prefs), "old\r\n");
    EXPECT_EQ(namesIn(folder.path), std::vector<std::string>{"prefs.qvk"});
}

TEST_F(SaveLines, TwoCopiesSavingAtOnceEachLeaveAWholeFileAndNeitherFails)
{
    // found by running two copies: both wrote "prefs.qvk.new" and one copy's
    // lines ended in the tail of the other's, or its rename found nothing
    const ScratchFolder memory("qvk-save-race", std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp");
    const auto path = memory.path / "prefs.qvk";
    const auto linesOf = [](char copy) {
        std::vector<std::string> lines;
        for (int i = 0; i < 5; ++i) lines.push_back(std::string(300 + 50 * i, copy));
        return lines;
    };
    std::string expected[2];
    for (int copy = 0; copy < 2; ++copy)
        for (const auto& line : linesOf(static_cast<char>('A' + copy))) expected[copy] += line + "\r\n";
    ASSERT_TRUE(writeLinesAtomically(path, linesOf('A')));

    constexpr int kRounds = 3000;
    std::atomic<int> failures = 0, corrupt = 0, running = 2;
    const auto saveOften = [&](char copy) {
        for (int round = 0; round < kRounds; ++round)
            if (!writeLinesAtomically(path, linesOf(copy))) ++failures;
        --running;
    };
    std::thread first(saveOften, 'A'), second(saveOften, 'B');
    // a third copy starting up meanwhile clears what killed saves left, and must not touch a running one
    std::thread startUp([&] {
        while (running > 0) removeAbandonedSaves({path});
    });
    int reads = 0;
    while (running > 0) {
        const std::string bytes = fileBytes(path);
        if (bytes != expected[0] && bytes != expected[1]) ++corrupt;
        ++reads;
    }
    first.join();
    second.join();
    startUp.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(corrupt, 0) << "in " << reads << " reads";
    EXPECT_EQ(namesIn(memory.path), std::vector<std::string>{"prefs.qvk"});
}

TEST_F(SaveLines, ASymlinkIsWrittenThroughToItsTarget)
{
    std::filesystem::create_directory(folder.path / "real");
    const auto target = folder.path / "real" / "prefs.qvk";
    ASSERT_TRUE(writeLinesAtomically(target, {"old"}));
    // a relative link to a relative link
    std::filesystem::create_symlink("real/prefs.qvk", folder.path / "middle.qvk");
    std::filesystem::create_symlink("middle.qvk", prefs);
    ASSERT_TRUE(writeLinesAtomically(prefs, {"new"}));
    EXPECT_TRUE(std::filesystem::is_symlink(prefs));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "middle.qvk"));
    EXPECT_EQ(fileBytes(target), "new\r\n");

    // a link to a file not there yet creates it
    std::filesystem::create_symlink("real/tms.qvk", folder.path / "tms.qvk");
    ASSERT_TRUE(writeLinesAtomically(folder.path / "tms.qvk", {"clocks"}));
    EXPECT_EQ(fileBytes(folder.path / "real" / "tms.qvk"), "clocks\r\n");

    std::filesystem::create_symlink("loop.qvk", folder.path / "loop.qvk");
    EXPECT_EQ(writeLinesAtomically(folder.path / "loop.qvk", {"x"}).reason, "Too many levels of symbolic links");
}

TEST_F(SaveLines, TheFileKeepsItsPermissions)
{
    ASSERT_TRUE(writeLinesAtomically(prefs, {"old"}));
    std::filesystem::permissions(prefs, std::filesystem::perms(0600));
    ASSERT_TRUE(writeLinesAtomically(prefs, {"new"}));
    EXPECT_EQ(permissionsOf(prefs), 0600u);
    std::filesystem::permissions(prefs, std::filesystem::perms(0664));
    ASSERT_TRUE(writeLinesAtomically(prefs, {"newer"}));
    EXPECT_EQ(permissionsOf(prefs), 0664u);
}

TEST_F(SaveLines, AReadOnlyFileIsNotReplaced)
{
    ASSERT_TRUE(writeLinesAtomically(prefs, {"kept"}));
    std::filesystem::permissions(prefs, std::filesystem::perms(0444));
    const SaveOutcome outcome = writeLinesAtomically(prefs, {"new"});
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.reason, "Permission denied");
    EXPECT_EQ(fileBytes(prefs), "kept\r\n");
    EXPECT_EQ(permissionsOf(prefs), 0444u);
    EXPECT_EQ(namesIn(folder.path), std::vector<std::string>{"prefs.qvk"});
}

TEST_F(SaveLines, TheStartUpRemovesWhatAKilledSaveLeftButNotARunningSave)
{
    const auto leave = [&](const std::string& name) { std::ofstream(folder.path / name) << "half"; };
    leave("prefs.qvk.new-a1B2c3");  // killed in the middle of a save
    leave("prefs.qvk.new");         // left by an earlier version
    leave("tms.qvk.new-Zz9Yy8");
    leave("prefs.qvk.new-toolong1");  // not a name a save gives
    leave("prefs.qvk.bak");
    leave("rotator.qvk");
    // a save running in another copy holds its lock
    leave("tms.qvk.new-runnin");
    const int running = ::open((folder.path / "tms.qvk.new-runnin").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);

    removeAbandonedSaves({prefs, folder.path / "tms.qvk"});
    EXPECT_EQ(namesIn(folder.path), (std::vector<std::string>{"prefs.qvk.bak", "prefs.qvk.new-toolong1", "rotator.qvk",
                                                              "tms.qvk.new-runnin"}));
    ::close(running);
}

}  // namespace
}  // namespace qvk
