// The grid window driven as the operator drives it: opened from the main
// window's "GRID/N°S°" button, a locator or a position typed, "Calc" clicked,
// and the result read off the main window's status bar.

#include "mainwindow/main_window_fixture.h"
#include "ui/grid/grid.h"

#include <QApplication>
#include <QFrame>
#include <QRadioButton>

namespace qvk::ui {
namespace {

const QString kDegree = QString::fromUtf8("\u00B0");
// The program's texts with "°" written as it reads in the source.
QString screen(const char* text) { return QString::fromUtf8(text); }

const QPoint kPointerAway(5, 5);
const QPoint kNearDesktopCentre(1024 / 2 + 10, 768 / 2 + 30);

class GridTest : public MainWindowTest {
protected:
    // The main window starts at the first opening, with the preferences the
    // test has chosen by then.
    void openGrid()
    {
        if (!window) startMainWindowWithGrid();
        click("SpeedButton61");  // "GRID/N°S°"
        ASSERT_TRUE(grid->isVisible());
    }

    void startMainWindowWithGrid()
    {
        platform.cursor = kPointerAway;
        start(prefs);
        grid = std::make_unique<TGrid>(platform, *window, window.get());
        // the fixture hands over the Home window; the grid window joins it
        SecondaryWindows windows;
        windows.home = home.get();
        windows.grid = grid.get();
        window->setSecondaryWindows(windows);
    }

    template <typename T = QWidget> T& control(const char* name) const { return child<T>(*grid, name); }
    QLineEdit* box(const char* name) const { return &control<QLineEdit>(name); }
    void calc() { QTest::mouseClick(&control<QToolButton>("SpeedButton54"), Qt::LeftButton); }
    void chooseCoordinates() { QTest::mouseClick(&control<QRadioButton>("RadioButton2"), Qt::LeftButton); }

    void calcLocator(const char* locator)
    {
        box("Edit1")->clear();
        QTest::keyClicks(box("Edit1"), locator);
        calc();
    }
    void calcCoordinates(const QString& latitude, const QString& longitude)
    {
        chooseCoordinates();
        box("Edit2")->setText(latitude);
        box("Edit3")->setText(longitude);
        calc();
    }

