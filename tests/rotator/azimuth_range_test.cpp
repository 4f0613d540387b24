// Which azimuth a rotator is sent for a heading, and the range it reports.

#include "rotator/azimuth_range.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qvk::rotator {
namespace {

// The lines around the range as rotctld -m 1 (the dummy rotator) prints them.
const std::vector<std::string> kDummyCaps = {"Caps dump for model:\t1",
                                             "Model name:\t\tDummy",
                                             "Extra parameters:",
                                             "\t\tRange: 0..1/0.001",
                                             "Min Azimuth:\t\t-180.00",
                                             "Max Azimuth:\t\t450.00",
                                             "Min Elevation:\t\t0.00",
                                             "Max Elevation:\t\t90.00",
                                             "Can set Position:\tY",
                                             "",
                                             "RPRT 0"};

TEST(RotatorRangeFromCaps, ReadsTheDummyRotatorsRange)
{
    const RotatorRange range = rangeFromCaps(kDummyCaps);
    EXPECT_DOUBLE_EQ(range.minAzimuth, -180);
    EXPECT_DOUBLE_EQ(range.maxAzimuth, 450);
    EXPECT_DOUBLE_EQ(range.minElevation, 0);
    EXPECT_DOUBLE_EQ(range.maxElevation, 90);
}

TEST(RotatorRangeFromCaps, WithoutAUsableRangeTakesTheCommonZeroTo360)
{
    for (const auto& caps : std::vector<std::vector<std::string>>{
             {"Caps dump for model:\t1", "RPRT 0"},
             {"Min Azimuth:\t\t0.00", "Max Azimuth:\t\t0.00"},  // a backend that leaves its range unset
             {"Min Azimuth:\t\tnone", "Max Azimuth:\t\t360.00"}}) {
        const RotatorRange range = rangeFromCaps(caps);
        EXPECT_DOUBLE_EQ(range.minAzimuth, 0);
        EXPECT_DOUBLE_EQ(range.maxAzimuth, 360);
    }
}

TEST(RotatorRangeFromCaps, AKeyIsMatchedWholeNotByItsStart)
{
    const RotatorRange range =
        rangeFromCaps({"Min Azimuth Offset:\t5", "Min Azimuth:\t\t-180.00", "Max Azimuth:\t\t180.00"});
    EXPECT_DOUBLE_EQ(range.minAzimuth, -180);
}

struct Turn {
    const char* why;
    double minAzimuth;
    double maxAzimuth;
    double heading;
    std::optional<double> present;
    std::optional<double> azimuth;
};

void PrintTo(const Turn& turn, std::ostream* out) { *out << turn.why; }

class HeadingToAzimuth : public ::testing::TestWithParam<Turn> {};

TEST_P(HeadingToAzimuth, PointsTheAntennaAtTheHeading)
{
    const Turn& turn = GetParam();
    const auto azimuth = azimuthForHeading(turn.heading, {turn.minAzimuth, turn.maxAzimuth, 0, 0}, turn.present);
    ASSERT_EQ(azimuth.has_value(), turn.azimuth.has_value());
    if (azimuth) {
        EXPECT_NEAR(*azimuth, *turn.azimuth, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rotators, HeadingToAzimuth,
    ::testing::Values(Turn{"a south-stop rotator takes 224 as -136", -180, 180, 224, std::nullopt, -136},
                      Turn{"a south-stop rotator takes 44.2 as it is", -180, 180, 44.2, std::nullopt, 44.2},
                      Turn{"a south-stop rotator takes 359.9 as -0.1", -180, 180, 359.9, std::nullopt, -0.1},
                      Turn{"south itself stays 180 on a south-stop rotator", -180, 180, 180, std::nullopt, 180},
                      Turn{"south from near the west stop goes to -180", -180, 180, 180, -170.0, -180},
                      Turn{"a 0 to 360 rotator takes the shown 360.0 as north", 0, 360, 360, std::nullopt, 0},
                      Turn{"north from near 350 goes to 360, not back round", 0, 360, 0, 350.0, 360},
                      Turn{"an overlap rotator at 400 reaches 30 at 390", 0, 450, 30, 400.0, 390},
                      Turn{"an overlap rotator at 100 reaches 30 at 30", 0, 450, 30, 100.0, 30},
                      Turn{"an overlap rotator of unknown position keeps to one turn", 0, 450, 30, std::nullopt, 30},
                      Turn{"past the overlap there is one way only", 0, 450, 200, 440.0, 200},
                      Turn{"the dummy from north takes 224.2 through -135.8", -180, 450, 224.2, 0.0, -135.8},
                      Turn{"the dummy at 44.2 takes 224.2 at 224.2 on a tie", -180, 450, 224.2, 44.2, 224.2},
                      Turn{"a rotator that starts at 90 takes 30 as 390", 90, 450, 30, std::nullopt, 390},
                      Turn{"a half-circle rotator cannot point west", 0, 180, 270, std::nullopt, std::nullopt},
                      Turn{"a heading beyond 360 counts round", -180, 180, 584, std::nullopt, -136}));

TEST(HeadingOfAzimuth, BringsAnyAzimuthIntoOneTurn)
{
    EXPECT_DOUBLE_EQ(headingOfAzimuth(-136), 224);
    EXPECT_DOUBLE_EQ(headingOfAzimuth(390), 30);
    EXPECT_DOUBLE_EQ(headingOfAzimuth(360), 0);
    EXPECT_DOUBLE_EQ(headingOfAzimuth(-180), 180);
    EXPECT_DOUBLE_EQ(headingOfAzimuth(0), 0);
    EXPECT_LT(headingOfAzimuth(-1e-17), 360);
}

TEST(LevelElevation, IsZeroMovedIntoTheElevationRange)
{
    EXPECT_DOUBLE_EQ(levelElevation({0, 360, 0, 90}), 0);
    EXPECT_DOUBLE_EQ(levelElevation({0, 360, 5, 90}), 5);
    EXPECT_DOUBLE_EQ(levelElevation({0, 360, 0, 0}), 0);
    EXPECT_DOUBLE_EQ(levelElevation({0, 360, 10, 5}), 0);  // nonsense from outside
}

TEST(RangeOverlaps, WhenItSpansAWholeTurnOrMore)
{
    EXPECT_TRUE(rangeOverlaps({0, 450, 0, 0}));
    EXPECT_TRUE(rangeOverlaps({0, 360, 0, 0}));
    EXPECT_FALSE(rangeOverlaps({0, 180, 0, 0}));
    EXPECT_FALSE(rangeOverlaps({-170, 170, 0, 0}));
}

}  // namespace
}  // namespace qvk::rotator
