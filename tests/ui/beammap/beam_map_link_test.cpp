// The Beam Map beside the main window, as the operator works with both: it
// opens from Ctrl+B and the compass menu without stopping the main window,
// follows each target committed there, hands a clicked point back as a target,
// and re-centres on a home saved in the Home Parameters.

#include "app/qvk/program_windows.h"
#include "app/qvk_calc_process.h"
#include "beam_map_driving.h"
#include "mainwindow/compass_menu_driving.h"
#include "mainwindow/main_window_fixture.h"
#include "ui/beammap/beam_map_link.h"
#include "ui/common/screen_text.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/mainwindow/compass_markers.h"
#include "ui/rotator/rotator_control.h"

#include "catalogue/list_entry.h"
#include "core/number_text.h"
#include "core/position_text.h"
#include "core/windows1252.h"
#include "ui/beammap/beam_map_painter.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

namespace qvk::ui {
namespace {

const QString kDegree = QString::fromUtf8("°");
const QString kMontgomeryText = QString::fromUtf8("N°32.39\\W°86.43");

// A field of qvk-calc bearing's line: "bearing=44.2 long-path=224.2 km=7,026 mi=4,366 even=44".
QString field(const QString& line, const QString& name)
{
    return QRegularExpression("\\b" + name + "=([^ ]+)").match(line).captured(1);
}

bool samePlace(QPointF a, QPointF b) { return QLineF(a, b).length() < 1; }  // metres

class BeamMapLinkTest : public MainWindowTest {
protected:
    void startWithMap(const QByteArray& prefs = kMontgomeryPrefs)
    {
        platform.writeFile("countries-50m.json", shippedFile("countries-50m.json"));
        start(prefs);
        beamMap = std::make_unique<BeamMapWindow>(platform);
        link = std::make_unique<BeamMapLink>(platform, *window, *home, *beamMap);
    }
    // where the keys go as the operator picks targets: into the location list
    void pressCtrlB()
    {
        list().setFocus(Qt::OtherFocusReason);
        QTest::keyClick(&list(), Qt::Key_B, Qt::ControlModifier);
        // the map takes the activation: the main window gets it back only when clicked
        ASSERT_TRUE(QTest::qWaitForWindowActive(beamMap.get()));
        ASSERT_TRUE(beamMap->map());
    }
    void commitFromDxccList(const QString& prefix)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        click("SpeedButton51");
        type(prefix);
        QTest::keyClick(list().view(), Qt::Key_Return);
        // the off-screen platform hands the activation to the map once the
        // list has closed; a desktop gives it back to the main window at once
        window->activateWindow();
        letListClose();
    }
    const beammap::BeamMap& map() const { return *beamMap->map(); }
    // Where the map's beam ends, in metres from home.
    QPointF beamEnd() const { return beammap::beamLines(*map().target(), map().projection()).shortPath.p2(); }

