#include "layout_checks.h"
#include "main_window_fixture.h"

#include <QDir>

#include <vector>

namespace qvk::ui {
namespace {

class StateButtonsTest : public MainWindowTest {
protected:
    void withCityList(const QString& code)
    {
        platform.writeFile("statedata/" + code + ".txt", shippedFile("statedata/" + code + ".txt"));
    }
};

TEST_F(StateButtonsTest, FiftyButtonsInSevenRowsAndButtonFiftyAlone)
{
    start();
    std::vector<const QWidget*> buttons;
    for (int number = 1; number <= 50; ++number)
        buttons.push_back(&find<QToolButton>(QString("SpeedButton%1").arg(number).toLatin1()));
    EXPECT_EQ(cutOff(buttons, *window), QStringList{});
    EXPECT_EQ(overlapping(buttons, *window), QStringList{});
    for (const QWidget* button : buttons)
        EXPECT_TRUE(hasRoomFor(*button, shownText(*button))) << shownText(*button).toStdString();

    // seven to a row, left to right, then down
    for (std::size_t k = 1; k < 49; ++k) {
        const QWidget& button = *buttons[k];
        const QWidget& before = *buttons[k - 1];
        if (k % 7 != 0) {
            EXPECT_EQ(button.y(), before.y()) << shownText(button).toStdString();
            EXPECT_GT(button.x(), before.x()) << shownText(button).toStdString();
        } else {
            EXPECT_GT(button.y(), before.y()) << shownText(button).toStdString();
            EXPECT_EQ(button.x(), buttons[k - 7]->x()) << shownText(button).toStdString();
        }
    }
    // Wyoming alone in an eighth row, under Wisconsin at the end of the seventh
    EXPECT_EQ(buttons[49]->x(), buttons[48]->x());
    EXPECT_GT(buttons[49]->y(), buttons[48]->y());
    EXPECT_EQ(find<QToolButton>("SpeedButton50").text(), "WY");
    EXPECT_EQ(find<QToolButton>("SpeedButton42").toolTip(), "Tennessee");
}

TEST_F(StateButtonsTest, AStateShowsItsCentreThenOpensItsCityListForTheCommit)
{
    withCityList("AL");
    start();
    click("SpeedButton1");
    EXPECT_TRUE(text("HeadingPanel").endsWith("   Central Alabama"));
    EXPECT_TRUE(list().isListOpen());
    EXPECT_EQ(list().currentText(), "");
    EXPECT_GE(list().count(), 40);
    EXPECT_TRUE(find<QToolButton>("SpeedButton1").font().bold());

    type("birm");  // letters become capitals; city names match without regard to case
    EXPECT_EQ(list().currentText(), "BIRM");
    EXPECT_TRUE(list().view()->currentIndex().data().toString().startsWith("Birmingham  "));
    pressEnterInList();
    letListClose();
    EXPECT_TRUE(text("HeadingPanel").endsWith(QString::fromUtf8("   Birmingham  N°33.31\\W°86.48")));
    EXPECT_EQ(text("DistancePanel"), "60");  // miles from the home station
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(StateButtonsTest, AMissingCityListStillShowsTheCentre)
{
    start();
    window->BreakOutCity("00~", "   Earlier", SignedPosition{32.65, 86.72}, SignedPosition{51.5, 0.12});
    window->showDistanceOfLastResult();
    click("SpeedButton1");
    EXPECT_TRUE(text("HeadingPanel").endsWith("   Central Alabama"));
    EXPECT_EQ(list().currentText(), "No Alabama City List");
    EXPECT_EQ(list().count(), 0);
    EXPECT_FALSE(list().isListOpen());
    EXPECT_FALSE(find<QToolButton>("SpeedButton1").font().bold());
    EXPECT_EQ(text("DistancePanel"), "4,366");  // a state's centre leaves the distance as it was

    click("SpeedButton42");  // Tennessee keeps its three Ns
    EXPECT_TRUE(text("HeadingPanel").endsWith("   Central Tennnessee"));
    EXPECT_EQ(list().currentText(), "No Tennnessee City List");
}

TEST_F(StateButtonsTest, ColoradosCentreLongitudeIsTakenAsADecimalNumber)
{
    start();
    click("SpeedButton6");  // 39.14 N, 105.60 W: 105.60 would be no angle in degrees and minutes
    window->BreakOutCity("00~", "   Same place", window->home(), SignedPosition{39.14, 105.60});
    const QString same = text("HeadingLabel");
    click("SpeedButton6");
    EXPECT_EQ(text("HeadingLabel"), same);
}

TEST_F(StateButtonsTest, AStateButtonReplacesTheDxccListAndHidesTheSortToggle)
{
    start();
    click("SpeedButton51");
    letListClose();
    click("SpeedButton2");
    EXPECT_FALSE(find<QToolButton>("SpeedButton62").isVisible());
    EXPECT_EQ(list().count(), 0);
    type("4k");  // no prefix search over a state's list, even an empty one
    EXPECT_EQ(list().currentText(), "4K");
    EXPECT_TRUE(list().isListOpen());
}

TEST_F(StateButtonsTest, AnUnreadableCityListIsReportedAndNotOpened)
{
    start();
    QDir(platform.dataFolder()).mkpath("statedata/AL.txt");  // a folder where the file should be
    click("SpeedButton1");
    EXPECT_EQ(platform.errors,
              QStringList{"Cannot read file " + platform.dataFolder() + "statedata/AL.txt: Is a directory."});
    EXPECT_EQ(list().currentText(), "Alabama Center");
    EXPECT_FALSE(list().isListOpen());
}

TEST_F(StateButtonsTest, CommittingTheNoListTextAfterAListWasOfferedWarns)
{
    withCityList("AL");
    start();
    click("SpeedButton1");
    letListClose();
    platform.warnings.clear();
    click("SpeedButton3");  // Arizona has no list here
    list().setFocus();
    letListClose();
    find("Panel1").setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !platform.warnings.isEmpty(); }, 5000));
    EXPECT_EQ(platform.warnings, QStringList{QString::fromUtf8("No N° or S° degrees in selected record.")});
}

}  // namespace
}  // namespace qvk::ui
