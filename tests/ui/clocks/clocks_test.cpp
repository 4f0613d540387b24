// The Clocks window, driven as the operator drives it, with the fake clock.

#include "clocks/clocks_window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

namespace qvk::ui {
namespace {

// --- The rows at fixed times ----------------------------------------------

struct RowCase {
    const char* name;
    int row;
    const char* place;
    bool daylightSaving;
    bool military;
    int utcHour;
    int utcMinute;
    const char* shown;
};

void PrintTo(const RowCase& row, std::ostream* out) { *out << row.place << " -> " << row.shown; }

class ClocksRow : public ClocksWindow, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ClocksRow, ShowsThePlacesTime)
{
    const RowCase& c = GetParam();
    platform.utc = utcAt(c.utcHour, c.utcMinute);
    create({{c.row, c.place}}, c.daylightSaving ? std::set<int>{c.row} : std::set<int>{});
    if (c.military) {
        open();
        click(control<QCheckBox>("CheckBox1"));
        click(reset());
    }
    EXPECT_EQ(panel(c.row).text(), QString(c.shown));
    EXPECT_TRUE(platform.warnings.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    AtFixedUtcTimes, ClocksRow,
    ::testing::Values(RowCase{"IndiaAtNoon", 7, "India   [5.5]", false, false, 12, 0, "5:30 PM"},
                      RowCase{"IndiaInMilitaryTime", 7, "India   [5.5]", false, true, 12, 0, "17: 30"},
                      RowCase{"IndiaOnDaylightSaving", 7, "India   [5.5]", true, false, 12, 0, "6:30 PM*"},
                      RowCase{"ChicagoTheEveningBefore", 20, "Chicago   [-6]", false, false, 3, 0, "9:00 PM"},
                      // +12 moved on by an hour wraps round to -11, that is 13 hours ahead
                      RowCase{"AucklandOnDaylightSaving", 24, "Auckland   [12]", true, false, 0, 0, "1:00 PM*"},
                      // half an hour counts 2.88 ms short
                      RowCase{"HalfAnHourAhead", 1, "Somewhere   [0.5]", false, false, 12, 0, "12:29 PM"},
                      RowCase{"NewfoundlandIsThreeAndAHalfBehind", 22, "Newfoundland   [-3.5]", false, false, 12, 0,
                              "8:30 AM"},
                      RowCase{"MidnightInLondonInMilitaryTime", 2, "London   [0]", false, true, 0, 0, "00: 00"},
                      RowCase{"AnOffsetBeyond12", 3, "Nowhere   [13]", false, false, 12, 0, "00: 00"},
                      RowCase{"NoClosingBracket", 4, "Name [5", false, false, 12, 0, ""}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST_F(ClocksWindow, AnInvalidOffsetTurnsItsBoxRedUntilCorrected)
{
    create({{3, "Nowhere   [13]"}, {4, "Paris   [1]"}});
    const QColor normal = box(4).palette().color(QPalette::Base);
    EXPECT_EQ(box(3).palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(normal, QColor(192, 176, 144));

    open();
    typeInto(3, "Rome   [1]");
    click(reset());
    EXPECT_EQ(box(3).palette().color(QPalette::Base), normal);
    EXPECT_EQ(panel(3).text(), "1:00 PM");
}

TEST_F(ClocksWindow, ReadsRow18OnDaylightSavingFromTheBuiltInFlagLine)
{
    Places places;
    for (int row = 1; row <= 24; ++row) places[row] = "Place   [0]";
    create(clocksFile("00000111111111111111110000C000000000000000001000000000000", places));
    for (int row = 1; row <= 24; ++row) EXPECT_EQ(panel(row).text().endsWith('*'), row == 18) << "row " << row;
}

// --- GMT and the home clock ---------------------------------------------

struct GmtCase {
    int hour;
    int minute;
    bool military;
    const char* shown;
};

void PrintTo(const GmtCase& gmt, std::ostream* out) { *out << gmt.shown; }

class GmtPanel : public ClocksWindow, public ::testing::WithParamInterface<GmtCase> {};

TEST_P(GmtPanel, ShowsUtcWithABlankAfterTheColon)
{
    platform.utc = utcAt(GetParam().hour, GetParam().minute);
    create(Places{});
    open();
    if (GetParam().military) click(control<QCheckBox>("CheckBox1"));
    EXPECT_TRUE(waitForGmt(GetParam().shown)) << control<QLabel>("Panel25").text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Times, GmtPanel,
                         ::testing::Values(GmtCase{0, 5, false, "12: 05 AM"}, GmtCase{12, 5, false, "12: 05 PM"},
                                           GmtCase{13, 5, false, "1: 05 PM"}, GmtCase{0, 5, true, "00: 05"},
                                           GmtCase{13, 5, true, "13: 05"}));

TEST_F(ClocksWindow, TheHomeClockShowsLocalTimeInTheFormOfTheLastComputedRow)
{
    platform.local = QDateTime(QDate(2026, 12, 7), QTime(6, 4, 59));
    create({{1, "London   [0]"}});
    auto& home = control<QLabel>("RxClock2");
    EXPECT_EQ(home.text(), "6:04 AM");

    open();
    click(control<QCheckBox>("CheckBox1"));
    click(reset());
    EXPECT_TRUE(waitForHomeClock("06:04")) << home.text().toStdString();
}

TEST_F(ClocksWindow, WithoutAValidRowTheHomeClockKeepsItsForm)
{
    create({{1, "London"}});
    open();
    click(control<QCheckBox>("CheckBox1"));
    click(reset());
    moveTheClockOnAMinute();
    EXPECT_TRUE(waitForHomeClock("6:01 AM")) << control<QLabel>("RxClock2").text().toStdString();
}

TEST_F(ClocksWindow, TheClocksRunWhileTheWindowIsHidden)
{
    create({{1, "Tokyo   [9]"}});
    ASSERT_TRUE(waitForGmt("12: 00 PM"));
    platform.utc = utcAt(12, 1);
    platform.local = QDateTime(QDate(2026, 12, 7), QTime(6, 1));
    EXPECT_TRUE(waitForGmt("12: 01 PM"));
    EXPECT_EQ(panel(1).text(), "9:01 PM");
    EXPECT_EQ(control<QLabel>("RxClock2").text(), "6:01 AM");
    EXPECT_FALSE(clocks->isVisible());
}

// --- The editing cycle ----------------------------------------------------

TEST_F(ClocksWindow, TypingFreezesTheTimesEvenThroughMilitaryUntilResetStoresThePlace)
{
    create({{1, "London   [0]"}});
    open();
    ASSERT_TRUE(waitForGmt("12: 00 PM"));
    EXPECT_TRUE(ok().isEnabled());
    EXPECT_FALSE(reset().isEnabled());

    typeInto(5, "Tokyo   [9]");
    EXPECT_FALSE(ok().isEnabled());
    EXPECT_TRUE(reset().isEnabled());
    click(control<QCheckBox>("CheckBox1"));  // Military while editing: still paused

    moveTheClockOnAMinute();
    EXPECT_TRUE(waitForHomeClock("6:01 AM"));  // the home clock keeps running
    EXPECT_EQ(control<QLabel>("Panel25").text(), "12: 00 PM");
    EXPECT_EQ(panel(1).text(), "12:00 PM");
    EXPECT_EQ(panel(5).text(), "");
    EXPECT_FALSE(ok().isEnabled());

    click(reset());
    EXPECT_EQ(panel(5).text(), "21: 01");
    EXPECT_TRUE(ok().isEnabled());
    EXPECT_FALSE(reset().isEnabled());
    EXPECT_EQ(fileLine(6), "Tokyo   [9]");
    EXPECT_TRUE(waitForGmt("12: 01"));
    EXPECT_EQ(panel(1).text(), "12: 01");
}

TEST_F(ClocksWindow, MilitaryAsksForResetButKeepsTheClocksRunning)
{
    create({{1, "London   [0]"}});
    open();
    ASSERT_TRUE(waitForGmt("12: 00 PM"));

    click(control<QCheckBox>("CheckBox1"));
    EXPECT_FALSE(ok().isEnabled());
    EXPECT_TRUE(reset().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), &panel(1));

    platform.utc = utcAt(13, 1);
    EXPECT_TRUE(waitForGmt("13: 01"));
    EXPECT_EQ(panel(1).text(), "13: 01");

    click(reset());
    EXPECT_TRUE(ok().isEnabled());
    EXPECT_FALSE(reset().isEnabled());
}

TEST_F(ClocksWindow, ARejectedFractionOnResetWritesNothing)
{
    const QByteArray stored = clocksFile(flagLineWith({}), {{1, "London   [0]"}});
    create(stored);
    open();
    typeInto(2, "Paris [1.3]");
    click(reset());

    EXPECT_EQ(platform.warnings, QStringList{"Decimal value must be .25, .5, or .75 in - 'Paris [1.3]'"});
    EXPECT_EQ(platform.cursor, kUnderTheHand);
    EXPECT_EQ(platform.readFile("tms.qvk"), stored);
    EXPECT_TRUE(reset().isEnabled());
    EXPECT_FALSE(ok().isEnabled());

    typeInto(2, "Paris [1]");
    click(reset());
    EXPECT_EQ(platform.warnings.size(), 1);
    EXPECT_EQ(fileLine(3), "Paris [1]");
    EXPECT_TRUE(ok().isEnabled());
}

TEST_F(ClocksWindow, ResetShowsEveryBoxFromItsFirstCharacter)
{
    create(Places{});
    open();
    typeInto(2, "Paris" + QString(40, ' ') + "[1]");
    ASSERT_NE(box(2).cursorPosition(), 0);
    click(reset());
    EXPECT_EQ(box(2).cursorPosition(), 0);
    EXPECT_EQ(box(2).text(), "Paris" + QString(40, ' ') + "[1]");
    EXPECT_EQ(panel(2).text(), "1:00 PM");
}

// --- The daylight-saving pop-up -------------------------------------------

TEST_F(ClocksWindow, DaylightSavingFromTheMenuReachesTheFileAfterOkAndTheNextWrite)
{
    create({{3, "Paris   [1]"}});
    open();
    click(panel(2), Qt::RightButton);  // an empty time has no menu
    EXPECT_FALSE(popupMenu().isVisible());
    click(panel(3), Qt::RightButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popupMenu()));
    EXPECT_TRUE(control<QAction>("StdTime1").isChecked());
    EXPECT_FALSE(control<QAction>("DSTime1").isChecked());
    chooseFromPopup("DS Time");
    EXPECT_FALSE(ok().isEnabled());
    EXPECT_TRUE(reset().isEnabled());
    EXPECT_EQ(panel(3).text(), "1:00 PM");  // shown at Reset

    click(reset());
    EXPECT_EQ(panel(3).text(), "2:00 PM*");
    EXPECT_EQ(fileLine(1).at(29), '0');

    QTest::keyClick(clocks.get(), Qt::Key_Escape);
    EXPECT_TRUE(clocks->isVisible()) << "Escape does not close it";
    click(ok());
    EXPECT_FALSE(clocks->isVisible());
    EXPECT_EQ(fileLine(1).at(29), '0');  // OK writes no file
    ASSERT_TRUE(clocks->writeClocksFile());
    EXPECT_EQ(fileLine(1), QByteArray::fromStdString(flagLineWith({3})));

    open();
    click(panel(3), Qt::RightButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popupMenu()));
    EXPECT_TRUE(control<QAction>("DSTime1").isChecked());
    chooseFromPopup("Std Time");
    click(reset());
    EXPECT_EQ(panel(3).text(), "1:00 PM");
}

// --- The help panel -------------------------------------------------------

TEST_F(ClocksWindow, HelpShowsWhileThePointerRestsOnItAndItsTextFits)
{
    create(Places{});
    open();
    auto& help = control<QWidget>("Panel26");
    EXPECT_FALSE(help.isVisible());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&control<QLabel>("RxLabel1"), &enter);
    EXPECT_TRUE(help.isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&control<QLabel>("RxLabel1"), &leave);
    EXPECT_FALSE(help.isVisible());

