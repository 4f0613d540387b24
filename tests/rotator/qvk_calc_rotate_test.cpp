// "qvk-calc rotate" as a script runs it: the real executable turns the dummy
// rotator of a real rotctld, and the position read back follows.

#include "app/qvk_calc_process.h"
#include "rotator/azimuth_range.h"
#include "rotator/rotator_client.h"
#include "rotctld_daemon.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

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
        QSignalSpy positions(&client, &RotatorClient::positionRead);
        double heading = 0;
        const QDeadlineTimer limit(60000);
        while (!limit.hasExpired() && heading == 0) {
            client.requestPosition();
            if (!positions.wait(15000)) break;
            heading = headingOfAzimuth(positions.takeLast().at(0).toDouble());
            if (heading == 0) QTest::qWait(250);
        }
        return heading;
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

}  // namespace
}  // namespace qvk::rotator
