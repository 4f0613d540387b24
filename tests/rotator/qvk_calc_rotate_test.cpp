// "qvk-calc rotate" as a script runs it: the real executable turns the dummy
// rotator of a real rotctld, and the position read back follows.

#include "rotator/azimuth_range.h"
#include "rotator/rotator_client.h"
#include "rotctld_daemon.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>

namespace qvk::rotator {
namespace {

struct CalcRun {
    int status = -1;
    QString out;
    QString err;
};

CalcRun qvkCalc(const QStringList& arguments)
{
    QProcess process;
    process.start(QVK_CALC_PATH, arguments);
    CalcRun run;
    if (!process.waitForFinished(30000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

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
    const CalcRun run = qvkCalc({"rotate", kMontgomery, kLondon, "--rotator", daemon.address()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "heading=44.2 azimuth=44.2\n");
    // the dummy sets off clockwise from north, towards 44.2
    const double heading = headingOnceMoving();
    EXPECT_GT(heading, 0);
    EXPECT_LE(heading, 44.3);
}

TEST_F(QvkCalcRotate, TheLongPathGoesTheShorterWayRoundTheRotatorsRange)
{
    const CalcRun run = qvkCalc({"rotate", kMontgomery, kLondon, "--long", "--rotator=" + daemon.address()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    // the dummy runs from -180 to 450: from north, 224.2 is nearer through -135.8
    EXPECT_EQ(run.out, "heading=224.2 azimuth=-135.8\n");
    // so it sets off anticlockwise
    const double heading = headingOnceMoving();
    EXPECT_GE(heading, 224.1);
    EXPECT_LT(heading, 360);
}

}  // namespace
}  // namespace qvk::rotator