    QByteArray prefs = kMontgomeryPrefs;  // miles
    std::unique_ptr<TGrid> grid;
};

TEST_F(GridTest, OpeningClearsTheMainWindowForAGridTarget)
{
    startMainWindowWithGrid();
    window->BreakOutCity("00~", "   London", window->home(), SignedPosition{51.5, 0.12});
    window->showDistanceOfLastResult();
    openGrid();
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:");
    EXPECT_EQ(text("DistancePanel"), "");
    EXPECT_EQ(list().currentText(), screen("Grid/N°S° Calculation"));
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(grid->windowTitle(), "Grid / Coordinate Calc");
    EXPECT_TRUE(control<QRadioButton>("RadioButton1").isChecked());
    EXPECT_FALSE(control<QFrame>("Panel4").isVisible());
    EXPECT_EQ(box("Edit2")->text(), "N" + kDegree);
    EXPECT_EQ(box("Edit3")->text(), "W" + kDegree);
}

// A target given as a locator, or (without one) as a latitude and a longitude.
struct GridResult {
    const char* locator;
    const char* latitude;
    const char* longitude;
    const char* heading;
    const char* description;
    const char* miles;
};

void PrintTo(const GridResult& row, std::ostream* out) { *out << row.description; }

class GridResultTest : public GridTest, public ::testing::WithParamInterface<GridResult> {};

TEST_P(GridResultTest, ShowsTheHeadingWithTheCornerAndTheDistanceAndCloses)
{
    openGrid();
    if (GetParam().locator)
        calcLocator(GetParam().locator);
    else
        calcCoordinates(screen(GetParam().latitude), screen(GetParam().longitude));
    EXPECT_TRUE(platform.warnings.isEmpty());
    const QString heading = "Degrees:  " + QString(GetParam().heading);
    EXPECT_EQ(text("HeadingPanel"), heading + "      " + screen(GetParam().description));
    EXPECT_EQ(text("HeadingLabel"), heading);
    EXPECT_EQ(text("DistancePanel"), GetParam().miles);
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(grid->result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridResultTest,
                         ::testing::Values(
                             // 2.5 minutes of latitude round to 2
                             GridResult{"EL29AB", nullptr, nullptr, "248.1", "EL29AB    N°29.02\\W°96.00", "605"},
                             // west of Greenwich though its whole degrees are zero
                             GridResult{"IO91WM", nullptr, nullptr, "44.3", "IO91WM    N°51.30\\W°0.10", "4,364"},
                             // squares on the equator or the meridian once showed no heading, as if 0 were none
                             GridResult{"JJ00", nullptr, nullptr, "91.6", "JJ00    N°0.00\\E°0.00", "6,031"},
                             GridResult{"JO01", nullptr, nullptr, "44.7", "JO01    N°51.00\\E°0.00", "4,382"},
                             // taken as north or west, it would lie in the North Pacific, far nearer
                             GridResult{nullptr, "S°33.52", "E°151.12", "251.9", "QF56    S°33.52\\E°151.12", "9,135"},
                             // lower-case prefixes pass the checks and stay as typed in the description
                             GridResult{nullptr, "n°29.18", "w°94.47", "246.4", "EL29    n°29.18\\w°94.47", "531"}));

TEST_F(GridTest, TheDistanceFollowsTheKilometresPreference)
{
    prefs = latin("0000000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n");
    openGrid();
    calcLocator("EL29AB");
    EXPECT_EQ(text("DistancePanel"), "974");
}

TEST_F(GridTest, EnterWarnsOnceOfAnInvalidLocatorAndUpperCasesAndCalculatesAValidOne)
{
    openGrid();
    QTest::keyClicks(box("Edit1"), "EL2");
    QTest::keyClick(box("Edit1"), Qt::Key_Enter);
    EXPECT_EQ(platform.warnings.size(), 1);
    ASSERT_TRUE(grid->isVisible());

    box("Edit1")->clear();
    QTest::keyClicks(box("Edit1"), "el29");
    QTest::keyClick(box("Edit1"), Qt::Key_Return);
    EXPECT_EQ(box("Edit1")->text(), "EL29");
    EXPECT_EQ(text("HeadingPanel"), screen("Degrees:  247.9      EL29    N°29.00\\W°96.00"));
    EXPECT_EQ(text("DistancePanel"), "606");
    EXPECT_FALSE(grid->isVisible());
}

struct LocatorWarningCase {
    const char* locator;
    const char* warning;
};

class GridLocatorWarningTest : public GridTest, public ::testing::WithParamInterface<LocatorWarningCase> {};

TEST_P(GridLocatorWarningTest, OnlyTheFirstFailingCheckIsReported)
{
    openGrid();
    calcLocator(GetParam().locator);
    EXPECT_EQ(platform.warnings, QStringList{GetParam().warning});
    EXPECT_EQ(platform.cursor, kPointerAway);  // where the pointer is
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(box("Edit1")->text(), GetParam().locator);
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridLocatorWarningTest,
    ::testing::Values(LocatorWarningCase{"EL2", "Grid description must be 4 or 6 characters in length."},
                      LocatorWarningCase{"EZ29", "Invalid Grid description - Z"},
                      LocatorWarningCase{"EL29AZ", "Invalid Grid description - Z"},
                      LocatorWarningCase{"SL29", "Invalid Grid description - S"},  // fields end at R
                      LocatorWarningCase{"EZ2A", "Invalid Grid description - Z"},  // in order, first misfit
                      LocatorWarningCase{"ZZ2", "Grid description must be 4 or 6 characters in length."},
                      LocatorWarningCase{"EL29A", "Grid description must be 4 or 6 characters in length."}));

struct CoordinatesWarningCase {
    const char* latitude;
    const char* longitude;
    const char* warning;
    bool focusToLocator;
};

void PrintTo(const CoordinatesWarningCase& row, std::ostream* out) { *out << row.warning; }

class GridCoordinatesWarningTest : public GridTest, public ::testing::WithParamInterface<CoordinatesWarningCase> {};

TEST_P(GridCoordinatesWarningTest, WarnsUnderTheHandAndEmptiesTheLocator)
{
    openGrid();
    QTest::keyClicks(box("Edit1"), "EL29");
    calcCoordinates(screen(GetParam().latitude), screen(GetParam().longitude));
    EXPECT_EQ(platform.warnings, QStringList{screen(GetParam().warning)});
    EXPECT_EQ(platform.cursor, kNearDesktopCentre);
    EXPECT_EQ(box("Edit1")->text(), "");
    if (GetParam().focusToLocator) {
        EXPECT_EQ(grid->focusWidget(), box("Edit1"));
    }
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(box("Edit2")->text(), screen(GetParam().latitude));
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridCoordinatesWarningTest,
    // neither prefix: the latitude is checked first
    ::testing::Values(CoordinatesWarningCase{"29.18", "94.47", "No N° or S° degrees in selected record.", true},
                      CoordinatesWarningCase{"S°33.52", "151.12", "No W° or E° degrees in selected record.", true},
                      // a latitude without its point names both fields
                      CoordinatesWarningCase{"N°29", "W°94.47", "Invalid degrees: N°29  W°94.47", false}));

TEST_F(GridTest, DoubleClicksFlipTheHemispheresWithTheCaretAtTheEnd)
{
    openGrid();
    chooseCoordinates();
    const std::tuple<const char*, const char*, std::vector<const char*>> rows[] = {
        {"Edit2", "29.18", {"N°29.18", "S°29.18", "N°29.18"}},
        {"Edit3", "W°94.47", {"E°94.47", "W°94.47"}},
        {"Edit2", "N°", {"S°"}},  // before the digits are typed
        {"Edit3", "W°", {"E°"}},
    };
    for (const auto& [name, typed, afterEachDoubleClick] : rows) {
        QLineEdit* edit = box(name);
        edit->setText(screen(typed));
        for (const char* expected : afterEachDoubleClick) {
            QTest::mouseDClick(edit, Qt::LeftButton);
            EXPECT_EQ(edit->text(), screen(expected));
            EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << expected;
            EXPECT_EQ(edit->selectedText(), "") << expected;
        }
    }
}

TEST_F(GridTest, EnterInTheLongitudeBoxRunsCalc)
{
    openGrid();
    chooseCoordinates();
    box("Edit2")->setText(screen("N°51.30"));
    box("Edit3")->setText(screen("W°0.07"));
    QTest::keyClick(box("Edit3"), Qt::Key_Return);
    EXPECT_TRUE(text("HeadingPanel").startsWith("Degrees:  "));
    EXPECT_TRUE(text("HeadingPanel").endsWith(screen("      IO91    N°51.30\\W°0.07")));
    EXPECT_FALSE(grid->isVisible());
}

TEST_F(GridTest, CancelClosesAndLeavesTheDisplayAsOpeningLeftIt)
{
    openGrid();
    QTest::keyClicks(box("Edit1"), "EL29");
    QTest::mouseClick(&control<QToolButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(grid->isVisible());
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
    EXPECT_EQ(text("DistancePanel"), "");
    EXPECT_EQ(list().currentText(), screen("Grid/N°S° Calculation"));
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(GridTest, TheModeAndTheTextsStayForTheNextOpening)
{
    openGrid();
    QTest::keyClicks(box("Edit1"), "EL29AB");
    chooseCoordinates();
    box("Edit2")->setText(screen("S°33.52"));
    box("Edit3")->setText(screen("E°151.12"));
    grid->close();  // the close box

    openGrid();
    EXPECT_TRUE(control<QRadioButton>("RadioButton2").isChecked());
    EXPECT_TRUE(control<QFrame>("Panel4").isVisible());
    EXPECT_EQ(control<QFrame>("Panel4").geometry(), control<QFrame>("Panel3").geometry());
    EXPECT_EQ(box("Edit2")->text(), screen("S°33.52"));
    EXPECT_EQ(box("Edit3")->text(), screen("E°151.12"));
    EXPECT_EQ(box("Edit1")->text(), "EL29AB");
    EXPECT_EQ(box("Edit1")->selectedText(), "EL29AB");  // the next keys replace it

    QTest::mouseClick(&control<QRadioButton>("RadioButton1"), Qt::LeftButton);
    EXPECT_FALSE(control<QFrame>("Panel4").isVisible());
}

}  // namespace
}  // namespace qvk::ui
