// The rotator client against a scripted stand-in for rotctld: what it sends
// for a heading, and how it tells an error reply, a dropped connection and
// silence.

#include "fake_rotctld.h"
#include "qstring_printer.h"
#include "rotator/rotator_client.h"

#include <QSignalSpy>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace qvk::rotator {
namespace {

// Long enough for the client's own two-second time-out to fire first.
constexpr int kPatience = 15000;

class RotatorClientTest : public ::testing::Test {
protected:
    RotatorClientTest() { client.setAddress("127.0.0.1", rotctld.port()); }

    // Waits for the next failure and gives its text.
    QString nextFailure()
    {
        if (failures.isEmpty() && !failures.wait(kPatience)) return "(no failure)";
        return failures.takeFirst().at(0).toString();
    }
    // Waits until the spy has seen `count` signals.
    bool waitFor(QSignalSpy& spy, int count = 1)
    {
        while (spy.size() < count)
            if (!spy.wait(kPatience)) return false;
        return true;
    }

    FakeRotctld rotctld;
    RotatorClient client;
    QSignalSpy turning{&client, &RotatorClient::turning};
    QSignalSpy positions{&client, &RotatorClient::positionRead};
    QSignalSpy failures{&client, &RotatorClient::failed};
    QSignalSpy stops{&client, &RotatorClient::stopped};
};

TEST_F(RotatorClientTest, ASouthStopRotatorIsSent224AsMinus136)
{
    rotctld.setRange(-180, 180);
    client.turnToHeading(224);
    ASSERT_TRUE(waitFor(turning));
    // south is both -180 and 180 there, so the client asks where the antenna stands
    EXPECT_EQ(rotctld.received, QStringList({"\\dump_caps", "p", "P -136.00 0.00"}));
    EXPECT_DOUBLE_EQ(turning.at(0).at(0).toDouble(), 224);
    EXPECT_DOUBLE_EQ(turning.at(0).at(1).toDouble(), -136);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(RotatorClientTest, AnOverlapRotatorIsAskedWhereItStandsAndKeepsTheOverlap)
{
    rotctld.setRange(0, 450);
    rotctld.setAzimuth(400);
    client.turnToHeading(30);
    ASSERT_TRUE(waitFor(turning));
    EXPECT_EQ(rotctld.received, QStringList({"\\dump_caps", "p", "P 390.00 0.00"}));

    rotctld.setAzimuth(100);
    client.turnToHeading(30);
    ASSERT_TRUE(waitFor(turning, 2));
    EXPECT_EQ(rotctld.received.last(), "P 30.00 0.00");
}

TEST_F(RotatorClientTest, TheRangeIsAskedOncePerConnection)
{
    rotctld.setRange(-170, 170);  // no overlap: no position read before a turn
    client.turnToHeading(10);
    client.turnToHeading(20);
    waitFor(turning, 2);
    EXPECT_EQ(rotctld.received, QStringList({"\\dump_caps", "P 10.00 0.00", "P 20.00 0.00"}));

    client.disconnectFromRotator();  // a new connection may lead to another rotator
    client.turnToHeading(30);
    waitFor(turning, 3);
    EXPECT_EQ(rotctld.received.mid(3), QStringList({"\\dump_caps", "P 30.00 0.00"}));
}

TEST_F(RotatorClientTest, CommandsGoOutInTheOrderTheyWereGiven)
{
    rotctld.setRange(0, 450);  // so that the turn asks for the position first
    client.turnToHeading(90);
    client.stop();
    ASSERT_TRUE(waitFor(stops));
    EXPECT_EQ(rotctld.received, QStringList({"\\dump_caps", "p", "P 90.00 0.00", "S"}));
}

TEST_F(RotatorClientTest, AnErrorReplyIsReportedInHamlibsWordsAndTheConnectionStays)
{
    rotctld.answer("P ", "RPRT -1\n");
    client.turnToHeading(44.2);
    EXPECT_EQ(nextFailure(), "Rotator refused: Invalid parameter (RPRT -1)");
    EXPECT_TRUE(turning.isEmpty());

    client.stop();
    ASSERT_TRUE(waitFor(stops));
    EXPECT_EQ(rotctld.connections, 1);
    EXPECT_TRUE(client.isConnected());
}

TEST_F(RotatorClientTest, AFailedPositionReadIsReported)
{
    rotctld.answer("p", "RPRT -5\n");
    client.requestPosition();
    EXPECT_EQ(nextFailure(), "Rotator refused: Communication timed out (RPRT -5)");
    EXPECT_TRUE(positions.isEmpty());
}

TEST_F(RotatorClientTest, ARotatorThatCannotTellItsPositionStillTurns)
{
    rotctld.setRange(0, 450);
    rotctld.answer("p", "RPRT -4\n");
    client.turnToHeading(30);
    ASSERT_TRUE(waitFor(turning));
    EXPECT_EQ(rotctld.received.last(), "P 30.00 0.00");
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(RotatorClientTest, WithoutCapsARotatorIsTakenForZeroTo360)
{
    rotctld.answer("\\dump_caps", "RPRT -4\n");
    rotctld.setAzimuth(10);
    client.turnToHeading(224);
    ASSERT_TRUE(waitFor(turning));
    EXPECT_EQ(rotctld.received.last(), "P 224.00 0.00");
}

TEST_F(RotatorClientTest, AHeadingBeyondTheRangeIsNotSent)
{
    rotctld.setRange(0, 180);
    client.turnToHeading(270);
    EXPECT_EQ(nextFailure(), QString::fromUtf8("Heading 270.0° is beyond the rotator's range of 0° to 180°"));
    EXPECT_EQ(rotctld.received, QStringList({"\\dump_caps"}));
}

TEST_F(RotatorClientTest, APositionReadsAsTheRotatorsAzimuth)
{
    rotctld.setAzimuth(-135.8);
    client.requestPosition();
    ASSERT_TRUE(waitFor(positions));
    EXPECT_DOUBLE_EQ(positions.at(0).at(0).toDouble(), -135.8);
    EXPECT_DOUBLE_EQ(headingOfAzimuth(positions.at(0).at(0).toDouble()), 224.2);
}

TEST_F(RotatorClientTest, PollsDoNotPileUpBehindASlowRotator)
{
    client.requestPosition();
    client.requestPosition();
    client.requestPosition();
    client.stop();  // goes out after any read queued before it
    ASSERT_TRUE(waitFor(stops));
    EXPECT_EQ(rotctld.received, QStringList({"p", "S"}));
    EXPECT_EQ(positions.size(), 1);
}

TEST_F(RotatorClientTest, AnUnreadableReplyIsReported)
{
    rotctld.answer("p", "north\nlevel\n");
    client.requestPosition();
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " sent an unreadable reply");
}

TEST_F(RotatorClientTest, AGarbageReplyIsToldAsGarbageNotAsSilence)
{
    // a caps listing never ends without its report line: only the time-out ends it
    rotctld.answer("\\dump_caps", "garbage\n");
    client.turnToHeading(44.2);
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " sent an unreadable reply");
}

TEST_F(RotatorClientTest, AFewLinesNobodyAskedForAreDropped)
{
    rotctld.answer("p", "12.50\n0.00\nstray\n");
    client.requestPosition();
    ASSERT_TRUE(waitFor(positions));
    client.requestPosition();
    ASSERT_TRUE(waitFor(positions, 2));
    EXPECT_DOUBLE_EQ(positions.at(1).at(0).toDouble(), 12.5);
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(client.isConnected());
}

// found by hostile runs: a rotctld answering "12.5" for ever slowed every
// repaint to a second and grew the program by 450 MB, without a word, since
// every poll was answered and the time-out never fired
TEST_F(RotatorClientTest, AServerThatFloodsIsDroppedWithAStatusText)
{
    rotctld.flood("p", QByteArray("12.5\n").repeated(1000));
    client.requestPosition();
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " sent too much; disconnected");
    EXPECT_FALSE(client.isConnected());
    EXPECT_LE(positions.size(), 1);  // not a repaint per line
    EXPECT_LT(rotctld.floodedBytes, 16 << 20);
}

