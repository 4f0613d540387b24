// The Home Parameters window, driven as the operator drives it.

#include "fake_platform.h"
#include "named_child.h"
#include "support/windows1252_literal.h"
#include "ui/home/home.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

const QString kTwoCharacters = "Minutes must be two characters in length.";
const QString kRange = "Minutes must be between 00 and 59.";
// 10 right of and 30 below the centre of FakePlatform's 1024 x 768 desktop
const QPoint kUnderTheHand(522, 414);

// Test names in ctest show a row's texts, without their degree signs.
std::string plain(const QString& text) { return QString(text).remove(QChar(0xB0)).toStdString(); }

class HomeWindow : public ::testing::Test {
protected:
    template <typename Control> Control& control(const char* name) { return child<Control>(home, name); }

    void open()
    {
        home.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&home));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&home));
    }

    void type(const char* box, const QString& text)
    {
        auto* edit = &control<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void typeHome(const QString& latitude, const QString& longitude)
    {
        type("Edit1", latitude);
        type("Edit2", longitude);
    }

    // Opens the offset list and clicks the entry, as the operator does.
    void chooseOffset(int index)
    {
        auto* list = &control<QComboBox>("ComboBox1");
        list->showPopup();
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex entry = view->model()->index(index, 0);
        view->scrollTo(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        ASSERT_FALSE(view->isVisible());
    }

    void save() { QTest::mouseClick(&control<QToolButton>("SpeedButton54"), Qt::LeftButton); }

    FakePlatform platform;
    THome home{platform};
};

// --- Save ----------------------------------------------------------------

struct Refused {
    QString latitude;
    QString longitude;
    QString text;
    bool errorBox = false;  // a number that cannot be read; otherwise a warning
};

void PrintTo(const Refused& row, std::ostream* out) { *out << plain(row.latitude) << ' ' << plain(row.longitude); }

class SaveRefuses : public HomeWindow, public ::testing::WithParamInterface<Refused> {};

TEST_P(SaveRefuses, WithOneBoxAndTheWindowStaysOpen)
{
    open();
    QSignalSpy saved(&home, &THome::homeSaved);
    typeHome(GetParam().latitude, GetParam().longitude);
    save();
    const QStringList none;
    EXPECT_EQ(platform.warnings, GetParam().errorBox ? none : QStringList{GetParam().text});
    EXPECT_EQ(platform.errors, GetParam().errorBox ? QStringList{GetParam().text} : none);
    // a warning comes under the hand; an error box leaves the pointer alone
    EXPECT_EQ(platform.cursor, GetParam().errorBox ? QPoint(0, 0) : kUnderTheHand);
    EXPECT_EQ(saved.count(), 0);
    EXPECT_TRUE(home.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Minutes, SaveRefuses,
                         ::testing::Values(Refused{"N°29.5", "W°94.47", kTwoCharacters},
                                           Refused{"N°29.60", "W°94.47", kRange},
                                           // both wrong: only the longitude's warning
                                           Refused{"N°29.60", "W°94.7", kTwoCharacters},
                                           Refused{"N°29.60", "W°94.75", kRange},
                                           // both lengths are checked before either range
                                           Refused{"N°29.5", "W°94.60", kTwoCharacters},
                                           // right minutes, but no hemisphere to convert from
                                           Refused{"29.18", "W°94.47", "Invalid degrees: 29.18  W°94.47"}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, SaveRefuses,
    ::testing::Values(Refused{"N°29.5x", "W°94.47", "'5x' is not a valid floating point value.", true},
                      Refused{"N°2x.18", "W°94.47", "'2x.30' is not a valid floating point value.", true}));

struct Accepted {
    QString latitude;
    QString longitude;
    double northLatitude;
    double westLongitude;
};

void PrintTo(const Accepted& row, std::ostream* out) { *out << plain(row.latitude) << ' ' << plain(row.longitude); }

class SaveAccepts : public HomeWindow, public ::testing::WithParamInterface<Accepted> {};

TEST_P(SaveAccepts, HandsOverTheHomePositionAndCloses)
{
    open();
    QSignalSpy saved(&home, &THome::homeSaved);
    typeHome(GetParam().latitude, GetParam().longitude);
    save();
    ASSERT_EQ(saved.count(), 1);
    const QList<QVariant> values = saved.takeFirst();
    EXPECT_EQ(values[0].toString(), GetParam().latitude);
    EXPECT_EQ(values[1].toString(), GetParam().longitude);
    EXPECT_NEAR(values[2].toDouble(), GetParam().northLatitude, 1e-12);
    EXPECT_NEAR(values[3].toDouble(), GetParam().westLongitude, 1e-12);
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_FALSE(home.isVisible());
    EXPECT_EQ(home.result(), QDialog::Accepted);
    // the file is written when the main window closes, not here
    EXPECT_FALSE(platform.fileExists("prefs.qvk"));
}

INSTANTIATE_TEST_SUITE_P(Homes, SaveAccepts,
                         ::testing::Values(Accepted{"N°29.18", "W°94.47", 29.30, 94.78},
                                           Accepted{"S°33.52", "E°151.13", -33.87, -151.22},
                                           Accepted{"N°29.05", "W°0.59", 29.08, 0.98}));

TEST_F(HomeWindow, EscapeDoesNotCloseTheWindow)
{
    open();
    QTest::keyClick(&home, Qt::Key_Escape);
    EXPECT_TRUE(home.isVisible());
    home.close();
    EXPECT_TRUE(home.isVisible());
}

// --- GMT offset ------------------------------------------------------------

struct Offset {
    int index;
    double hours;
    QString shown;
};

void PrintTo(const Offset& row, std::ostream* out) { *out << "entry " << row.index; }

class ChoosingAnOffset : public HomeWindow, public ::testing::WithParamInterface<Offset> {};

TEST_P(ChoosingAnOffset, SetsItAndShowsItInWholeHours)
{
    open();
    chooseOffset(GetParam().index);
    EXPECT_EQ(control<QLineEdit>("CurrencyEditGMT3").text(), GetParam().shown);
    const Preferences preferences = home.currentPreferences();
    EXPECT_EQ(preferences.gmtOffset, GetParam().hours);
    EXPECT_EQ(preferences.offsetIndex, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Entries, ChoosingAnOffset,
                         ::testing::Values(Offset{48, -3, "-3"},  // Newfoundland, as it always was
                                           Offset{68, 3.5, "4"}, Offset{74, 5.5, "6"}, Offset{0, -5, "-5"},
                                           Offset{53, 0, "0"}, Offset{92, 11, "11"}));

TEST_F(HomeWindow, TypingAnEntrysNameChoosesIt)
{
    open();
    auto* list = &control<QComboBox>("ComboBox1");
    list->setFocus();
    QTest::keyClicks(list, "Iran");
    EXPECT_EQ(list->currentIndex(), 68);
    EXPECT_EQ(home.currentPreferences().gmtOffset, 3.5);
}

struct Stored {
    int index;
    int selected;
    double hours = 2;  // not the offset of any stored entry below
    QString shown = "2";
};

void PrintTo(const Stored& row, std::ostream* out) { *out << "index " << row.index << ", " << row.hours << " hours"; }

class Opening : public HomeWindow, public ::testing::WithParamInterface<Stored> {};

TEST_P(Opening, SelectsTheStoredEntryAndLeavesTheOffsetAsRead)
{
    Preferences read;
    read.gmtOffset = GetParam().hours;
    read.offsetIndex = GetParam().index;
    home.applyPreferences(read);
    open();
    EXPECT_EQ(control<QComboBox>("ComboBox1").currentIndex(), GetParam().selected);
    EXPECT_EQ(home.currentPreferences().gmtOffset, GetParam().hours);
    EXPECT_EQ(home.currentPreferences().offsetIndex, GetParam().index);
    EXPECT_EQ(control<QLineEdit>("CurrencyEditGMT3").text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Indexes, Opening,
                         ::testing::Values(Stored{74, 74}, Stored{0, 0}, Stored{92, 92}, Stored{-1, -1}, Stored{93, -1},
                                           Stored{120, -1},
                                           // India shows as 6 and is kept as 5.5
                                           Stored{74, 74, 5.5, "6"}));

TEST_F(HomeWindow, EveryOpeningSelectsTheStoredEntryAgainAndLeavesTheFocusOnTheSavePanel)
{
    open();
    type("Edit1", "N°29.18");
    home.hide();
    Preferences read;
    read.offsetIndex = 48;
    home.applyPreferences(read);
    open();
    EXPECT_EQ(control<QComboBox>("ComboBox1").currentIndex(), 48);
    // the window's focus, which the box regains whenever the window is active
    EXPECT_EQ(home.focusWidget(), &control<QFrame>("Panel1"));
}

TEST_F(HomeWindow, TheGmtBoxAndTabFromTheLongitudeLeadStraightToTheOffsetList)
{
    open();
    QTest::mouseClick(&control<QLineEdit>("CurrencyEditGMT3"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &control<QComboBox>("ComboBox1"));

    type("Edit2", "W°94.47");
    QTest::keyClick(&control<QLineEdit>("Edit2"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &control<QComboBox>("ComboBox1"));
    QTest::keyClick(&control<QComboBox>("ComboBox1"), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &control<QLineEdit>("Edit2"));
}

// --- Hemispheres -----------------------------------------------------------

TEST_F(HomeWindow, DoubleClickTogglesTheHemisphereWithTheCaretAtTheEnd)
{
    open();
    const std::tuple<const char*, QString, QStringList> rows[] = {
        {"Edit1", "29.18", {"N°29.18", "S°29.18", "N°29.18"}},
        {"Edit2", "94.47", {"W°94.47", "E°94.47", "W°94.47"}},
    };
    for (const auto& [box, typed, afterEachDoubleClick] : rows) {
        type(box, typed);
        auto* edit = &control<QLineEdit>(box);
        for (const QString& expected : afterEachDoubleClick) {
            QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(5, edit->height() / 2));
            EXPECT_EQ(edit->text(), expected);
            EXPECT_EQ(edit->cursorPosition(), expected.size()) << box;
            EXPECT_FALSE(edit->hasSelectedText()) << box;
        }
    }
}

// --- Options -----------------------------------------------------------------

TEST_F(HomeWindow, TickedOptionsGoIntoTheFirstThreeFlagCharacters)
{
    open();
    QTest::mouseClick(&control<QCheckBox>("CheckBox1"), Qt::LeftButton);
    QTest::mouseClick(&control<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QTest::mouseClick(&control<QRadioButton>("RadioButton2"), Qt::LeftButton);
    EXPECT_EQ(home.currentPreferences().flags, "110" + std::string(16, '0'));
    EXPECT_FALSE(home.milesSelected());
}

TEST_F(HomeWindow, FlagsReadFromTheFileSetTheBoxesAndKeepTheirTail)
{
    Preferences read;
    read.flags = "011Q2R";
    home.applyPreferences(read);
    EXPECT_FALSE(home.longPathChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox2").isChecked());
    EXPECT_TRUE(home.milesSelected());
    EXPECT_TRUE(control<QRadioButton>("RadioButton1").isChecked());

    open();
    QTest::mouseClick(&control<QRadioButton>("RadioButton2"), Qt::LeftButton);
    EXPECT_EQ(home.currentPreferences().flags, "010Q2R");

    // a short line still sets all three options
    QTest::mouseClick(&control<QRadioButton>("RadioButton1"), Qt::LeftButton);
    read.flags = "1";
    home.applyPreferences(read);
    EXPECT_TRUE(home.longPathChecked());
    EXPECT_EQ(home.currentPreferences().flags, "100");
}

TEST_F(HomeWindow, ClickingDisplayLongPathTellsTheMainWindow)
{
    open();
    QSignalSpy toggled(&home, &THome::longPathToggled);
    auto* longPath = &control<QCheckBox>("CheckBox1");
    QTest::mouseClick(longPath, Qt::LeftButton);
    QTest::mouseClick(longPath, Qt::LeftButton);
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_TRUE(toggled[0][0].toBool());
    EXPECT_FALSE(toggled[1][0].toBool());

    // the main window's own toggle ticks the box without an echo
    home.setLongPathChecked(true);
    EXPECT_TRUE(home.longPathChecked());
    EXPECT_EQ(toggled.count(), 2);
}

// --- Texts -------------------------------------------------------------------

TEST_F(HomeWindow, HomeTextsCrossToTheScreenAndBackByteForByte)
{
    Preferences read;
    read.latitudeText = "S°33.52"_cp1252;
    read.longitudeText = "E°151.13"_cp1252;
    home.applyPreferences(read);
    EXPECT_EQ(control<QLineEdit>("Edit1").text(), "S°33.52");
    EXPECT_EQ(control<QLineEdit>("Edit2").text(), "E°151.13");

    open();
    type("Edit1", "N°29.18");
    const Preferences now = home.currentPreferences();
    EXPECT_EQ(now.latitudeText, "N°29.18"_cp1252);
    EXPECT_EQ(now.longitudeText, "E°151.13"_cp1252);
}

TEST_F(HomeWindow, ShowsItsCaptionLabelsAndHints)
{
    EXPECT_EQ(home.windowTitle(), "Home Parameters");
    QStringList labels;
    for (const QLabel* label : home.findChildren<QLabel*>()) labels << label->text();
    for (const char* caption : {"N°'/ S°'", "W°'/ E°'", "GMT Offset", "Offset List", "Distance:"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(control<QLineEdit>("Edit1").toolTip(), "Double click to change NS°");
    EXPECT_EQ(control<QLineEdit>("Edit2").toolTip(), "Double click to change WE°");
    EXPECT_EQ(control<QComboBox>("ComboBox1").count(), 93);
    EXPECT_EQ(control<QToolButton>("SpeedButton54").text(), "Save");
    EXPECT_FALSE(home.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

}  // namespace
}  // namespace qvk::ui
