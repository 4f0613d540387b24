#include "main_window_fixture.h"

#include "ui/mainwindow/compass_frame.h"

#include <QComboBox>

#include <cmath>

namespace qvk::ui {
namespace {

const QString kDegree = QString::fromUtf8("°");

TEST_F(MainWindowTest, DxccTypedPrefixShowsHeadingLongPathArrowAndDistance)
{
    start();
    click("SpeedButton51");
    EXPECT_TRUE(list().isListOpen());
    EXPECT_EQ(list().currentText(), "");
    EXPECT_GT(list().count(), 300);

    type("4k");
    EXPECT_EQ(list().currentText(), "4J");  // upper-cased, then rewritten through the alias table
    EXPECT_EQ(list().lineEdit()->cursorPosition(), 2);
    EXPECT_TRUE(list().view()->currentIndex().data().toString().startsWith("4J-4K  Azerbaijan"));

    pressEnterInList();
    letListClose();
    EXPECT_EQ(text("HeadingPanel"),
              "Degrees:  33.3      4J-4K  Azerbaijan (AS CQ21 ITU29) N" + kDegree + "40.27\\E" + kDegree + "47.22");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  33.3");
    EXPECT_EQ(text("LongPathLabel"), "  (213.3)");
    EXPECT_EQ(text("DistancePanel"), "6,612");  // miles, as the preferences choose
    auto* compass = &find<CompassFrame>("CompassFrame");
    EXPECT_EQ(compass->targetMarker(), QPoint(180, 52));  // the row of even heading 34
    EXPECT_EQ(compass->startMarker(), QPoint(79, 202));
    // the committed text is selected, so the next key replaces it
    EXPECT_EQ(list().lineEdit()->selectedText(), list().currentText());
}

TEST_F(MainWindowTest, TheLongPathLabelFollowsThePreferenceAndItsDoubleClick)
{
    start(latin("1110000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n"));
    EXPECT_TRUE(find<QLabel>("LongPathLabel").isVisible());
    chooseDxccEntry("g");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  43.2");
    EXPECT_EQ(text("DistancePanel"), "4,283");

    QTest::mouseDClick(&find<QLabel>("HeadingLabel"), Qt::LeftButton);  // the toggle starts at 0: shows
    EXPECT_TRUE(find<QLabel>("LongPathLabel").isVisible());
    QTest::mouseDClick(&find<QLabel>("HeadingLabel"), Qt::LeftButton);
    EXPECT_FALSE(find<QLabel>("LongPathLabel").isVisible());
    EXPECT_FALSE(home->longPathChecked());
}

TEST_F(MainWindowTest, KilometresWhenThePreferencesSaySo)
{
    start(latin("0000000000000000000\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n"));
    chooseDxccEntry("VK");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  274.7");
    EXPECT_EQ(text("DistancePanel"), "16,090");
}

TEST_F(MainWindowTest, TypingPJ7FindsSintMaartenAndPJ6Saba)
{
    start();
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"pj7", "PJ7", "PJ7-PJ8  Sint Maarten"},
        {"pj8", "PJ7", "PJ7-PJ8  Sint Maarten"},
        {"pj6", "PJ5", "PJ5-PJ6  Saba & St. Eustatius"},
    };
    for (const auto& [typed, text, entry] : rows) {
        click("SpeedButton51");
        type(typed);
        EXPECT_EQ(list().currentText(), text) << typed;
        EXPECT_TRUE(list().view()->currentIndex().data().toString().startsWith(entry)) << typed;
        letListClose();
    }
}

TEST_F(MainWindowTest, TheSortToggleSwitchesBetweenCountryAndPrefixOrderAndAliasesApplyOnlyInPrefixOrder)
{
    start();
    EXPECT_FALSE(find<QToolButton>("SpeedButton62").isVisible());
    click("SpeedButton51");
    EXPECT_TRUE(find<QToolButton>("SpeedButton62").isVisible());
    type("rz");
    EXPECT_EQ(list().currentText(), "RA");
    letListClose();
    click("SpeedButton62");
    EXPECT_EQ(list().currentText(), "DXCC sorted by country.");
    EXPECT_TRUE(list().itemText(0).startsWith("Afghanistan YA  ("));
    type("4K");
    EXPECT_EQ(list().currentText(), "4K");
    letListClose();
    click("SpeedButton62");
    EXPECT_EQ(list().currentText(), "DXCC sorted by prefix.");
    EXPECT_TRUE(list().itemText(0).startsWith("1A  "));
}