// found by hostile runs: a line without an end peaked at 416 MB before the time-out
TEST_F(RotatorClientTest, ALineThatNeverEndsIsDroppedWithoutWaitingForTheTimeOut)
{
    rotctld.flood("p", QByteArray(4096, '7'));
    client.requestPosition();
    // the time-out would have said "did not answer"
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " sent too much; disconnected");
    EXPECT_TRUE(positions.isEmpty());
    EXPECT_LT(rotctld.floodedBytes, 16 << 20);
}

TEST_F(RotatorClientTest, ACapsListingLongerThanAnyRotctldsIsDropped)
{
    rotctld.flood("\\dump_caps", QByteArray("Key:\tvalue\n").repeated(100));
    client.turnToHeading(44.2);
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " sent too much; disconnected");
    EXPECT_TRUE(turning.isEmpty());
}

TEST_F(RotatorClientTest, ADroppedConnectionIsReportedAndTheNextCommandReconnects)
{
    QSignalSpy connection(&client, &RotatorClient::connectedChanged);
    rotctld.dropOnce("p");
    client.requestPosition();
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " closed the connection");
    EXPECT_FALSE(client.isConnected());
    ASSERT_GE(connection.size(), 2);
    EXPECT_FALSE(connection.last().at(0).toBool());

    client.requestPosition();
    ASSERT_TRUE(waitFor(positions));
    EXPECT_EQ(rotctld.connections, 2);
    EXPECT_TRUE(failures.isEmpty());  // the drop was told once
}

TEST_F(RotatorClientTest, SilenceEndsInATimeOutThatDropsWhatWasQueued)
{
    rotctld.ignore("p");
    client.requestPosition();
    client.stop();
    EXPECT_EQ(nextFailure(), "Rotator at " + rotctld.address() + " did not answer");
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ(rotctld.received, QStringList({"p"}));  // the stop behind it never went out
    EXPECT_TRUE(stops.isEmpty());

    client.stop();  // the next command connects anew
    ASSERT_TRUE(waitFor(stops));
    EXPECT_EQ(rotctld.connections, 2);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(RotatorClientTest, NoDaemonMeansNotReachable)
{
    QTcpServer placeholder;  // a port that was free a moment ago
    placeholder.listen(QHostAddress::LocalHost, 0);
    const int port = placeholder.serverPort();
    placeholder.close();
    client.setAddress("127.0.0.1", port);
    client.turnToHeading(44.2);
    EXPECT_EQ(nextFailure(), QString("Rotator not reachable at 127.0.0.1:%1").arg(port));
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_FALSE(client.isConnected());
}

TEST_F(RotatorClientTest, ANewAddressDropsTheOldConnectionQuietly)
{
    client.requestPosition();
    ASSERT_TRUE(waitFor(positions));
    FakeRotctld other;
    client.setAddress("127.0.0.1", other.port());
    EXPECT_FALSE(client.isConnected());
    client.requestPosition();
    ASSERT_TRUE(waitFor(positions, 2));
    EXPECT_EQ(other.received, QStringList({"p"}));
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace qvk::rotator