    auto& text = control<QLabel>("HelpText");
    const QStringList lines = text.text().split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[1], "individual place boxes, click Reset,  and times will then be");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[5], "Example:   India   [5.5]");
    EXPECT_TRUE(control<QWidget>("Panel26").contentsRect().contains(text.geometry()));
    EXPECT_LE(text.sizeHint().width(), text.width());
}

// --- The clocks file ------------------------------------------------------

struct FileCase {
    const char* name;
    QByteArray read;
    QByteArray written;
};

void PrintTo(const FileCase& file, std::ostream* out) { *out << file.name; }

class ClocksFileTrip : public ClocksWindow, public ::testing::WithParamInterface<FileCase> {};

TEST_P(ClocksFileTrip, IsWrittenBackByteForByte)
{
    create(GetParam().read);
    EXPECT_TRUE(platform.errors.isEmpty());
    ASSERT_TRUE(clocks->writeClocksFile());
    EXPECT_EQ(platform.readFile("tms.qvk"), GetParam().written);
}

const QByteArray kEmptyPlaces = QByteArray("\r\n").repeated(24);
// characters 1 to 27 and 52 onward are carried through; row 24 is on daylight saving
const std::string kOddFlagLine = "Ab 3#" + std::string(22, '9') + std::string(23, '0') + "1" + "tail\xB0 kept";
const QByteArray kFullFile =
    clocksFile(kOddFlagLine, {{1, "London   [0]"}, {7, "  India   [5.5]  "}, {24, "M\xFCnchen   [1]"}});

