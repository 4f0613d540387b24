// The compass's right-click menu as the operator uses it: turning a rotator
// (a scripted stand-in for rotctld) to the short or the long path, the needle
// that follows, and the status that tells a problem without a box.

#include "fake_rotctld.h"
#include "mainwindow/compass_menu_driving.h"
#include "mainwindow/main_window_fixture.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/rotator/rotator_control.h"
#include "ui/rotator/rotator_dialog.h"

#include "rotator/rotator_client.h"

#include "core/geodesic.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>

#include <cmath>

namespace qvk::ui {
namespace {

using qvk::rotator::FakeRotctld;

const QString kDegree = QString::fromUtf8("°");
// Long enough for the client's two-second time-out and a poll or two.
constexpr int kPatience = 10000;

class CompassMenuTest : public MainWindowTest {
protected:
    // As the program starts it: the rotator reads its file when it is made.
    void startWithRotator()
    {
        start();
        rotator = new RotatorControl(platform, window.get());
        window->setRotatorControl(rotator);
    }
    // A rotator file for this port on the usual host, then the start.
    void startWithRotatorAt(int port, bool poll = true)
    {
        platform.writeFile("rotator.qvk", QString("1\r\n127.0.0.1\r\n%1\r\n%2\r\n").arg(port).arg(poll).toLatin1());
        startWithRotator();
    }
    CompassFrame& compass() const { return find<CompassFrame>("CompassFrame"); }

    // Montgomery, Alabama to London: 44.2 degrees, long path 224.2.
    void showLondon() { window->BreakOutCity("00~", "   London", window->home(), SignedPosition{51.5, 7.0 / 60}); }

    std::vector<MenuItem> rightClickCompass(const QString& pick = QString())
    {
        return qvk::ui::rightClickCompass(compass(), pick);
    }
    // What the menu offers, each text with whether it can be chosen.
    std::vector<std::pair<QString, bool>> offered(const QString& pick = QString())
    {
        std::vector<std::pair<QString, bool>> items;
        for (const MenuItem& item : rightClickCompass(pick)) items.emplace_back(item.text, item.enabled);
        return items;
    }

    // A port that was free a moment ago.
    static quint16 freePort()
    {
        QTcpServer placeholder;
        placeholder.listen(QHostAddress::LocalHost, 0);
        return placeholder.serverPort();
    }

    // "Rotator settings...": a rotator in use at this port of the usual host, and OK.
    void giveRotatorAtPort(int portNumber)
    {
        rightClickCompass("RotatorSettings");
        ASSERT_TRUE(platform.modalWindows.contains("Rotator"));
        RotatorDialog& dialog = rotator->dialog();
        QTest::mouseClick(&child<QCheckBox>(dialog, "RotatorEnabled"), Qt::LeftButton);
        auto& port = child<QSpinBox>(dialog, "RotatorPort");
        port.selectAll();
        QTest::keyClicks(&port, QString::number(portNumber));
        QTest::mouseClick(&child<QPushButton>(dialog, "RotatorOk"), Qt::LeftButton);
    }

    bool waitUntil(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kPatience); }
    bool needleNear(double heading) const
    {
        const auto needle = compass().rotatorAzimuth();
        return needle && std::abs(*needle - heading) < 0.01;
    }
    bool noBoxWasShown() const
    {
        return platform.errors.isEmpty() && platform.warnings.isEmpty() && platform.messages.isEmpty();
    }

