#include "core/angle_notation.h"
#include "support/windows1252_literal.h"

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
    ::testing::Values(Conversion{pair("N°32.39"_cp1252, "W°86.43"_cp1252), pair("N°32.65"_cp1252, "W°86.72"_cp1252)},
                      Conversion{pair("S°33.52"_cp1252, "E°151.13"_cp1252), pair("S°33.87"_cp1252, "E°151.22"_cp1252)},
                      Conversion{pair("N°0.30"_cp1252, "W°0.06"_cp1252), pair("N°0.50"_cp1252, "W°0.10"_cp1252)},
                      // one digit after the point is tens of minutes
                      Conversion{pair("N°10.5"_cp1252, "W°20.00"_cp1252), pair("N°10.83"_cp1252, "W°20.00"_cp1252)},
                      Conversion{pair("N°45.59"_cp1252, "E°7.00"_cp1252), pair("N°45.98"_cp1252, "E°7.00"_cp1252)},
                      // only two characters after the point count; up to seven more trail off
                      Conversion{pair("N°32.391"_cp1252, "W°86.43 (AL)"_cp1252),
                                 pair("N°32.65"_cp1252, "W°86.72"_cp1252)}));

TEST(DecimalPairFailure, RejectsTextsThatAreNotDegreesAndMinutes)
{
    EXPECT_FALSE(toDecimalPair(pair("N°32"_cp1252, "W°86.43"_cp1252)));     // no point
    EXPECT_FALSE(toDecimalPair(pair("N°32.x9"_cp1252, "W°86.43"_cp1252)));  // not a number
    EXPECT_FALSE(toDecimalPair(pair("N°32."_cp1252, "W°86.43"_cp1252)));    // point alone
    EXPECT_FALSE(toDecimalPair("N°32.39"_cp1252));                          // no longitude
    EXPECT_FALSE(toDecimalPair(pair("32.39", "W°86.43"_cp1252)));           // no hemisphere
    // 75 minutes is no position: converting it would silently drop a degree
    EXPECT_FALSE(toDecimalPair(pair("N°32.75"_cp1252, "W°86.43"_cp1252)));
    EXPECT_FALSE(toDecimalPair(pair("N°32.39"_cp1252, "W°86.60"_cp1252)));
}

TEST(ReadByHemisphere, SouthAndEastAreNegative)
{
    const auto reading = readByHemisphere(pair("S°33.87"_cp1252, "E°151.22"_cp1252));
    ASSERT_TRUE(reading.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.latitude), -33.87);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.longitude), -151.22);

    const auto north = readByHemisphere(pair("N°32.65"_cp1252, "W°86.72"_cp1252));
    ASSERT_TRUE(north.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(north.position.latitude), 32.65);
    EXPECT_DOUBLE_EQ(static_cast<double>(north.position.longitude), 86.72);
}

TEST(ReadByHemisphere, NamesTheTextThatIsNotANumber)
{
    const auto reading = readByHemisphere(pair("N°3x.65"_cp1252, "W°86.72"_cp1252));
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.invalidText, "3x.65");
}

TEST(ReadByPosition, TakesTheSignsFromTheTypedTexts)
{
    const auto reading = readByPosition(pair("S°33.87"_cp1252, "E°151.22"_cp1252), "S°33.52"_cp1252, "E°151.13"_cp1252);
    ASSERT_TRUE(reading.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.latitude), -33.87);
    EXPECT_DOUBLE_EQ(static_cast<double>(reading.position.longitude), -151.22);

    const auto home = readByPosition(pair("N°32.65"_cp1252, "W°86.72"_cp1252), "N°32.39"_cp1252, "W°86.43"_cp1252);
    ASSERT_TRUE(home.ok);
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.latitude), 32.65);
    EXPECT_DOUBLE_EQ(static_cast<double>(home.position.longitude), 86.72);
}

TEST(HemisphereToggle, AddsAMissingPrefixThenFlipsBetweenTheTwo)
{
    EXPECT_EQ(toggledHemisphere("32.39", Axis::Latitude), "N°32.39"_cp1252);
    EXPECT_EQ(toggledHemisphere("N°32.39"_cp1252, Axis::Latitude), "S°32.39"_cp1252);
    EXPECT_EQ(toggledHemisphere("S°32.39"_cp1252, Axis::Latitude), "N°32.39"_cp1252);
    EXPECT_EQ(toggledHemisphere("86.43", Axis::Longitude), "W°86.43"_cp1252);
    EXPECT_EQ(toggledHemisphere("W°86.43"_cp1252, Axis::Longitude), "E°86.43"_cp1252);
    EXPECT_EQ(toggledHemisphere("E°86.43"_cp1252, Axis::Longitude), "W°86.43"_cp1252);
}

}  // namespace
}  // namespace qvk
