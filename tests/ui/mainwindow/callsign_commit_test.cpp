// A callsign typed into the location list, as an operator who has just heard
// it types it: the heading to its DXCC entity, whichever list is shown.

#include "main_window_fixture.h"

#include "ui/mainwindow/compass_frame.h"

namespace qvk::ui {
namespace {

const QPoint kUnderTheHand(1024 / 2 + 10, 768 / 2 + 30);

class CallsignCommitTest : public MainWindowTest {
protected:
    void startWithShippedCountryFile()
    {
        platform.writeFile("cty.csv", shippedFile("cty.csv"));
        start();
    }
    // Types a call as heard and presses Enter: the list closes, and the close
    // watch moves the focus away, which commits.
    void enterCall(const QString& call)
    {
        type(call);
        pressEnterInList();
    }
    void waitForHeading(const QString& headingPanel) { QTRY_COMPARE(text("HeadingPanel"), headingPanel); }
};

TEST_F(CallsignCommitTest, ACallTypedIntoTheDxccListShowsItsEntitysHeadingAndStaysSelected)
{
    startWithShippedCountryFile();
    click("SpeedButton51");
    type("ja1abc");
    EXPECT_EQ(list().currentText(), "JA1ABC");
    pressEnterInList();
    waitForHeading("Degrees:  324.8      JA1ABC  Japan (AS CQ25 ITU45)");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  324.8");
    EXPECT_EQ(text("LongPathLabel"), "  (144.8)");
    EXPECT_EQ(text("DistancePanel"), "6,861");                                      // miles, as the preferences choose
    EXPECT_NE(find<CompassFrame>("CompassFrame").targetMarker(), QPoint(128, 33));  // off north
    EXPECT_EQ(list().currentText(), "JA1ABC");
    EXPECT_TRUE(list().hasFocus());
    EXPECT_EQ(list().lineEdit()->selectedText(), "JA1ABC");
    EXPECT_TRUE(platform.warnings.isEmpty());

    // the next call replaces it
    type("vp2e/k1abc");
    EXPECT_EQ(list().currentText(), "VP2E/K1ABC");
    pressEnterInList();
    waitForHeading("Degrees:  118.2      VP2E/K1ABC  Anguilla (NA CQ8 ITU11)");
    EXPECT_EQ(text("DistancePanel"), "1,777");

    type("4k1abc");  // 4K becomes 4J as soon as it is typed, as for a prefix
    EXPECT_EQ(list().currentText(), "4J1ABC");
    pressEnterInList();
    waitForHeading("Degrees:  33.3      4J1ABC  Azerbaijan (AS CQ21 ITU29)");
}

TEST_F(CallsignCommitTest, ACallWorksWhicheverListIsShown)
{
    platform.writeFile("statedata/AL.txt", shippedFile("statedata/AL.txt"));
    startWithShippedCountryFile();

    click("SpeedButton1");  // Alabama's cities, open
    ASSERT_TRUE(list().isListOpen());
    enterCall("w1aw/kh6");
    waitForHeading("Degrees:  278.9      W1AW/KH6  Hawaii (OC CQ31 ITU61)");
    EXPECT_EQ(text("DistancePanel"), "4,364");

    click("SpeedButton3");  // Arizona: no city list, an empty list
    ASSERT_EQ(list().count(), 0);
    list().setFocus();
    enterCall("vp2e/k1abc");
    waitForHeading("Degrees:  118.2      VP2E/K1ABC  Anguilla (NA CQ8 ITU11)");

    click("SpeedButton51");
    QTRY_VERIFY(list().isListOpen());
    list().hidePopup();
    reactivate(*window);
    click("SpeedButton62");  // the DXCC list by country
    ASSERT_EQ(list().currentText(), "DXCC sorted by country.");
    enterCall("ja1abc");
    waitForHeading("Degrees:  324.8      JA1ABC  Japan (AS CQ25 ITU45)");
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(CallsignCommitTest, ACallNeedsNoListClickedFirst)
{
    startWithShippedCountryFile();
    list().setFocus();  // the prompt still shows: no state and no DXCC list was offered
    enterCall("vp2e/k1abc");
    waitForHeading("Degrees:  118.2      VP2E/K1ABC  Anguilla (NA CQ8 ITU11)");
    EXPECT_EQ(text("DistancePanel"), "1,777");

    enterCall("k1abc/mm");
    QTRY_COMPARE(platform.warnings, QStringList{"K1ABC/MM is maritime mobile: no DXCC entity."});
    // any other text still passes without a word: BeforeAnyListIsOfferedLeavingTheListWarnsOfNothing
}

TEST_F(CallsignCommitTest, AMobileAtSeaOrInTheAirOrACallOfNoEntityWarnsUnderTheHandAndKeepsTheHeading)
{
    startWithShippedCountryFile();
    click("SpeedButton51");
    enterCall("ja1abc");
    waitForHeading("Degrees:  324.8      JA1ABC  Japan (AS CQ25 ITU45)");

    enterCall("k1abc/mm");
    QTRY_COMPARE(platform.warnings, QStringList{"K1ABC/MM is maritime mobile: no DXCC entity."});
    EXPECT_EQ(platform.cursor, kUnderTheHand);
    EXPECT_EQ(text("HeadingPanel"), "Degrees:  324.8      JA1ABC  Japan (AS CQ25 ITU45)");
    EXPECT_EQ(text("DistancePanel"), "");  // opening the list emptied it, as for any entry
    EXPECT_TRUE(list().hasFocus());

    platform.warnings.clear();
    enterCall("k1abc/am");
    QTRY_COMPARE(platform.warnings, QStringList{"K1ABC/AM is aeronautical mobile: no DXCC entity."});

    platform.warnings.clear();
    platform.cursor = {};
    enterCall("q1abc");
    QTRY_COMPARE(platform.warnings, QStringList{"No DXCC entity for Q1ABC."});
    EXPECT_EQ(platform.cursor, kUnderTheHand);
    EXPECT_EQ(text("HeadingPanel"), "Degrees:  324.8      JA1ABC  Japan (AS CQ25 ITU45)");
}

TEST_F(CallsignCommitTest, ADamagedCountryFileIsNamedWithItsLineAndTheNextNewestServes)
{
    platform.keepSettingsApart();
    platform.writeSettingsFile("prefs.qvk", kMontgomeryPrefs);
    platform.writeSettingsFile("tms.qvk", shippedFile("tms.qvk"));
    // the operator's download is the newest, and damaged; the shipped one of
    // this test is newer than any system copy, so that it is the next
    platform.writeSettingsFile("cty.csv", "K,Downloaded,291,NA,5,8,37.60,91.87,5.0,K =VER29991231;\r\nF,France\r\n");
    platform.writeFile("cty.csv", "K,Shipped,291,NA,5,8,37.60,91.87,5.0,K =VER29990101;\r\n");
    start(QByteArray());

    QTRY_COMPARE(platform.warnings, QStringList{"Country file " + platform.settingsFolder() +
                                                "cty.csv, line 2: 2 fields where 10 belong.\n"
                                                "Callsigns are looked up in " +
                                                platform.dataFolder() + "cty.csv instead."});
    EXPECT_TRUE(window->isVisible());
    EXPECT_DOUBLE_EQ(homeLatitude(*window), 32.65);  // the start-up work was done
    click("SpeedButton51");
    enterCall("k1abc");
    waitForHeading("Degrees:  320.9      K1ABC  Shipped (NA CQ5 ITU8)");
}

}  // namespace
}  // namespace qvk::ui
