#include "core/subsolar_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qvk {
namespace {

constexpr double kRad = std::numbers::pi / 180;

// NOAA's solar position calculator (the Global Monitoring Laboratory's
// spreadsheet, after Meeus), written out independently of the program's own
// formulae: declination and the equation of time give the subsolar point.
SubsolarPoint noaaSubsolarPoint(double unixSeconds)
{
    const double julianCentury = (unixSeconds / 86400 + 2440587.5 - 2451545) / 36525;
    const double t = julianCentury;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = std::sin(meanAnomaly * kRad) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * meanAnomaly * kRad) * (0.019993 - 0.000101 * t) +
                          std::sin(3 * meanAnomaly * kRad) * 0.000289;
    const double apparentLongitude =
        meanLongitude + centre - 0.00569 - 0.00478 * std::sin((125.04 - 1934.136 * t) * kRad);
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = meanObliquity + 0.00256 * std::cos((125.04 - 1934.136 * t) * kRad);
    const double declination = std::asin(std::sin(obliquity * kRad) * std::sin(apparentLongitude * kRad)) / kRad;
    const double y = std::pow(std::tan(obliquity / 2 * kRad), 2);
    const double L = meanLongitude * kRad, M = meanAnomaly * kRad, e = eccentricity;
    const double equationOfTimeMinutes =
        4 / kRad *
        (y * std::sin(2 * L) - 2 * e * std::sin(M) + 4 * e * y * std::sin(M) * std::cos(2 * L) -
         0.5 * y * y * std::sin(4 * L) - 1.25 * e * e * std::sin(2 * M));
    const double utcHours = std::fmod(unixSeconds, 86400) / 3600;
    double longitude = 15 * (12 - utcHours - equationOfTimeMinutes / 60);
    if (longitude < -180) longitude += 360;
    return {declination, longitude};
}

double longitudeGap(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

struct Instant {
    const char* name;
    double unixSeconds;
};

class SubsolarAgainstNoaa : public ::testing::TestWithParam<Instant> {};

TEST_P(SubsolarAgainstNoaa, WithinATenthOfADegree)
{
    const SubsolarPoint ours = subsolarPoint(GetParam().unixSeconds);
    const SubsolarPoint noaa = noaaSubsolarPoint(GetParam().unixSeconds);
    EXPECT_NEAR(ours.latitude, noaa.latitude, 0.1);
    EXPECT_LT(longitudeGap(ours.longitude, noaa.longitude), 0.1) << ours.longitude << " against " << noaa.longitude;
}

INSTANTIATE_TEST_SUITE_P(ThreeSeasons, SubsolarAgainstNoaa,
                         ::testing::Values(Instant{"JuneSolstice2026", 1782036000},    // 2026-06-21 10:00 UTC
                                           Instant{"EquinoxEvening2025", 1758574800},  // 2025-09-22 21:00 UTC
                                           Instant{"NewYearsDawn2030", 1893474000}),   // 2030-01-01 05:00 UTC
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
