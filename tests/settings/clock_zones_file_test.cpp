#include "settings/clock_zones_file.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(ClockZonesFile, ReadsAZoneOrNothingForEachPlaceAndWritesAll24Lines)
{
    // a hand-edited file: blanks around a name, two places, then nothing
    const ClockZones zones = parseClockZones({"", " Australia/Sydney\t", "", "America/Argentina/Buenos_Aires"});
    EXPECT_EQ(zones[1], "Australia/Sydney");
    EXPECT_EQ(zones[3], "America/Argentina/Buenos_Aires");
    for (std::size_t k : {0u, 2u, 4u, 23u}) EXPECT_EQ(zones[k], "") << "place " << k + 1;

    const std::vector<std::string> lines = clockZonesLines(zones);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[1], "Australia/Sydney");
    EXPECT_EQ(parseClockZones(lines), zones);
}

TEST(ClockZonesFile, LinesAfterThe24thAreIgnored)
{
    std::vector<std::string> lines(26, "Europe/Paris");
    lines[24] = "Asia/Tokyo";
    EXPECT_EQ(parseClockZones(lines)[23], "Europe/Paris");
    EXPECT_EQ(clockZonesLines(parseClockZones(lines)).size(), 24u);
}

TEST(ClockZonesFile, AnUnknownZoneIsNamedWithItsFileAndLine)
{
    EXPECT_EQ(unknownClockZoneMessage("/home/op/.config/qvk/tmszones.qvk", 3, "Mars/Olympus"),
              "Clock zones file /home/op/.config/qvk/tmszones.qvk, line 3: unknown time zone 'Mars/Olympus', "
              "ignored.");
}

}  // namespace
}  // namespace qvk