    std::unique_ptr<BeamMapWindow> beamMap;
    std::unique_ptr<BeamMapLink> link;
};

TEST_F(BeamMapLinkTest, CtrlBOpensTheMapOnTheHomeStationAndItFollowsTheTargetsCommittedInTheMainWindow)
{
    startWithMap();  // the preferences choose miles
    platform.desktop = QSize(1600, 1000);
    window->move(20, 20);
    pressCtrlB();
    EXPECT_TRUE(platform.modalWindows.isEmpty());
    EXPECT_EQ(static_cast<double>(map().home().latitude), homeLatitude(*window));
    EXPECT_EQ(static_cast<double>(map().home().longitude), homeLongitude(*window));
    EXPECT_EQ(map().unit(), beammap::DistanceUnit::Miles);
    EXPECT_FALSE(map().target());
    // beside the main window, not over it
    EXPECT_FALSE(beamMap->frameGeometry().intersects(window->frameGeometry()));

    // the main window answers while the map is open, and each target it commits moves the beam end
    commitFromDxccList("JA");
    ASSERT_TRUE(text("HeadingPanel").contains("Japan")) << text("HeadingPanel").toStdString();
    ASSERT_TRUE(map().target());
    EXPECT_EQ(map().target()->name, "JA-JS  Japan (AS CQ25 ITU45)");
    const SignedPosition japan = positionOfEntry(fromScreen(list().currentText())).position;
    EXPECT_TRUE(samePlace(beamEnd(), map().projection().forward(beammap::mapPoint(japan))));
    EXPECT_EQ(QString::number(map().target()->heading, 'f', 1), text("HeadingLabel").mid(10));

    commitFromDxccList("VK");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  274.7");
    EXPECT_TRUE(beamMap->isVisible());
    EXPECT_EQ(map().target()->name, "VK  Australia (OC CQ30 ITU59)");
    EXPECT_EQ(QString::number(map().target()->heading, 'f', 1), "274.7");

    click("SpeedButton58");  // "Clear": no target on either
    EXPECT_FALSE(map().target());
}

TEST_F(BeamMapLinkTest, AClickOnTheMapIsATargetWithTheHeadingQvkCalcBearingGives)
{
    startWithMap();
    auto* rotator = new RotatorControl(platform, window.get());  // none configured: its menu still names headings
    window->setRotatorControl(rotator);
    pressCtrlB();
    QSignalSpy chosen(beamMap.get(), &BeamMapWindow::pointChosen);
    for (const QPoint at : {pixelOf(*beamMap, 35.68, 139.77), pixelOf(*beamMap, -33.9, 18.4), QPoint(120, 500)}) {
        chosen.clear();
        clickMap(beamMap->canvas(), at);
        ASSERT_TRUE(chosen.wait(5000));
        const double latitude = chosen[0][0].toDouble(), longitude = chosen[0][1].toDouble();
        const QString locator = chosen[0][2].toString();
        EXPECT_EQ(locator.toStdString(), subsquareLocator(latitude, longitude));
        const QString pair = QString::fromStdString(windows1252ToUtf8(pairText({latitude, longitude})));
        const QString bearing = runQvkCalc({"bearing", kMontgomeryText, pair}).out;
        ASSERT_FALSE(field(bearing, "bearing").isEmpty()) << bearing.toStdString();
        // the map's own beam and legend, and the main window, agree with qvk-calc
        ASSERT_TRUE(map().target());
        EXPECT_EQ(map().target()->name, locator);
        EXPECT_EQ(QString::fromStdString(formatFixed(map().target()->heading, 1)), field(bearing, "bearing"));
        EXPECT_EQ(QString::fromStdString(formatFixed(map().target()->longPath, 1)), field(bearing, "long-path"));

        EXPECT_EQ(text("HeadingLabel"), "Degrees:  " + field(bearing, "bearing")) << pair.toStdString();
        EXPECT_EQ(text("LongPathLabel"), "  (" + field(bearing, "long-path") + ")") << pair.toStdString();
        EXPECT_EQ(text("DistancePanel").remove(','), field(bearing, "mi")) << pair.toStdString();
        EXPECT_EQ(text("HeadingPanel"), "Degrees:  " + field(bearing, "bearing") + "      " + locator);
        const int even = field(bearing, "even").toInt();
        const MarkerPoint arrowHead = markersForEvenHeading(even).target;
        EXPECT_EQ(find<CompassFrame>("CompassFrame").targetMarker(), QPoint(arrowHead.x, arrowHead.y)) << even;
        const auto items = rightClickCompass(find<CompassFrame>("CompassFrame"));
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(items[0].text, "Turn antenna to short path (" + field(bearing, "bearing") + kDegree + ")");
    }
}

TEST_F(BeamMapLinkTest, SavingANewHomeReCentresTheMapInTheUnitChosen)
{
    startWithMap();
    pressCtrlB();
    beamMap->canvas().view().setRadiusKm(2000);
    click("SpeedButton52");  // "Preferences"
    ASSERT_TRUE(QTest::qWaitForWindowActive(home.get()));
    for (const auto& [box, text] : {std::pair{"Edit1", "S°33.52"}, std::pair{"Edit2", "E°151.13"}}) {
        auto& edit = child<QLineEdit>(*home, box);
        edit.selectAll();
        QTest::keyClicks(&edit, QString::fromUtf8(text));
    }
    QTest::mouseClick(&child<QRadioButton>(*home, "RadioButton2"), Qt::LeftButton);  // Kilometers
    QTest::mouseClick(&child<QToolButton>(*home, "SpeedButton54"), Qt::LeftButton);  // Save
    ASSERT_TRUE(platform.warnings.isEmpty()) << platform.warnings.join('\n').toStdString();

    EXPECT_EQ(static_cast<double>(map().home().latitude), homeLatitude(*window));
    EXPECT_LT(homeLatitude(*window), -33);  // Sydney
    EXPECT_TRUE(samePlace(map().projection().forward(beammap::mapPoint(map().home())), QPointF(0, 0)));
    EXPECT_TRUE(beamMap->canvas().view().showsWholeEarth());
    EXPECT_EQ(map().unit(), beammap::DistanceUnit::Kilometres);
}

TEST(BeamMapLinkNames, TheLegendNamesTheTargetWithoutItsPosition)
{
    const QString degree = QString::fromUtf8("°");
    EXPECT_EQ(legendName("   VK  Australia (OC CQ30 ITU59) S" + degree + "23.42\\E" + degree + "132.20"),
              "VK  Australia (OC CQ30 ITU59)");
    EXPECT_EQ(legendName("   Alabaster  N" + degree + "33.15\\W" + degree + "86.49"), "Alabaster");
    EXPECT_EQ(legendName("Central Alabama"), "Central Alabama");
    EXPECT_EQ(legendName("   EM72    N" + degree + "32.00\\W" + degree + "86.00"), "EM72");
    // a typed position alone names itself
    EXPECT_EQ(legendName("   N" + degree + "32.00\\W" + degree + "86.00"),
              "N" + degree + "32.00\\W" + degree + "86.00");
}

TEST(BeamMapLinkPlacement, BesideTheMainWindowWhereTheDesktopHasRoom)
{
    const QSize map(760, 800), desktop(1600, 1024);
    EXPECT_EQ(besideMainWindow(QRect(100, 50, 470, 360), map, desktop), QPoint(100 + 470 - 1 + 8, 50));
    // no room on the right: on the left
    EXPECT_EQ(besideMainWindow(QRect(1000, 50, 470, 360), map, desktop), QPoint(1000 - 8 - 760, 50));
    // room on neither side, and a main window low on the desktop: as high as the
    // map fits, at the edge of the wider side
    EXPECT_EQ(besideMainWindow(QRect(400, 600, 470, 360), map, QSize(1280, 900)), QPoint(1280 - 760, 100));
    EXPECT_EQ(besideMainWindow(QRect(500, 600, 470, 360), map, QSize(1280, 900)), QPoint(0, 100));
}

// The program as it starts: both ways to the map lead to the one map window.
using ProgramBeamMap = MainWindowTest;

TEST_F(ProgramBeamMap, OpensFromCtrlBAndFromTheCompassMenu)
{
    for (const char* name : {"states.txt", "countries-50m.json", "tms.qvk"})
        platform.writeFile(name, shippedFile(name));
    platform.writeFile("prefs.qvk", kMontgomeryPrefs);
    ProgramWindows windows(platform);
    windows.showMainWindow();
    THamDF1& main = windows.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    QTest::keyClick(&main, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows.beamMap()));
    windows.beamMap().close();
    ASSERT_FALSE(windows.beamMap().isVisible());

    const auto items = rightClickCompass(child<CompassFrame>(main, "CompassFrame"), "OpenBeamMap");
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back().text, "Beam map...");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows.beamMap()));

    // closing the main window ends the program's event loop, though the map is still open
    QTimer::singleShot(0, &main, &QWidget::close);
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(1); });  // the loop would have run on
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(platform.fileExists("beammap.qvk"));  // its size and zoom kept for the next start
}

}  // namespace
}  // namespace qvk::ui