TEST_F(MainWindowTest, CommittingATextWithoutAPositionWarnsAndKeepsTheDisplay)
{
    start();
    click("SpeedButton51");
    type("ZZZ");
    letListClose();
    ASSERT_EQ(platform.warnings.size(), 1);
    EXPECT_EQ(platform.warnings[0], "No N" + kDegree + " or S" + kDegree + " degrees in selected record.");
    EXPECT_EQ(platform.cursor, QPoint(1024 / 2 + 10, 768 / 2 + 30));  // the warning comes under the hand
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
}

TEST_F(MainWindowTest, LeavingTheListBeforeAnyIsOfferedWarnsOfNothingAndReturnOpensIt)
{
    start();
    list().setFocus();
    type("X");
    letListClose();
    EXPECT_TRUE(platform.warnings.isEmpty());

    click("SpeedButton51");
    letListClose();
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Return);  // once bounced between the list and its text box for ever
    EXPECT_TRUE(list().isListOpen());
    EXPECT_EQ(list().currentText(), "");
}

TEST_F(MainWindowTest, ClearRestoresThePromptAndCommittingItOnlyRestoresAgain)
{
    start();
    chooseDxccEntry("g");
    click("SpeedButton58");  // "Clear"
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
    EXPECT_EQ(text("DistancePanel"), "Distance:");
    EXPECT_EQ(list().currentText(), "DXCC / Country / City List");
    EXPECT_EQ(list().count(), 1);
    EXPECT_EQ(list().itemText(0), "Click on state or dxcc first.");
    EXPECT_FALSE(find<QToolButton>("SpeedButton62").isVisible());
    EXPECT_EQ(find<CompassFrame>("CompassFrame").targetMarker(), QPoint(128, 33));

    list().openList();
    pressEnterInList();  // nothing highlighted: the text stays empty
    list().setEditText("Click on state or dxcc first.");
    letListClose();
    EXPECT_TRUE(platform.warnings.isEmpty());
    EXPECT_EQ(list().currentText(), "DXCC / Country / City List");
}

TEST_F(MainWindowTest, TheChosenButtonIsMarkedMaroonAndBold)
{
    start();
    click("SpeedButton51");
    auto* dxcc = &find<QToolButton>("SpeedButton51");
    EXPECT_TRUE(dxcc->font().bold());
    EXPECT_EQ(dxcc->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    window->ChgButtonColors(61);
    EXPECT_FALSE(dxcc->font().bold());
    EXPECT_TRUE(find<QToolButton>("SpeedButton61").font().bold());
    EXPECT_EQ(find<QToolButton>("SpeedButton58").palette().color(QPalette::ButtonText), QColor(Qt::white));
}

TEST_F(MainWindowTest, ATargetOnTheEquatorHasAHeading)
{
    // a coordinate of exactly 0 once counted as no position at all
    start();
    window->BreakOutCity("00~", "   Somewhere", window->home(), SignedPosition{0.0, 10.0});
    window->showDistanceOfLastResult();
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  97.1");
    EXPECT_EQ(text("DistancePanel"), "5,450");

    click("SpeedButton51");
    type("kh1");  // Baker & Howland Islands, N°0.00 as cty.csv gives them
    pressEnterInList();
    letListClose();
    EXPECT_EQ(text("HeadingLabel"), "Degrees:  269.7");
}

TEST_F(MainWindowTest, AHomeOnTheGreenwichMeridianHasSunriseSunsetAndHeadings)
{
    platform.utc = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    platform.local = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
    start(latin("0010000000000000000\r\nW°0.00\r\nN°51.28\r\n0\r\n23\r\n"));
    EXPECT_EQ(text("SunriseLabel"), "7:52A");
    EXPECT_EQ(text("SunsetLabel"), "3:52P");
    click("SpeedButton1");  // Alabama
    EXPECT_TRUE(text("HeadingPanel").endsWith("   Central Alabama"));
    EXPECT_NE(text("HeadingLabel"), "Degrees:");
}

TEST_F(MainWindowTest, AFreshInstallAsksForTheHomeStationAndNothingHasAHeading)
{
    start(QByteArray());
    QCoreApplication::processEvents();
    EXPECT_TRUE(platform.errors.isEmpty());  // no error for the missing file
    EXPECT_EQ(platform.modalWindows, QStringList{"Home"});
    EXPECT_FALSE(window->home());
    click("SpeedButton1");
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
    EXPECT_EQ(text("HeadingLabel"), "Degrees:");
    EXPECT_EQ(text("SunriseLabel"), "Rise");
}

TEST_F(MainWindowTest, TheStatusBarShowsAnAmpersandAsItselfAndExpandsOnlyForALongText)
{
    start();
    window->BreakOutCity("00~", "   Trinidad & Tobago", SignedPosition{32.65, 86.72}, SignedPosition{10.5, 61.3});
    EXPECT_TRUE(text("HeadingPanel").endsWith("   Trinidad & Tobago"));
    EXPECT_TRUE(text("StatusOverlay").endsWith("   Trinidad & Tobago"));
    QTest::mouseDClick(&find("StatusBar1"), Qt::LeftButton);
    EXPECT_FALSE(find<QLabel>("StatusOverlay").isVisible());

    window->BreakOutCity("00~", "   " + QString(60, 'W'), SignedPosition{32.65, 86.72}, SignedPosition{51.5, 0.12});
    QTest::mouseDClick(&find("StatusBar1"), Qt::LeftButton);
    EXPECT_TRUE(find<QLabel>("StatusOverlay").isVisible());
    QTest::mouseDClick(&find<QLabel>("StatusOverlay"), Qt::LeftButton);
    EXPECT_FALSE(find<QLabel>("StatusOverlay").isVisible());
}

TEST_F(MainWindowTest, TheToolbarShowsSunriseSunsetAndBothClocks)
{
    platform.utc = QDateTime(QDate(2026, 12, 7), QTime(13, 5), Qt::UTC);
    platform.local = QDateTime(QDate(2026, 12, 7), QTime(7, 5));
    start();
    EXPECT_TRUE(text("SunriseLabel").endsWith("A"));
    EXPECT_TRUE(text("SunsetLabel").endsWith("P"));
    // both clocks show the time from the first tick on, a second after the start
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("UtcClock") == "1:05P"; }, 5000)) << text("UtcClock").toStdString();
    EXPECT_EQ(text("LocalClock"), "7:05A");
}

