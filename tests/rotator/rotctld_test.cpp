// The client against the real rotctld and Hamlib's dummy rotator (-m 1,
// azimuth -180 to 450): the antenna turns to the short path and then to the
// long path, and the position read back arrives at each.

#include "rotator/rotator_client.h"
#include "rotctld_daemon.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace qvk::rotator {
namespace {

constexpr int kPatience = 15000;
// The dummy turns six degrees a second; half a circle takes half a minute.
constexpr int kTurnLimit = 120000;
constexpr double kTolerance = 0.5;

double headingDifference(double a, double b)
{
    const double difference = std::fmod(std::abs(a - b), 360.0);
    return std::min(difference, 360.0 - difference);
}

class RealRotctld : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (RotctldDaemon::executable().isEmpty()) GTEST_SKIP() << "rotctld is not installed (libhamlib-utils)";
        ASSERT_TRUE(daemon.start()) << daemon.problem.toStdString();
        client.setAddress("127.0.0.1", daemon.port());
    }

    // The azimuth rotctld took for the heading.
    double turnTo(double heading)
    {
        QSignalSpy turning(&client, &RotatorClient::turning);
        QSignalSpy failures(&client, &RotatorClient::failed);
        client.turnToHeading(heading);
        if (!turning.wait(kPatience)) {
            ADD_FAILURE() << "no turn: " << (failures.isEmpty() ? "" : failures.at(0).at(0).toString().toStdString());
            return NAN;
        }
        return turning.at(0).at(1).toDouble();
    }

    // Reads the position until the antenna points at the heading; the last heading read.
    double waitUntilPointing(double heading)
    {
        QSignalSpy positions(&client, &RotatorClient::positionRead);
        double last = NAN;
        const QDeadlineTimer limit(kTurnLimit);
        while (!limit.hasExpired()) {
            client.requestPosition();
            if (!positions.wait(kPatience)) break;
            last = headingOfAzimuth(positions.takeLast().at(0).toDouble());
            if (headingDifference(last, heading) <= kTolerance) break;
            QTest::qWait(250);
        }
        return last;
    }

    RotctldDaemon daemon;
    RotatorClient client;
};

TEST_F(RealRotctld, TurnsTheDummyToTheShortPathAndThenTheLongPath)
{
    // Montgomery, Alabama to London: 44.2 degrees, long path 224.2
    EXPECT_NEAR(turnTo(44.2), 44.2, 1e-9);
    EXPECT_NEAR(waitUntilPointing(44.2), 44.2, kTolerance);

    // from 44.2 both ways are half a circle: the azimuth stays within one turn
    EXPECT_NEAR(turnTo(224.2), 224.2, 1e-9);
    EXPECT_NEAR(waitUntilPointing(224.2), 224.2, kTolerance);
}

TEST_F(RealRotctld, TheLongPathFromNorthTurnsTheShorterWayRoundTheDummysRange)
{
    EXPECT_NEAR(turnTo(224.2), -135.8, 1e-9);
    EXPECT_NEAR(waitUntilPointing(224.2), 224.2, kTolerance);
}

TEST_F(RealRotctld, StopIsTaken)
{
    QSignalSpy stops(&client, &RotatorClient::stopped);
    turnTo(180);
    client.stop();
    EXPECT_TRUE(stops.wait(kPatience));
}

}  // namespace
}  // namespace qvk::rotator
