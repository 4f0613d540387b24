#include "core/sun.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

SunRequest at(double latitude, double longitude, double offset, CivilDate date, bool military = false)
{
    SunRequest request;
    request.latitude = latitude;
    request.longitude = longitude;
    request.gmtOffset = offset;
    request.date = date;
    request.military = military;
    return request;
}

TEST(SunRiseSet, ParisInDecemberInBothForms)
{
    const SunDay day = sunTimesForDay(at(48.85, 2.35, 1, {2026, 12, 7}));
    EXPECT_EQ(day.riseText, "8:31A");
    EXPECT_EQ(day.setText, "4:54P");
    EXPECT_TRUE(day.firstRunNotices.empty());

    const SunDay military = sunTimesForDay(at(48.85, 2.35, 1, {2026, 12, 7}, true));
    EXPECT_EQ(military.riseText, "08:31");
    EXPECT_EQ(military.setText, "16:54");
}

TEST(SunRiseSet, ASetInTheWindowsFirstHourReadsJustAfterNoon)
{
    const SunDay day = sunTimesForDay(at(67, 20, 1, {2026, 12, 15}));
    EXPECT_EQ(day.setText, "0:29P");
    EXPECT_EQ(day.riseText, "10:44A");
    EXPECT_EQ(sunTimesForDay(at(67, 20, 1, {2026, 12, 15}, true)).setText, "12:29");
}

TEST(SunRiseSet, PolarDayAndNightFindNoCrossing)
{
    for (const CivilDate date : {CivilDate{2026, 6, 21}, CivilDate{2026, 12, 21}}) {
        const SunDay day = sunTimesForDay(at(80, 10, 1, date));
        EXPECT_EQ(day.riseText, "");
        EXPECT_EQ(day.setText, "");
        EXPECT_EQ(day.firstRunNotices, std::vector<std::string>{kSunUpOrDownAllDay});
        EXPECT_EQ(day.secondRunNotices, std::vector<std::string>{kSunUpOrDownAllDay});
    }
}

TEST(SunRiseSet, ARiseWithoutASetReportsNoSunset)
{
    const SunDay day = sunTimesForDay(at(68, 20, 1, {2026, 1, 2}));
    EXPECT_EQ(day.riseText, "11:29A");
    EXPECT_EQ(day.setText, "");
    EXPECT_EQ(day.firstRunNotices, std::vector<std::string>{kNoSunset});
}

TEST(SunRiseSet, TheEquatorAndTheGreenwichMeridianHaveSunriseAndSunset)
{
    // a coordinate of exactly 0 once counted as no home at all
    const SunDay greenwich = sunTimesForDay(at(51.4667, 0, 0, {2026, 12, 7}));
    EXPECT_EQ(greenwich.riseText, "7:52A");
    EXPECT_EQ(greenwich.setText, "3:52P");
    const SunDay equator = sunTimesForDay(at(0, 10, 1, {2026, 12, 7}));
    EXPECT_EQ(equator.riseText, "6:08A");
    EXPECT_EQ(equator.setText, "6:15P");
}

TEST(SunRiseSet, ANegativeOffsetShowsYesterdaysSetAndThisMorningsRise)
{
    // Montgomery, Alabama, at GMT-6: the window runs from yesterday's noon
    const SunDay day = sunTimesForDay(at(32.38, -86.30, -6, {2026, 12, 7}));
    EXPECT_EQ(day.riseText.back(), 'A');
    EXPECT_EQ(day.setText.back(), 'P');
    EXPECT_EQ(day.riseText.substr(0, 2), "6:");
    EXPECT_EQ(day.setText.substr(0, 2), "4:");
}

}  // namespace
}  // namespace qvk
