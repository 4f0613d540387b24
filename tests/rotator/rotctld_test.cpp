// The client against the real rotctld and Hamlib's dummy rotator (-m 1,
// azimuth -180 to 450): the antenna turns to the short path and then to the
// long path, and the position read back arrives at each.

#include "rotator/rotator_client.h"
#include "rotctld_daemon.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

namespace qvk::rotator {
namespace {

constexpr int kPatience = 15000;
// A half circle takes three seconds on the dummy's faster clock, thirty without it.
constexpr int kTurnLimit = 120000;
constexpr double kTolerance = 0.5;

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

    // Reads the position until the dummy stands still at the azimuth it was
    // sent (it stops exactly there, and the next turn starts from there); the
    // heading it points at by then.
    double waitUntilStoppedAt(double azimuth)
    {
        return headingOfAzimuth(readAzimuthUntil(
            client, [azimuth](double read) { return std::abs(read - azimuth) < 0.01; }, kTurnLimit));
    }

    RotctldDaemon daemon;
    RotatorClient client;
};

TEST_F(RealRotctld, TurnsTheDummyToTheShortPathAndThenTheLongPath)
{
    // Montgomery, Alabama to London: 44.2 degrees, long path 224.2
    const double shortPath = turnTo(44.2);
    EXPECT_NEAR(shortPath, 44.2, 1e-9);
    EXPECT_NEAR(waitUntilStoppedAt(shortPath), 44.2, kTolerance);

    // from 44.2 both ways are half a circle: the azimuth stays within one turn
    const double longPath = turnTo(224.2);
    EXPECT_NEAR(longPath, 224.2, 1e-9);
    EXPECT_NEAR(waitUntilStoppedAt(longPath), 224.2, kTolerance);
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