INSTANTIATE_TEST_SUITE_P(
    Files, ClocksFileTrip,
    ::testing::Values(
        FileCase{"FullFile", kFullFile, kFullFile},
        FileCase{"ShortFirstLine", "00000111111111111111\r\nLondon   [0]\r\n",
                 "00000111111111111111" + QByteArray(31, '0') + "\r\nLondon   [0]\r\n" +
                     QByteArray("\r\n").repeated(23)},
        FileCase{"ThreeLines", "0000000000000000000000000000000000000000000000000000000\r\nLondon   [0]\r\nParis   [1]",
                 "0000000000000000000000000000000000000000000000000000000\r\nLondon   [0]\r\nParis   [1]\r\n" +
                     QByteArray("\r\n").repeated(22)},
        FileCase{"LineFeedsOnlyAndExtraLines", QByteArray(51, '0') + "\n" + QByteArray("X [1]\n").repeated(26),
                 QByteArray(51, '0') + "\r\n" + QByteArray("X [1]\r\n").repeated(24)}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(ClocksWindow, AMissingFileIsReportedAndLeavesEveryPlaceEmpty)
{
    clocks = std::make_unique<TClock2>(platform);
    EXPECT_EQ(platform.errors, QStringList{"Cannot open file " + platform.settingsFolder() + "tms.qvk."});
    for (int row = 1; row <= 24; ++row) {
        EXPECT_EQ(box(row).text(), "");
        EXPECT_EQ(panel(row).text(), "");
    }
    // the first write creates it, with the built-in flag line
    ASSERT_TRUE(clocks->writeClocksFile());
    EXPECT_EQ(platform.readFile("tms.qvk"),
              "00000111111111111111110000C000000000000000001000000000000\r\n" + kEmptyPlaces);
}

TEST_F(ClocksWindow, AFileThatCannotBeWrittenIsReportedWithTheSystemsReason)
{
    create({{1, "London   [0]"}});
    QDir(platform.settingsFolder()).removeRecursively();  // the folder went away under the program
    EXPECT_FALSE(clocks->writeClocksFile());
    EXPECT_EQ(platform.errors,
              QStringList{"Cannot create file " + platform.settingsFolder() + "tms.qvk: No such file or directory."});
}

TEST_F(ClocksWindow, TheShippedPlacesAllShowTheirTimes)
{
    QFile shipped(QVK_DATA_DIR "/tms.qvk");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    create(shipped.readAll());
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_TRUE(platform.warnings.isEmpty());
    for (int row = 1; row <= 24; ++row) {
        EXPECT_TRUE(panel(row).text().endsWith(" AM") || panel(row).text().endsWith(" PM")) << "row " << row;
        EXPECT_EQ(box(row).palette().color(QPalette::Base), QColor(192, 176, 144)) << "row " << row;
    }
}

// --- Layout ---------------------------------------------------------------

TEST_F(ClocksWindow, HasItsFixedSizeWithEveryControlInsideAndNoneCoveringAnother)
{
    create(Places{});
    EXPECT_EQ(clocks->size(), QSize(414, 348));
    EXPECT_EQ(clocks->minimumSize(), clocks->maximumSize());
    EXPECT_EQ(clocks->windowTitle(), "Clocks");
    const std::vector<const QWidget*> controls = shownControls();
    EXPECT_EQ(controls.size(), 56u);
    EXPECT_EQ(cutOff(controls, *clocks), QStringList{});
    EXPECT_EQ(overlapping(controls, *clocks), QStringList{});
}

TEST_F(ClocksWindow, RowsRunLeftToRightThenDownEachPlaceUnderItsTime)
{
    create(Places{});
    for (int row = 1; row <= 24; ++row) {
        const QRect time = panel(row).geometry();
        const QRect place = box(row).geometry();
        EXPECT_GT(place.top(), time.bottom()) << "row " << row;
        EXPECT_LT(place.top() - time.bottom(), 5) << "row " << row;
        EXPECT_GE(place.left(), time.left()) << "row " << row;
        EXPECT_LE(place.right(), time.right()) << "row " << row;
        if (row == 24) break;
        const QRect next = panel(row + 1).geometry();
        if (row % 4 != 0) {
            EXPECT_EQ(next.top(), time.top()) << "row " << row + 1 << " beside row " << row;
            EXPECT_GT(next.left(), time.right()) << "row " << row + 1 << " beside row " << row;
        } else {
            EXPECT_GT(next.top(), place.bottom()) << "row " << row + 1 << " under row " << row - 3;
            EXPECT_EQ(next.left(), panel(row - 3).geometry().left()) << "row " << row + 1 << " under row " << row - 3;
        }
    }
}

TEST_F(ClocksWindow, TheCaptionsSayWhatTheControlsDoAndTheyAndTheWidestTimesFit)
{
    create(Places{});
    for (const char* name : {"Edit0", "Edit26", "RxLabel1", "CheckBox1", "SpeedButton1", "SpeedButton2"})
        EXPECT_TRUE(hasRoomFor(control(name), shownText(control(name)))) << name;
    for (const char* time : {"12:59 PM*", "12: 59 PM", "23: 59*"})
        for (const char* clock : {"Panel1", "Panel25", "RxClock2"})
            EXPECT_TRUE(hasRoomFor(control(clock), time)) << clock << " " << time;
    EXPECT_EQ(control<QLineEdit>("Edit0").text(), "       Home Time");
    EXPECT_EQ(control<QLineEdit>("Edit26").text(), "            GMT");
    EXPECT_EQ(control<QLabel>("RxLabel1").text(), "Help");
    EXPECT_EQ(control<QCheckBox>("CheckBox1").text(), "Military");
    EXPECT_FALSE(control<QCheckBox>("CheckBox1").isChecked());
    EXPECT_EQ(ok().text(), "OK");
    EXPECT_EQ(reset().text(), "Reset");
    EXPECT_EQ(box(1).focusPolicy(), Qt::ClickFocus);  // Tab passes the place boxes by
}

}  // namespace
}  // namespace qvk::ui