TEST_F(MainWindowTest, PreferencesRoundTripKeepsTheFlagLineAndTexts)
{
    const QByteArray prefs = latin("0011010110000000001\r\nE°151.13\r\nS°33.52\r\n10\r\n87\r\n");
    start(prefs);
    EXPECT_EQ(find<QLineEdit>("HomeLatitude").text(), "S" + kDegree + "33.52");
    EXPECT_DOUBLE_EQ(homeLatitude(*window), -33.87);
    EXPECT_DOUBLE_EQ(homeLongitude(*window), -151.22);
    window->close();
    EXPECT_EQ(platform.readFile("prefs.qvk"), prefs);
}

// WCAG's contrast ratio of two colours: 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(MainWindowTest, EveryButtonStaysReadableUnderThePointer)
{
    // "Clear" was white text on a white fill while the pointer was on it
    start();
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (button->text().isEmpty()) continue;  // the toolbar's pictures
        // the fill where the text goes, drawn without the text
        const QString caption = button->text();
        button->setText(QString());
        button->setAttribute(Qt::WA_UnderMouse, true);
        const QImage hovered = button->grab().toImage();
        button->setAttribute(Qt::WA_UnderMouse, false);
        button->setText(caption);
        const QColor fill = hovered.pixelColor(hovered.rect().center());
        const QColor text = button->palette().color(QPalette::ButtonText);
        EXPECT_GE(contrast(fill, text), 4.5)
            << button->objectName().toStdString() << " " << caption.toStdString() << ": " << fill.name().toStdString()
            << " behind " << text.name().toStdString();
    }
}

// A first start, without "prefs.qvk", on a computer in a time zone.
class FirstStart : public MainWindowTest {
protected:
    void startIn(const char* zone, const QDateTime& utc)
    {
        platform.timeZone = QTimeZone(zone);
        platform.utc = utc;
        platform.local = utc.toTimeZone(platform.timeZone);
        start(QByteArray());
        QCoreApplication::processEvents();
    }
};

TEST_F(FirstStart, InChicagoInSummerPicksCentralStandardTime)
{
    // once "Eastern (-5:00)" with an offset of 0; in July Chicago keeps
    // daylight time (-5), but the list names standard times
    startIn("America/Chicago", QDateTime(QDate(2026, 7, 15), QTime(17, 0), Qt::UTC));
    EXPECT_EQ(child<QComboBox>(*home, "ComboBox1").currentText(), "Central          (-6:00)");
    EXPECT_EQ(child<QLineEdit>(*home, "CurrencyEditGMT3").text(), "-6");
    EXPECT_EQ(home->currentPreferences().gmtOffset, -6);
    EXPECT_EQ(home->currentPreferences().offsetIndex, 1);
}

TEST_F(FirstStart, InAZoneTheListLacksSelectsNoEntry)
{
    startIn("Asia/Kathmandu", QDateTime(QDate(2026, 7, 15), QTime(17, 0), Qt::UTC));  // 5:45
    EXPECT_EQ(child<QComboBox>(*home, "ComboBox1").currentIndex(), -1);
    EXPECT_EQ(home->currentPreferences().gmtOffset, 5.75);
    EXPECT_EQ(home->currentPreferences().offsetIndex, -1);
}

