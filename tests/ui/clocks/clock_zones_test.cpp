// Places that follow a time zone: the daylight-saving mark and the hour come
// from tzdata at the fake clock's UTC, and "tmszones.qvk" keeps the zones.

#include "clocks/clocks_window_fixture.h"

#include <QAction>
#include <QFile>

namespace qvk::ui {
namespace {

constexpr int kSydney = 22;

// The fake clock starts at noon UTC on 7 December 2026.
QDateTime utcOn(QDate date, QTime time) { return QDateTime(date, time, Qt::UTC); }
const QDateTime kJulyNoon = utcOn(QDate(2026, 7, 7), QTime(12, 0));

// 24 lines, the named places' zones on theirs.
QByteArray zonesFile(const std::map<int, QByteArray>& zones)
{
    QByteArray bytes;
    for (int row = 1; row <= 24; ++row) bytes += (zones.count(row) ? zones.at(row) : QByteArray()) + "\r\n";
    return bytes;
}

QByteArray shippedFile(const char* name)
{
    QFile file(QStringLiteral(QVK_DATA_DIR "/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

class ClockZones : public ClocksWindow {
protected:
    void createWithZones(const Places& places, const std::map<int, QByteArray>& zones,
                         const std::set<int>& daylightRows = {})
    {
        platform.writeFile("tmszones.qvk", zonesFile(zones));
        create(places, daylightRows);
    }

    // Right-clicks the row's time: the pop-up with its zones for the row.
    QMenu& openPopup(int row)
    {
        click(panel(row), Qt::RightButton);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&popupMenu()));
        return control<QMenu>("TimeZoneMenu");
    }
    QStringList zonesOffered(int row)
    {
        QStringList offered;
        for (QAction* action : openPopup(row).actions())
            if (!action->isSeparator()) offered << action->text();
        popupMenu().hide();
        return offered;
    }
    void chooseZone(int row, const QString& zone)
    {
        for (QAction* action : openPopup(row).actions())
            if (action->text() == zone) action->trigger();
        popupMenu().hide();
    }

    std::set<int> rowsOnDaylightSaving()
    {
        std::set<int> rows;
        for (int row = 1; row <= 24; ++row)
            if (panel(row).text().endsWith('*')) rows.insert(row);
        return rows;
    }
};

TEST_F(ClockZones, SydneyIsOnDaylightSavingInDecemberAndNotInJuly)
{
    createWithZones({{kSydney, "Sydney   [10]"}}, {{kSydney, "Australia/Sydney"}});
    EXPECT_EQ(panel(kSydney).text(), "11:00 PM*");

    platform.utc = kJulyNoon;
    createWithZones({{kSydney, "Sydney   [10]"}}, {{kSydney, "Australia/Sydney"}}, {kSydney});
    EXPECT_EQ(panel(kSydney).text(), "10:00 PM") << "the zone overrides a stale flag in the file";
}

TEST_F(ClockZones, TheMarkGoesAtTheRefreshAfterSummerTimeEnds)
{
    // Sydney leaves summer time at 3 AM on 5 April 2026, 16:00 UTC the day before
    platform.utc = utcOn(QDate(2026, 4, 4), QTime(15, 59));
    createWithZones({{kSydney, "Sydney   [10]"}}, {{kSydney, "Australia/Sydney"}});
    EXPECT_EQ(panel(kSydney).text(), "2:59 AM*");
    platform.utc = utcOn(QDate(2026, 4, 4), QTime(16, 0));
    EXPECT_TRUE(waitForText(panel(kSydney), "2:00 AM")) << panel(kSydney).text().toStdString();
}

TEST_F(ClockZones, WithoutAZonesFileEveryPlaceKeepsItsOwnFlag)
{
    create({{3, "Paris   [1]"}, {4, "Rome   [1]"}, {kSydney, "Sydney   [10]"}}, {3});
    EXPECT_EQ(panel(3).text(), "2:00 PM*");
    EXPECT_EQ(panel(4).text(), "1:00 PM");
    EXPECT_EQ(panel(kSydney).text(), "10:00 PM");
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(ClockZones, TheShippedPlacesFollowTheirZones)
{
    platform.writeFile("tmszones.qvk", shippedFile("tmszones.qvk"));
    create(shippedFile("tms.qvk"));
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('\n').toStdString();
    EXPECT_EQ(rowsOnDaylightSaving(), (std::set<int>{21, 22, 24}));  // Adelaide, Sydney, Auckland

    platform.utc = kJulyNoon;
    create(shippedFile("tms.qvk"));
    // Anchorage to Halifax, the Azores, London and Paris
    EXPECT_EQ(rowsOnDaylightSaving(), (std::set<int>{2, 3, 4, 5, 6, 7, 9, 10, 11}));
}

TEST_F(ClockZones, TheZonesAndTheFlagsTheyGaveAreWrittenBack)
{
    const QByteArray zones = zonesFile({{1, "Pacific/Honolulu"}, {kSydney, "Australia/Sydney"}});
    createWithZones({{1, "Honolulu   [-10]"}, {kSydney, "Sydney   [10]"}},
                    {{1, "Pacific/Honolulu"}, {kSydney, "Australia/Sydney"}});
    ASSERT_TRUE(clocks->writeClocksFile());
    EXPECT_EQ(platform.readFile("tmszones.qvk"), zones);
    // "tms.qvk" keeps its format, its flags as the zones set them
    EXPECT_EQ(fileLine(1), QByteArray::fromStdString(flagLineWith({kSydney})));
    EXPECT_EQ(platform.readFile("tms.qvk").count('\n'), 25);
}

TEST_F(ClockZones, UnknownZonesAreIgnoredWithOneMessageNamingTheFileAndLines)
{
    createWithZones({{3, "Paris   [1]"}, {kSydney, "Sydney   [10]"}},
                    {{3, "Mars/Olympus"}, {5, "australia/sydney"}, {kSydney, "Australia/Sydney"}}, {3});
    const QString file = platform.settingsFolder() + "tmszones.qvk";
    EXPECT_EQ(platform.errors,
              QStringList{"Clock zones file " + file + ", line 3: unknown time zone 'Mars/Olympus', ignored.\n" +
                          "Clock zones file " + file + ", line 5: unknown time zone 'australia/sydney', ignored."});
    EXPECT_EQ(panel(3).text(), "2:00 PM*");  // its own flag
    EXPECT_EQ(panel(kSydney).text(), "11:00 PM*");

    platform.utc = platform.utc.addSecs(60);
    ASSERT_TRUE(waitForGmt("12: 01 PM"));
    EXPECT_EQ(platform.errors.size(), 1) << "told once, not at every refresh";
}

TEST_F(ClockZones, ThePopupOffersTheZonesOfThePlacesOffset)
{
    createWithZones({{kSydney, "Sydney   [10]"}, {7, "India   [5.5]"}}, {});
    open();
    const QStringList sydney = zonesOffered(kSydney);
    EXPECT_EQ(sydney.first(), "None");
    for (const char* zone : {"Australia/Sydney", "Australia/Brisbane", "Australia/Melbourne", "Pacific/Guam"})
        EXPECT_TRUE(sydney.contains(zone)) << zone;
    // Adelaide is half an hour behind, Lord Howe half an hour ahead; Etc/GMT-10 is no place
    for (const char* zone : {"Australia/Adelaide", "Australia/Lord_Howe", "Asia/Tokyo", "Etc/GMT-10", "UTC+10:00"})
        EXPECT_FALSE(sydney.contains(zone)) << zone;
    EXPECT_TRUE(zonesOffered(7).contains("Asia/Kolkata"));
    // the menu's own items stay
    EXPECT_EQ(popupMenu().actions().at(0)->text(), "Std Time");
    EXPECT_EQ(popupMenu().actions().at(1)->text(), "DS Time");
}

TEST_F(ClockZones, AZoneChosenFromThePopupShowsAtResetAndIsStored)
{
    createWithZones({{kSydney, "Sydney   [10]"}}, {});
    open();
    chooseZone(kSydney, "Australia/Sydney");
    EXPECT_TRUE(reset().isEnabled());
    EXPECT_EQ(panel(kSydney).text(), "10:00 PM");  // shown at Reset

    click(reset());
    EXPECT_EQ(panel(kSydney).text(), "11:00 PM*");
    EXPECT_EQ(platform.readFile("tmszones.qvk").split('\n').value(kSydney - 1), "Australia/Sydney\r");

    // the zone now decides the flag, and the popup says which zone
    openPopup(kSydney);
    EXPECT_FALSE(control<QAction>("StdTime1").isEnabled());
    EXPECT_FALSE(control<QAction>("DSTime1").isEnabled());
    EXPECT_TRUE(control<QAction>("DSTime1").isChecked());
    for (QAction* action : control<QMenu>("TimeZoneMenu").actions())
        EXPECT_EQ(action->isChecked(), action->text() == "Australia/Sydney") << action->text().toStdString();
    popupMenu().hide();

    chooseZone(kSydney, "None");
    click(reset());
    EXPECT_EQ(platform.readFile("tmszones.qvk"), zonesFile({}));
}

TEST_F(ClockZones, APlaceRetypedWithAnotherOffsetLosesItsZone)
{
    createWithZones({{kSydney, "Sydney   [10]"}, {21, "Adelaide   [9.5]"}},
                    {{kSydney, "Australia/Sydney"}, {21, "Australia/Adelaide"}});
    open();
    typeInto(kSydney, "Tokyo   [9]");
    typeInto(21, "Adelaide, SA   [9.5]");
    click(reset());
    EXPECT_EQ(panel(kSydney).text(), "9:00 PM") << "Tokyo keeps no summer time";
    EXPECT_EQ(panel(21).text(), "10:30 PM*");
    EXPECT_EQ(platform.readFile("tmszones.qvk"), zonesFile({{21, "Australia/Adelaide"}}));
    EXPECT_EQ(fileLine(1), QByteArray::fromStdString(flagLineWith({21}))) << "Sydney's summer time went with it";
}

}  // namespace
}  // namespace qvk::ui
