// Files that operators edit by hand and other programs write: whatever they
// hold, the program answers with a clear message or a sound default, and
// never crashes, hangs or loses a settings file.

#include "mainwindow/main_window_fixture.h"
#include "ui/clocks/clock2.h"

#include <QLineEdit>

namespace qvk::ui {
namespace {

QByteArray garbage(int size)
{
    QByteArray bytes;
    quint32 state = 12345;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245 + 12345;
        bytes += static_cast<char>(state >> 16);
    }
    return bytes;
}

class HostileFiles : public MainWindowTest {
protected:
    void startWithDxccList(const QByteArray& states)
    {
        platform.writeFile("states.txt", states);
        start(kMontgomeryPrefs, false);
    }
    void commit(const QString& entry)
    {
        click("SpeedButton51");
        list().setEditText(entry);
        letListClose();
    }
};

TEST_F(HostileFiles, BinaryGarbageAsTheDxccListOffersOnlyItsDxLines)
{
    startWithDxccList(garbage(200'000) + latin("\r\nDX~ZZ  Real (x) N°10.00\\W°20.00\r\n") + garbage(1000));
    click("SpeedButton51");
    EXPECT_GE(list().count(), 1);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(HostileFiles, ATenMegabyteLineGivesOneEntryOfAHundredCharactersAndOneMessage)
{
    startWithDxccList("DX~" + QByteArray(10 * 1024 * 1024, 'A'));
    EXPECT_EQ(platform.errors,
              QStringList{platform.dataFolder() + "states.txt, line 1: longer than 4096 characters; cut."});
    click("SpeedButton51");
    ASSERT_EQ(list().count(), 1);
    EXPECT_EQ(list().itemText(0).size(), 100);
}

TEST_F(HostileFiles, ATenMegabyteCityLineIsCutWithOneMessageAndTheListStillServes)
{
    // found by hostile files: such a line took 6.8 s to open the list and 15 s to commit
    platform.writeFile("statedata/AL.txt", latin("Mobile N°30.41\\W°88.02\r\n") + QByteArray(10 << 20, 'A') +
                                               latin("\r\nSelma N°32.24\\W°87.01"));
    start();
    click("SpeedButton1");
    EXPECT_EQ(platform.errors,
              QStringList{platform.dataFolder() + "statedata/AL.txt, line 2: longer than 4096 characters; cut."});
    ASSERT_EQ(list().count(), 3);
    EXPECT_TRUE(list().isListOpen());
    EXPECT_EQ(list().findText(QString(4096, 'A')), 0);  // sorted before the cities

    list().setEditText(QString::fromUtf8("Mobile N°30.41\\W°88.02"));
    letListClose();
    EXPECT_TRUE(text("HeadingPanel").endsWith(QString::fromUtf8("   Mobile N°30.41\\W°88.02")));
}

TEST_F(HostileFiles, LinesOfNoneToThreeCharactersAreHarmless)
{
    startWithDxccList("\r\nD\r\nDX\r\nDX~\r\n\n\r");
    click("SpeedButton51");
    EXPECT_EQ(list().count(), 1);  // "DX~" alone is an empty entry
    letListClose();
    EXPECT_TRUE(platform.warnings.isEmpty());
}

TEST_F(HostileFiles, EntriesWithoutBackslashOrDegreeSignsOrWithSixtyMinutesWarnOnCommit)
{
    startWithDxccList(latin("DX~ZZ  No backslash (x) N°10.00 W°20.00\r\nDX~YY  No degrees (x) N10.00\\W20.00\r\n"
                            "DX~XX  Sixty (x) N°10.60\\W°20.00\r\nDX~WW  Ninety-nine (x) N°10.00\\W°20.99"));
    for (const char* entry : {"ZZ  No backslash (x) N°10.00 W°20.00", "YY  No degrees (x) N10.00\\W20.00",
                              "XX  Sixty (x) N°10.60\\W°20.00", "WW  Ninety-nine (x) N°10.00\\W°20.99"})
        commit(QString::fromUtf8(entry));
    ASSERT_EQ(platform.warnings.size(), 4);
    EXPECT_TRUE(platform.warnings[0].startsWith("Invalid degrees: "));
    EXPECT_EQ(platform.warnings[1], QString::fromUtf8("No N° or S° degrees in selected record."));
    EXPECT_EQ(platform.warnings[2], QString::fromUtf8("Invalid degrees: N°10.60  W°20.00"));
    EXPECT_EQ(text("HeadingPanel"), "Degrees:");
}

TEST_F(HostileFiles, AFileWithoutItsFinalLineEndKeepsItsLastLine)
{
    startWithDxccList(latin("DX~AA  First (x) N°10.00\\W°20.00\r\nDX~BB  Last (x) N°11.00\\W°21.00"));
    click("SpeedButton51");
    EXPECT_EQ(list().count(), 2);
}

TEST_F(HostileFiles, AShortFlagsLineIsFilledUpAndWrittenWhole)
{
    start(latin("1\r\nW°86.43\r\nN°32.39\r\n-6\r\n1"));  // no final line end either
    EXPECT_TRUE(find<QLabel>("LongPathLabel").isVisible());
    window->close();
    EXPECT_EQ(platform.readFile("prefs.qvk"), latin("100\r\nW°86.43\r\nN°32.39\r\n-6\r\n1\r\n"));
}

TEST_F(HostileFiles, AMegabyteOffsetLineGivesShortMessagesAndTheHomeStillLoads)
{
    start(latin("0\r\nW°86.43\r\nN°32.39\r\n") + QByteArray(1024 * 1024, '7') + "x\r\n1\r\n");
    // cut as it was read, then not a number
    ASSERT_EQ(platform.errors.size(), 2);
    for (const QString& error : platform.errors) {
        EXPECT_TRUE(error.startsWith(platform.settingsFolder() + "prefs.qvk, line 4: ")) << error.toStdString();
        EXPECT_LT(error.size(), 250);
    }
    EXPECT_DOUBLE_EQ(homeLatitude(*window), 32.65);
}

TEST_F(HostileFiles, GarbagePreferencesNeverStopTheProgramAndAreWrittenBackInShape)
{
    start(garbage(5000));
    window->close();
    EXPECT_EQ(platform.readFile("prefs.qvk").count("\r\n"), 5);
}

TEST(HostileClocksFile, ThreeLinesFillTwoPlaces)
{
    FakePlatform platform;
    platform.writeFile("tms.qvk",
                       "00000111111111111111110000C000000000000000001000000000000\r\nIndia   [5.5]\r\nChicago [-6]");
    TClock2 clocks(platform);
    EXPECT_EQ(child<QLineEdit>(clocks, "Edit1").text(), "India   [5.5]");
    EXPECT_EQ(child<QLineEdit>(clocks, "Edit2").text(), "Chicago [-6]");
    EXPECT_EQ(child<QLineEdit>(clocks, "Edit3").text(), "");
    // how such files and a short flag line are written back: ClocksFileTrip
}

TEST(HostileClocksFile, GarbageIsShownAsTypedAndNeverCrashes)
{
    FakePlatform platform;
    platform.writeFile("tms.qvk", garbage(3000));
    TClock2 clocks(platform);
    EXPECT_TRUE(clocks.writeClocksFile());
}

}  // namespace
}  // namespace qvk::ui
