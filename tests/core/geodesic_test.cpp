#include "core/geodesic.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

struct Heading {
    const char* name;
    double homeLatitude, homeLongitude, targetLatitude, targetLongitude;
    const char* bearing;  // as the display shows it, "0.0"
    const char* longPath;
    const char* kilometres;  // "##,##0"
    const char* miles;
    int even;
};

void PrintTo(const Heading& h, std::ostream* os) { *os << h.name; }

class ShownHeading : public ::testing::TestWithParam<Heading> {};

TEST_P(ShownHeading, MatchesTheDisplayedFigures)
{
    const Heading& h = GetParam();
    const auto result = inverseGeodesic(h.homeLatitude, h.homeLongitude, h.targetLatitude, h.targetLongitude);
    ASSERT_TRUE(result);
    EXPECT_EQ(formatFixed(result->bearing, 1), h.bearing);
    EXPECT_EQ(formatFixed(longPathHeading(result->bearing), 1), h.longPath);
    EXPECT_EQ(formatGrouped(metresToKilometres(result->distance)), h.kilometres);
    EXPECT_EQ(formatGrouped(metresToMiles(result->distance)), h.miles);
    EXPECT_EQ(evenHeading(result->bearing), h.even);
}

// West longitudes are positive: London at 0.12 W is +0.12, Sydney at 151.22 E is -151.22.
INSTANTIATE_TEST_SUITE_P(
    Examples, ShownHeading,
    ::testing::Values(Heading{"AlabamaToLondon", 32.65, 86.72, 51.5, 0.12, "44.2", "224.2", "7,026", "4,366", 44},
                      Heading{"AlabamaToSydney", 32.65, 86.72, -33.87, -151.22, "251.9", "71.9", "14,699", "9,134",
                              252},
                      Heading{"AlongAParallel", 10, 10, 10, -20, "87.3", "267.3", "3,288", "2,043", 88},
                      Heading{"DueNorth", 40, 75, 45, 75, "0.0", "180.0", "555", "345", 0},
                      // computed as 179.999999999999997 and kept as 180: the long path is 0.0, not 360.0
                      Heading{"DueSouth", 40, 75, 35, 75, "180.0", "0.0", "555", "345", 180},
                      // close to the antipode, Vincenty still settles (in about 50 passes)
                      Heading{"NearlyAntipodal", 32.65, 86.72, -32, -93, "12.5", "192.5", "19,929", "12,384", 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Vincenty, SettlesNearTheAntipodeInAboutFiftyPasses)
{
    const auto outcome = vincentyInverse(32.65, 86.72, -32, -93);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->converged);
    EXPECT_GT(outcome->passes, 30);
    EXPECT_LT(outcome->passes, 70);
}

TEST(HomeEqualsTarget, GivesNoFaultAndADistanceOfZero)
{
    const auto low = inverseGeodesic(40, 75, 40, 75);
    ASSERT_TRUE(low);
    EXPECT_NEAR(low->distance, 0, 1e-3);
    EXPECT_EQ(formatFixed(low->bearing, 1), "180.0");  // reduced latitude below 45 degrees

    const auto high = inverseGeodesic(60, 75, 60, 75);
    ASSERT_TRUE(high);
    EXPECT_NEAR(high->distance, 0, 1e-3);
    EXPECT_EQ(formatFixed(high->bearing, 1), "0.0");
}

// Vincenty's iteration does not settle for these targets within a degree of
// the home station's antipode (Madrid to the sea off New Zealand); the
// expected figures are GeographicLib's GeodSolve on the same ellipsoid.
struct AntipodalCase {
    double targetLatitude, targetLongitude, bearing, distance;
};

class BeyondVincenty : public ::testing::TestWithParam<AntipodalCase> {};

TEST_P(BeyondVincenty, TakesKarneysResultWhereTheIterationDoesNotSettle)
{
    const auto& c = GetParam();
    const auto vincenty = vincentyInverse(40.42, 3.70, c.targetLatitude, c.targetLongitude);
    ASSERT_TRUE(vincenty);
    ASSERT_FALSE(vincenty->converged);

    const auto result = inverseGeodesic(40.42, 3.70, c.targetLatitude, c.targetLongitude);
    ASSERT_TRUE(result);
    EXPECT_NEAR(result->bearing, c.bearing, 1e-6);
    EXPECT_NEAR(result->distance, c.distance, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(MadridToNewZealandWaters, BeyondVincenty,
                         ::testing::Values(AntipodalCase{-40.6, -176.5, 196.45643628477, 19981521.637644},
                                           AntipodalCase{-40.5, -175.9, 138.22456539251, 19983352.733174},
                                           AntipodalCase{-40.3, -176.2, 9.30391648188, 19989919.265051}));

TEST(CalculateBearing, KeepsTheLastResultAndAFaultLeavesIt)
{
    CalculateBearing(32.65, 86.72, 51.5, 0.12);
    const BearingResult before = lastBearingResult();
    EXPECT_EQ(formatFixed(before.bearing, 1), "44.2");
    EXPECT_EQ(formatGrouped(metresToKilometres(before.distance)), "7,026");
    // a non-finite position makes every intermediate non-finite
    CalculateBearing(32.65, 86.72, std::numeric_limits<double>::quiet_NaN(), 0.12);
    EXPECT_EQ(lastBearingResult().bearing, before.bearing);
    EXPECT_EQ(lastBearingResult().distance, before.distance);
}

TEST(DerivedQuantities, LongPathAndEvenHeadingWrapAtNorth)
{
    EXPECT_DOUBLE_EQ(longPathHeading(180), 0);
    EXPECT_DOUBLE_EQ(longPathHeading(179.5), 359.5);
    EXPECT_DOUBLE_EQ(longPathHeading(359.96), 179.96);
    EXPECT_EQ(evenHeading(359.7), 360);
    EXPECT_EQ(evenHeading(44.9), 44);
    EXPECT_EQ(evenHeading(45.0), 46);
    EXPECT_EQ(evenHeading(0.4), 0);
}

TEST(DistanceUnits, MilesUseTheProgramsMileOf1609_3Metres)
{
    // 12 345 678 m: 7,671 miles, 12,346 km
    EXPECT_EQ(formatGrouped(metresToMiles(12'345'678)), "7,671");
    EXPECT_EQ(formatGrouped(metresToKilometres(12'345'678)), "12,346");
    EXPECT_EQ(formatGrouped(metresToMiles(20'000'000)), "12,428");  // the statute mile of 1,609.344 m gives 12,427
}

}  // namespace
}  // namespace qvk