// The Home Parameters window as the main window's "Preferences" opens it.
class SavingTheHomeStation : public FirstStart {
protected:
    void typeHome(const char* latitude, const char* longitude)
    {
        child<QLineEdit>(*home, "Edit1").setText(QString::fromUtf8(latitude));
        child<QLineEdit>(*home, "Edit2").setText(QString::fromUtf8(longitude));
    }
    void save() { QTest::mouseClick(&child<QToolButton>(*home, "SpeedButton54"), Qt::LeftButton); }
    void openPreferences() { click("SpeedButton52"); }
};

TEST_F(SavingTheHomeStation, TheFirstSaveShowsSunriseAndSunsetAtOnce)
{
    startIn("Australia/Sydney", QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC));
    ASSERT_TRUE(home->isVisible());
    EXPECT_EQ(text("SunriseLabel"), "Rise");
    typeHome("S°33.52", "E°151.13");
    save();
    // standard time, +10, as the offset list names it
    EXPECT_EQ(text("SunriseLabel"), "4:37A");
    EXPECT_EQ(text("SunsetLabel"), "6:56P");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(SavingTheHomeStation, AChangedHomeOrOffsetRecomputesAndEachNoticeComesOncePerChange)
{
    platform.local = QDateTime(QDate(2026, 6, 21), QTime(12, 0));
    start(latin("0000000000000000000\r\nE°10.00\r\nN°80.00\r\n1\r\n24\r\n"));        // Svalbard, GMT (+1:00)
    const QStringList polarDay{"Sun up or down all day", "Sun up or down all day"};  // one for each run at start
    EXPECT_EQ(platform.messages, polarDay);

    openPreferences();
    save();  // nothing changed: nothing again
    EXPECT_EQ(platform.messages, polarDay);

    openPreferences();
    auto* offsets = &child<QComboBox>(*home, "ComboBox1");
    offsets->setFocus();
    QTest::keyClick(offsets, Qt::Key_Down);  // GMT (+2:00)
    save();
    EXPECT_EQ(platform.messages, polarDay + QStringList{"Sun up or down all day"});

    openPreferences();
    typeHome("N°59.55", "E°10.45");  // Oslo
    save();
    EXPECT_EQ(text("SunriseLabel"), "3:54A");
    EXPECT_EQ(text("SunsetLabel"), "10:44P");
    EXPECT_EQ(platform.messages.size(), 3);
}

TEST_F(MainWindowTest, AMissingDxccListIsReportedAndTheDxccButtonGivesAnEmptyList)
{
    start(kMontgomeryPrefs, false);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(platform.errors[0], "Cannot open file " + platform.dataFolder() + "states.txt.");
    click("SpeedButton51");
    EXPECT_EQ(list().count(), 0);
}

TEST_F(MainWindowTest, AMalformedPreferencesFileIsReportedAndTheRestStillLoads)
{
    start(latin("0\r\nW°86.43\r\nN°32.39\r\nminus six\r\n1\r\n"));
    EXPECT_EQ(platform.errors, QStringList{platform.settingsFolder() +
                                           "prefs.qvk, line 4: 'minus six' is not a valid floating point value."});
    EXPECT_DOUBLE_EQ(homeLatitude(*window), 32.65);
}

TEST_F(MainWindowTest, AnInvalidHomePositionWarnsAndLeavesTheHomeUnset)
{
    start(latin("0\r\nW°86.43\r\nN°32\r\n-6\r\n1\r\n"));
    EXPECT_EQ(platform.warnings, QStringList{platform.settingsFolder() + "prefs.qvk: Invalid degrees: N" + kDegree +
                                             "32  W" + kDegree + "86.43"});
    EXPECT_FALSE(window->home());
}

TEST_F(MainWindowTest, AMissingClocksFileIsReportedOnceAndStartUpGoesOn)
{
    start();
    QFile::remove(platform.settingsFolder() + "tms.qvk");
    // a second window on the same folder starts without the file
    THamDF1 second(platform);
    THome secondHome(platform, &second);
    SecondaryWindows windows;
    windows.home = &secondHome;
    second.setSecondaryWindows(windows);
    second.show();
    QCoreApplication::processEvents();
    second.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.errors.count("Cannot open file " + platform.settingsFolder() + "tms.qvk."), 1);
    EXPECT_DOUBLE_EQ(homeLatitude(second), 32.65);
}

TEST_F(MainWindowTest, HidingGoesToTheTrayOnlyWhenThereIsOne)
{
    platform.trayAvailable = false;
    start();
    click("SpeedButton60");
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace qvk::ui