    RotatorControl* rotator = nullptr;
};

TEST_F(CompassMenuTest, ACompassWithoutARotatorOffersOnlyTheBeamMap)
{
    start();
    QSignalSpy requested(window.get(), &THamDF1::beamMapRequested);
    EXPECT_EQ(offered("OpenBeamMap"), (std::vector<std::pair<QString, bool>>{{"Beam map...", true}}));
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(CompassMenuTest, WithoutRotatorQvkOnlyTheSettingsCanBeChosenAndNothingIsWritten)
{
    startWithRotator();
    showLondon();
    EXPECT_EQ(offered(), (std::vector<std::pair<QString, bool>>{
                             {"Turn antenna to short path (44.2" + kDegree + ")", false},
                             {"Turn antenna to long path (224.2" + kDegree + ")", false},
                             {"Stop rotator", false},
                             {"Rotator settings...", true},
                             {"Beam map...", true},  // with or without a rotator
                         }));

    EXPECT_EQ(compass().rotatorAzimuth(), std::nullopt);
    EXPECT_EQ(compass().rotatorStatus(), "");
    window->close();
    EXPECT_FALSE(platform.fileExists("rotator.qvk"));
}

TEST_F(CompassMenuTest, WithoutAResultThePathsAreOfferedWithoutHeadingsAndDisabled)
{
    FakeRotctld rotctld;
    startWithRotatorAt(rotctld.port());
    EXPECT_EQ(offered(), (std::vector<std::pair<QString, bool>>{
                             {"Turn antenna to short path", false},
                             {"Turn antenna to long path", false},
                             {"Stop rotator", true},  // stopping needs no result
                             {"Rotator settings...", true},
                             {"Beam map...", true},
                         }));
}

TEST_F(CompassMenuTest, TheShortAndLongPathsTurnTheRotatorAndTheNeedleFollows)
{
    FakeRotctld rotctld;  // -180 to 180, and it turns at once
    startWithRotatorAt(rotctld.port());
    ASSERT_TRUE(waitUntil([&] { return needleNear(0); }));  // the needle shows from the start

    QSignalSpy statuses(rotator, &RotatorControl::statusChanged);
    showLondon();
    const double bearing = lastBearingResult().bearing;
    const auto items = rightClickCompass("TurnShortPath");
    ASSERT_EQ(items.size(), 5u);
    EXPECT_TRUE(items[0].enabled);
    const QString turn = QString("P %1 0.00").arg(bearing, 0, 'f', 2);
    ASSERT_TRUE(waitUntil([&] { return rotctld.received.contains(turn); }))
        << rotctld.received.join(" | ").toStdString();
    ASSERT_TRUE(waitUntil([&] { return needleNear(bearing); }));
    EXPECT_FALSE(statuses.isEmpty());
    EXPECT_EQ(statuses.at(0).at(0).toString(), "Antenna turning to 44.2" + kDegree);
    // arrived: the news is done with
    EXPECT_TRUE(waitUntil([&] { return compass().rotatorStatus().isEmpty(); }));

    // the long path, 224.2, goes to the rotator in its own range of -180 to 180
    const double longPath = longPathHeading(bearing);
    rightClickCompass("TurnLongPath");
    const QString longTurn = QString("P %1 0.00").arg(longPath - 360, 0, 'f', 2);
    ASSERT_TRUE(waitUntil([&] { return rotctld.received.contains(longTurn); }))
        << rotctld.received.join(" | ").toStdString();
    EXPECT_TRUE(waitUntil([&] { return needleNear(longPath); }));
    EXPECT_TRUE(noBoxWasShown());
}

TEST_F(CompassMenuTest, StopRotatorStopsItAndWithoutPollingThereIsNoNeedleAndNoReading)
{
    FakeRotctld rotctld;
    startWithRotatorAt(rotctld.port(), false);
    showLondon();
    rightClickCompass("TurnShortPath");
    ASSERT_TRUE(waitUntil([&] { return rotctld.received.filter("P ").size() == 1; }));
    rightClickCompass("StopRotator");  // goes out after anything the turn queued
    ASSERT_TRUE(waitUntil([&] { return rotctld.received.contains("S"); }));
    EXPECT_EQ(rotctld.received.count("p"), 1);  // only the turn's own question: where does the antenna stand?
    EXPECT_EQ(compass().rotatorAzimuth(), std::nullopt);
    EXPECT_TRUE(waitUntil([&] { return compass().rotatorStatus() == "Rotator stopped"; }));
}

TEST_F(CompassMenuTest, AnUnreachableRotatorIsAStatusTextNeverABox)
{
    const int port = freePort();
    startWithRotatorAt(port);
    const QString expected = QString("Rotator not reachable at 127.0.0.1:%1").arg(port);
    ASSERT_TRUE(waitUntil([&] { return compass().rotatorStatus() == expected; }));
    EXPECT_EQ(compass().toolTip(), expected);
    EXPECT_EQ(compass().rotatorAzimuth(), std::nullopt);

    showLondon();
    QSignalSpy statuses(rotator, &RotatorControl::statusChanged);
    rightClickCompass("TurnShortPath");  // the next command tries again, and tells again
    ASSERT_TRUE(!statuses.isEmpty() || statuses.wait(kPatience));
    EXPECT_EQ(statuses.at(0).at(0).toString(), expected);
    EXPECT_TRUE(noBoxWasShown());
}

TEST_F(CompassMenuTest, ARotctldStartedAfterTheProgramIsFoundWithinTenSecondsWithoutAWordBetween)
{
    const quint16 port = freePort();
    startWithRotatorAt(port);
    const QString away = QString("Rotator not reachable at 127.0.0.1:%1").arg(port);
    ASSERT_TRUE(waitUntil([&] { return compass().rotatorStatus() == away; }));

    auto* retry = &child<QTimer>(*rotator, "RotatorRetry");
    ASSERT_NE(retry, nullptr);
    EXPECT_TRUE(retry->isActive());
    EXPECT_EQ(retry->interval(), 10000);
    retry->setInterval(50);  // the test's ten seconds pass quicker

    QSignalSpy attempts(&rotator->client(), &qvk::rotator::RotatorClient::failed);
    QSignalSpy statuses(rotator, &RotatorControl::statusChanged);
    ASSERT_TRUE(waitUntil([&] { return attempts.count() >= 3; }));
    EXPECT_TRUE(statuses.isEmpty()) << "a retry that finds it still away tells nothing new";
    EXPECT_EQ(compass().rotatorStatus(), away);

    FakeRotctld rotctld(port);
    ASSERT_EQ(rotctld.port(), port);
    EXPECT_TRUE(waitUntil([&] { return needleNear(0); }));
    EXPECT_EQ(compass().rotatorStatus(), "");
    EXPECT_FALSE(retry->isActive());
    EXPECT_TRUE(noBoxWasShown());
}

TEST_F(CompassMenuTest, AnErrorReplyIsShownInHamlibsWords)
{
    FakeRotctld rotctld;
    rotctld.answer("P ", "RPRT -1\n");
    startWithRotatorAt(rotctld.port(), false);
    showLondon();
    rightClickCompass("TurnShortPath");
    EXPECT_TRUE(waitUntil([&] { return compass().rotatorStatus() == "Rotator refused: Invalid parameter (RPRT -1)"; }));
    EXPECT_TRUE(noBoxWasShown());
}

// found by hostile runs: a rotctld answering "12.5" for ever slowed every
// repaint to a second and grew the program by 450 MB, with no message
TEST_F(CompassMenuTest, ARotatorThatFloodsIsDroppedWithAStatusTextAndTheCompassStillDraws)
{
    FakeRotctld rotctld;
    rotctld.flood("p", QByteArray("12.5\n").repeated(1000));
    startWithRotatorAt(rotctld.port());
    const QString expected = "Rotator at " + rotctld.address() + " sent too much; disconnected";
    ASSERT_TRUE(waitUntil([&] { return compass().rotatorStatus() == expected; }));
    EXPECT_LT(rotctld.floodedBytes, 16 << 20);
    showLondon();
    EXPECT_FALSE(compass().grab().isNull());
    EXPECT_TRUE(noBoxWasShown());
}

TEST_F(CompassMenuTest, RotatorSettingsOkWritesRotatorQvkAndStartsTheRotator)
{
    FakeRotctld rotctld;
    startWithRotator();
    giveRotatorAtPort(rotctld.port());

    EXPECT_EQ(platform.readFile("rotator.qvk"),
              QString("1\r\n127.0.0.1\r\n%1\r\n1\r\n").arg(rotctld.port()).toLatin1());
    EXPECT_TRUE(rotator->isConfigured());
    EXPECT_TRUE(waitUntil([&] { return needleNear(0); }));  // reading the antenna at once
}

TEST_F(CompassMenuTest, CancelWritesNothingAndTheFirstOkSwitchesNoRotatorOn)
{
    startWithRotator();
    rightClickCompass("RotatorSettings");
    RotatorDialog& dialog = rotator->dialog();
    EXPECT_FALSE(child<QCheckBox>(dialog, "RotatorEnabled").isChecked());
    QTest::mouseClick(&child<QPushButton>(dialog, "RotatorCancel"), Qt::LeftButton);
    EXPECT_FALSE(platform.fileExists("rotator.qvk"));
    EXPECT_FALSE(rotator->isConfigured());

    rightClickCompass("RotatorSettings");
    QTest::mouseClick(&child<QPushButton>(dialog, "RotatorOk"), Qt::LeftButton);
    EXPECT_FALSE(rotator->isConfigured());
    EXPECT_TRUE(platform.readFile("rotator.qvk").startsWith("0\r\n")) << "set aside until the operator ticks it";
}

TEST_F(CompassMenuTest, TheDialogShowsTheFilesSettings)
{
    platform.writeFile("rotator.qvk", "0\r\nshack.local\r\n4535\r\n0\r\n");
    startWithRotator();
    EXPECT_FALSE(rotator->isConfigured());  // set aside
    rightClickCompass("RotatorSettings");
    EXPECT_EQ(rotator->dialog().settings(), (qvk::rotator::RotatorSettings{false, "shack.local", 4535, false}));
}

TEST_F(CompassMenuTest, AnUnreadableRotatorFileIsTheStatusTextAndIsLeftAlone)
{
    QDir(platform.settingsFolder()).mkdir("rotator.qvk");  // root reads any file, but never a folder
    startWithRotator();
    EXPECT_EQ(compass().rotatorStatus(), "Cannot read file " + platform.settingsFolder() +
                                             "rotator.qvk: Is a directory. The program runs with its defaults and "
                                             "leaves the file as it is.");
    EXPECT_FALSE(rotator->isConfigured());

    // settings given now serve this run, and the status says they are not saved
    FakeRotctld rotctld;
    giveRotatorAtPort(rotctld.port());
    const QString notSaved = "Settings changed in this run are not saved: " + platform.settingsFolder() +
                             "rotator.qvk could not be read (Is a directory).";
    EXPECT_EQ(compass().rotatorStatus(), notSaved);
    EXPECT_TRUE(rotator->isConfigured());
    EXPECT_TRUE(waitUntil([&] { return needleNear(0); }));
    EXPECT_EQ(compass().rotatorStatus(), notSaved) << "the rotator's coming does not hide the file's trouble";
    EXPECT_TRUE(QFileInfo(platform.settingsFolder() + "rotator.qvk").isDir());
    EXPECT_TRUE(noBoxWasShown());
}

TEST_F(CompassMenuTest, AFiftyMegabyteHostLineIsCutWithAStatusTextAndTheUsualHostServes)
{
    // found by hostile files: such a line froze the program for 7 s and took 2 GB
    FakeRotctld rotctld;
    {
        QFile file(platform.settingsFolder() + "rotator.qvk");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\r\n");
        for (int megabyte = 0; megabyte < 50; ++megabyte) file.write(QByteArray(1 << 20, 'h'));
        file.write(QString("\r\n%1\r\n1\r\n").arg(rotctld.port()).toLatin1());
    }
    startWithRotator();
    EXPECT_EQ(rotator->settings().host, "127.0.0.1");
    EXPECT_TRUE(waitUntil([&] { return needleNear(0); }));
    EXPECT_EQ(compass().rotatorStatus(),
              platform.settingsFolder() + "rotator.qvk, line 2: longer than 4096 characters; cut.");
    EXPECT_TRUE(noBoxWasShown());
}

}  // namespace
}  // namespace qvk::ui
