#include "core/subsolar_point.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvk {
namespace {

double longitudeGap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// The subsolar point by NOAA's solar position calculator (the Global
// Monitoring Laboratory's spreadsheet, after Meeus: declination and the
// equation of time), another method than the program's own.
struct Instant {
    const char* name;
    double unixSeconds;
    SubsolarPoint noaa;
};

class SubsolarAgainstNoaa : public ::testing::TestWithParam<Instant> {};

TEST_P(SubsolarAgainstNoaa, WithinATenthOfADegree)
{
    const SubsolarPoint ours = subsolarPoint(GetParam().unixSeconds);
    const SubsolarPoint noaa = GetParam().noaa;
    EXPECT_NEAR(ours.latitude, noaa.latitude, 0.1);
    EXPECT_LT(longitudeGap(ours.longitude, noaa.longitude), 0.1) << ours.longitude << " against " << noaa.longitude;
}

INSTANTIATE_TEST_SUITE_P(
    ThreeSeasons, SubsolarAgainstNoaa,
    ::testing::Values(Instant{"JuneSolstice2026", 1782036000, {23.4381, 30.4515}},      // 2026-06-21 10:00 UTC
                      Instant{"EquinoxEvening2025", 1758574800, {-0.0423, -136.8697}},  // 2025-09-22 21:00 UTC
                      Instant{"NewYearsDawn2030", 1893474000, {-22.9948, 105.8584}}),   // 2030-01-01 05:00 UTC
    [](const auto& info) { return std::string(info.param.name); });

TEST(Subsolar, NearTheTropicAtTheSolsticeAndOverGreenwichAtNoon)
{
    // 2026-06-21 12:00 UTC: the Sun over the Tropic of Cancer, near the zero
    // meridian (the equation of time is about -1.5 minutes then)
    const SubsolarPoint sun = subsolarPoint(1782043200);
    EXPECT_NEAR(sun.latitude, 23.44, 0.05);
    EXPECT_NEAR(sun.longitude, 0.4, 0.2);
}

TEST(Daylight, NoonIsDayMidnightIsNightAndDuskBetween)
{
    const SubsolarPoint sun = subsolarPoint(1782043200);
    EXPECT_EQ(daylightAt(sun, 40, sun.longitude), Daylight::Day);
    EXPECT_EQ(daylightAt(sun, 40, sun.longitude + 180), Daylight::Night);
    // on the equinox equator the altitude falls a degree for each degree east past 90
    const SubsolarPoint equinox{0, 0};
    EXPECT_EQ(daylightAt(equinox, 0, 91.5), Daylight::Twilight);
    EXPECT_EQ(daylightAt(equinox, 0, 97), Daylight::Night);
    EXPECT_NEAR(solarAltitude(equinox, 0, 90), 0, 1e-9);
}

}  // namespace
}  // namespace qvk
