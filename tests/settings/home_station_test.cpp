#include "settings/home_station.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

// "\xB0" in these texts is the degree sign, the program's single byte 0xB0.
const std::string kTwoCharacters = "Minutes must be two characters in length.";
const std::string kRange = "Minutes must be between 00 and 59.";

using Outcome = HomeTextsCheck::Outcome;

// Test names in ctest show a row's texts, without their degree signs.
std::string plain(std::string_view bytes)
{
    std::string text;
    for (char c : bytes)
        if (c != kDegreeSign) text += c;
    return text;
}

struct Check {
    std::string latitude;
    std::string longitude;
    Outcome outcome;
    std::string text;
};

void PrintTo(const Check& row, std::ostream* out) { *out << plain(row.latitude) << ' ' << plain(row.longitude); }

class HomeTextsChecks : public ::testing::TestWithParam<Check> {};

TEST_P(HomeTextsChecks, ReportOnlyTheFirstFailure)
{
    const HomeTextsCheck check = checkHomeTexts(GetParam().latitude, GetParam().longitude);
    EXPECT_EQ(check.outcome, GetParam().outcome);
    EXPECT_EQ(check.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Save, HomeTextsChecks,
                         ::testing::Values(Check{"N°29.18"_cp1252, "W°94.47"_cp1252, Outcome::Accepted, ""},
                                           // minutes are not a decimal fraction: .5 is ambiguous, so it is refused
                                           Check{"N°29.5"_cp1252, "W°94.47"_cp1252, Outcome::Warning, kTwoCharacters},
                                           Check{"N°29.60"_cp1252, "W°94.47"_cp1252, Outcome::Warning, kRange},
                                           Check{"N°29.05"_cp1252, "W°94.47"_cp1252, Outcome::Accepted, ""},
                                           Check{"S°0.59"_cp1252, "E°0.00"_cp1252, Outcome::Accepted, ""},
                                           // a text without a point is its own minutes part
                                           Check{"N°29"_cp1252, "W°94.47"_cp1252, Outcome::Warning, kTwoCharacters},
                                           // both wrong: the longitude is looked at first
                                           Check{"N°29.60"_cp1252, "W°94.7"_cp1252, Outcome::Warning, kTwoCharacters},
                                           Check{"N°29.60"_cp1252, "W°94.75"_cp1252, Outcome::Warning, kRange},
                                           // both lengths are checked before either range
                                           Check{"N°29.5"_cp1252, "W°94.60"_cp1252, Outcome::Warning, kTwoCharacters},
                                           Check{"N°29.5x"_cp1252, "W°94.47"_cp1252, Outcome::Error,
                                                 "'5x' is not a valid floating point value."},
                                           // the longitude's range fails before the latitude's minutes are read
                                           Check{"N°29.5x"_cp1252, "W°94.60"_cp1252, Outcome::Warning, kRange},
                                           Check{"N°29.60"_cp1252, "W°94.4x"_cp1252, Outcome::Error,
                                                 "'4x' is not a valid floating point value."}));

struct Home {
    std::string latitude;
    std::string longitude;
    double northLatitude;
    double westLongitude;
};

void PrintTo(const Home& row, std::ostream* out) { *out << plain(row.latitude) << ' ' << plain(row.longitude); }

class HomePositions : public ::testing::TestWithParam<Home> {};

TEST_P(HomePositions, AreDecimalDegreesNorthAndWestPositive)
{
    const HomeReading home = homePosition(GetParam().latitude, GetParam().longitude);
    ASSERT_EQ(home.outcome, HomeReading::Outcome::Found) << home.message;
    EXPECT_NEAR(static_cast<double>(home.position.latitude), GetParam().northLatitude, 1e-12);
    EXPECT_NEAR(static_cast<double>(home.position.longitude), GetParam().westLongitude, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Homes, HomePositions,
                         ::testing::Values(Home{"N°29.18"_cp1252, "W°94.47"_cp1252, 29.30, 94.78},
                                           Home{"S°33.52"_cp1252, "E°151.13"_cp1252, -33.87, -151.22},
                                           Home{"N°32.39"_cp1252, "W°86.43"_cp1252, 32.65, 86.72},
                                           Home{"S°0.30"_cp1252, "E°0.06"_cp1252, -0.50, -0.10},
                                           Home{"N°51.30"_cp1252, "E°0.07"_cp1252, 51.50, -0.12}));

TEST(HomePosition, ATextWithoutHemisphereIsInvalidDegrees)
{
    // it passes the minutes checks, so the conversion is what stops it
    EXPECT_EQ(checkHomeTexts("29.18", "W°94.47"_cp1252).outcome, Outcome::Accepted);
    const HomeReading home = homePosition("29.18", "W°94.47"_cp1252);
    EXPECT_EQ(home.outcome, HomeReading::Outcome::InvalidDegrees);
    EXPECT_EQ(home.message, "Invalid degrees: 29.18  W°94.47"_cp1252);
}

TEST(HomePosition, DegreesThatAreNotANumberAreReportedAsSuch)
{
    const HomeReading home = homePosition("N°2x.18"_cp1252, "W°94.47"_cp1252);
    EXPECT_EQ(home.outcome, HomeReading::Outcome::InvalidNumber);
    EXPECT_EQ(home.message, "'2x.30' is not a valid floating point value.");
}

}  // namespace
}  // namespace qvk
