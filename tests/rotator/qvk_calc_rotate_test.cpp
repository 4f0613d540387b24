// "qvk-calc rotate" as a script runs it: the real executable turns the dummy
// rotator of a real rotctld, and the position read back follows; against a
// stand-in that floods, it ends with the reason and its memory stays small.

#include "app/qvk_calc_process.h"
#include "fake_rotctld.h"
#include "rotator/azimuth_range.h"
#include "rotator/rotator_client.h"
#include "rotctld_daemon.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cmath>

extern char** environ;

namespace qvk::rotator {
namespace {

const QString kMontgomery = QString::fromUtf8("N°32.39\\W°86.43");
const QString kLondon = QString::fromUtf8("N°51.30\\W°0.07");

class QvkCalcRotate : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (RotctldDaemon::executable().isEmpty()) GTEST_SKIP() << "rotctld is not installed (libhamlib-utils)";
        ASSERT_TRUE(daemon.start()) << daemon.problem.toStdString();
    }

    // The dummy's heading once it has moved off north, read through the client.
    double headingOnceMoving()
    {
        RotatorClient client;
        client.setAddress("127.0.0.1", daemon.port());
        const auto movedOffNorth = [](double azimuth) { return headingOfAzimuth(azimuth) != 0; };
        return headingOfAzimuth(readAzimuthUntil(client, movedOffNorth, 60000));
    }

    RotctldDaemon daemon;
};

TEST_F(QvkCalcRotate, TurnsTheRotatorToTheShortPathAndPrintsIt)
{
    const CalcRun run = runQvkCalc({"rotate", kMontgomery, kLondon, "--rotator", daemon.address()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "heading=44.2 azimuth=44.2\n");
    // the dummy sets off clockwise from north, towards 44.2
    const double heading = headingOnceMoving();
    EXPECT_GT(heading, 0);
    EXPECT_LE(heading, 44.3);
}

TEST_F(QvkCalcRotate, TheLongPathGoesTheShorterWayRoundTheRotatorsRange)
{
    const CalcRun run = runQvkCalc({"rotate", kMontgomery, kLondon, "--long", "--rotator=" + daemon.address()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    // the dummy runs from -180 to 450: from north, 224.2 is nearer through -135.8
    EXPECT_EQ(run.out, "heading=224.2 azimuth=-135.8\n");
    // so it sets off anticlockwise
    const double heading = headingOnceMoving();
    EXPECT_GE(heading, 224.1);
    EXPECT_LT(heading, 360);
}

struct FloodedRun {
    int status = -1;
    QString err;
    long peakMegabytes = 0;
};

// Runs qvk-calc while this process's event loop serves the stand-in, and
// measures the run's peak memory.
FloodedRun qvkCalcAgainst(const FakeRotctld& rotctld, const QStringList& arguments)
{
    const QString errFile = QDir::temp().filePath(QString("qvk-calc-flood-%1.err").arg(getpid()));
    std::vector<std::string> words{QVK_CALC_PATH};
    for (const QString& a : arguments) words.push_back(a.toStdString());
    words.push_back("--rotator");
    words.push_back(rotctld.address().toStdString());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, errFile.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    FloodedRun run;
    if (posix_spawn(&pid, QVK_CALC_PATH, &files, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (!QTest::qWaitFor([&] { return wait4(pid, &status, WNOHANG, &usage) == pid; }, 30000)) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
        }
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakMegabytes = usage.ru_maxrss / 1024;
    }
    posix_spawn_file_actions_destroy(&files);
    QFile err(errFile);
    err.open(QIODevice::ReadOnly);
    run.err = QString::fromUtf8(err.readAll());
    err.remove();
    return run;
}

// found by hostile runs: a line without an end peaked at 333 MB in qvk-calc rotate
TEST(QvkCalcRotateFlood, AFloodIsReportedAndMemoryStaysSmall)
{
    for (const QByteArray& flood : {QByteArray(64 * 1024, '7'), QByteArray("12.5\n").repeated(10000)}) {
        FakeRotctld rotctld;
        rotctld.flood("", flood);
        const FloodedRun run = qvkCalcAgainst(rotctld, {"rotate", kMontgomery, kLondon});
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.err, "Rotator at " + rotctld.address() + " sent too much; disconnected\n");
        EXPECT_LT(run.peakMegabytes, 40) << run.peakMegabytes;
    }
}

}  // namespace
}  // namespace qvk::rotator
