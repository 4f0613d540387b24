#include "core/angle_notation.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

// "°" in these texts is the program's single byte 0xB0.
std::string pair(std::string_view latitude, std::string_view longitude)
{
    std::string text(latitude);
    text += '\\';
    text += longitude;
    return text;
}

struct Conversion {
    std::string given;
    std::string converted;
};

class DecimalPair : public ::testing::TestWithParam<Conversion> {};

TEST_P(DecimalPair, ConvertsMinutesToHundredthsOfADegree)
{
    EXPECT_EQ(toDecimalPair(GetParam().given), GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecimalPair,
    ::testing::Values(Conversion{pair("N\xB0" "32.39", "W\xB0" "86.43"), pair("N\xB0" "32.65", "W\xB0" "86.72")},
                      Conversion{pair("S\xB0" "33.52", "E\xB0" "151.13"), pair("S\xB0" "33.87", "E\xB0" "151.22")},
                      Conversion{pair("N\xB0" "0.30", "W\xB0" "0.06"), pair("N\xB0" "0.50", "W\xB0" "0.10")},
                      // one digit after the point is tens of minutes
                      Conversion{pair("N\xB0" "10.5", "W\xB0" "20.00"), pair("N\xB0" "10.83", "W\xB0" "20.00")},
                      Conversion{pair("N\xB0" "45.59", "E\xB0" "7.00"), pair("N\xB0" "45.98", "E\xB0" "7.00")},
                      // only two characters after the point count; up to seven more trail off
                      Conversion{pair("N\xB0" "32.391", "W\xB0" "86.43 (AL)"), pair("N\xB0" "32.65", "W\xB0" "86.72")}));

TEST(DecimalPairFailure, RejectsTextsThatAreNotDegreesAndMinutes)
{
    EXPECT_FALSE(toDecimalPair(pair("N\xB0" "32", "W\xB0" "86.43")));     // no point
    EXPECT_FALSE(toDecimalPair(pair("N\xB0" "32.x9", "W\xB0" "86.43")));  // not a number
    EXPECT_FALSE(toDecimalPair(pair("N\xB0" "32.", "W\xB0" "86.43")));    // point alone
    EXPECT_FALSE(toDecimalPair("N\xB0" "32.39"));                           // no longitude
    EXPECT_FALSE(toDecimalPair(pair("32.39", "W\xB0" "86.43")));          // no hemisphere
    // 75 minutes is no position: converting it would silently drop a degree
    EXPECT_FALSE(toDecimalPair(pair("N\xB0" "32.75", "W\xB0" "86.43")));
    EXPECT_FALSE(toDecimalPair(pair("N\xB0" "32.39", "W\xB0" "86.60")));
}

TEST(ConvertToDecMins, ConvertsTheCurrentPairInPlaceAndKeepsItOnFailure)
{
    currentCoordinatePair() = pair("N\xB0" "32.39", "W\xB0" "86.43");
    EXPECT_TRUE(ConvertToDecMins());
    EXPECT_EQ(currentCoordinatePair(), pair("N\xB0" "32.65", "W\xB0" "86.72"));

    currentCoordinatePair() = pair("N\xB0" "32", "W\xB0" "86.43");
    EXPECT_FALSE(ConvertToDecMins());
    EXPECT_EQ(currentCoordinatePair(), pair("N\xB0" "32", "W\xB0" "86.43"));
}

TEST(ReadByHemisphere, SouthAndEastAreNegative)
{
    const auto reading = readByHemisphere(pair("S\xB0" "33.87", "E\xB0" "151.22"));
    ASSERT_TRUE(reading.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.latitude), -33.87);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.longitude), -151.22);

    const auto north = readByHemisphere(pair("N\xB0" "32.65", "W\xB0" "86.72"));
    ASSERT_TRUE(north.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(north.position.latitude), 32.65);
    EXPECT_DOUBLE_EQ(static_cast<double>(north.position.longitude), 86.72);
}

TEST(ReadByHemisphere, NamesTheTextThatIsNotANumber)
{
    const auto reading = readByHemisphere(pair("N\xB0" "3x.65", "W\xB0" "86.72"));
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.invalidText, "3x.65");
}

TEST(ReadByPosition, TakesTheSignsFromTheTypedTexts)
{
    const auto reading = readByPosition(pair("S\xB0" "33.87", "E\xB0" "151.22"), "S\xB0" "33.52", "E\xB0" "151.13");
    ASSERT_TRUE(reading.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.latitude), -33.87);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.longitude), -151.22);

    const auto home = readByPosition(pair("N\xB0" "32.65", "W\xB0" "86.72"), "N\xB0" "32.39", "W\xB0" "86.43");
    ASSERT_TRUE(home.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.latitude), 32.65);
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.longitude), 86.72);
}

TEST(HemisphereToggle, AddsAMissingPrefixThenFlipsBetweenTheTwo)
{
    EXPECT_EQ(toggledHemisphere("32.39", Axis::Latitude), "N\xB0" "32.39");
    EXPECT_EQ(toggledHemisphere("N\xB0" "32.39", Axis::Latitude), "S\xB0" "32.39");
    EXPECT_EQ(toggledHemisphere("S\xB0" "32.39", Axis::Latitude), "N\xB0" "32.39");
    EXPECT_EQ(toggledHemisphere("86.43", Axis::Longitude), "W\xB0" "86.43");
    EXPECT_EQ(toggledHemisphere("W\xB0" "86.43", Axis::Longitude), "E\xB0" "86.43");
    EXPECT_EQ(toggledHemisphere("E\xB0" "86.43", Axis::Longitude), "W\xB0" "86.43");
}

}  // namespace
}  // namespace qvk
