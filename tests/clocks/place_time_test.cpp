#include "clocks/place_time.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

struct Row {
    const char* place;
    bool daylightSaving;
    bool military;
    UtcTimeOfDay utc;
    PlaceTime::Status status;
    const char* shown;
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.place << (r.daylightSaving ? " DS" : ""); }

class PlaceRow : public ::testing::TestWithParam<Row> {};

TEST_P(PlaceRow, ShowsThePlacesTime)
{
    const Row& r = GetParam();
    const PlaceTime time = ComputePlaceTime(r.place, r.daylightSaving, r.military, r.utc);
    EXPECT_EQ(time.status, r.status);
    EXPECT_EQ(time.text, r.shown);
}

using S = PlaceTime::Status;

INSTANTIATE_TEST_SUITE_P(
    Offsets, PlaceRow,
    ::testing::Values(
        Row{"India   [5.5]", false, false, {12, 0}, S::Shown, "5:30 PM"},
        Row{"India   [5.5]", false, true, {12, 0}, S::Shown, "17: 30"},
        Row{"India   [5.5]", true, false, {12, 0}, S::Shown, "6:30 PM*"},
        Row{"Chicago [-6]", false, false, {3, 0}, S::Shown, "9:00 PM"},  // the evening before
        // daylight saving lifts 12 past the limit to -11, that is 13 hours ahead
        Row{"Tonga [12]", true, false, {0, 0}, S::Shown, "1:00 PM*"},
        Row{"Samoa [-11]", true, false, {0, 0}, S::Shown, "2:00 PM*"},
        // the hour counts 0.0416674 day: half an hour falls 2.88 ms short
        Row{"X [0.5]", false, false, {12, 0}, S::Shown, "12:29 PM"},
        Row{"X [1.5]", false, false, {12, 0}, S::Shown, "1:30 PM"},
        Row{"X [5.]", false, false, {12, 0}, S::Shown, "5:00 PM"},
        Row{"X [ 5]", false, false, {12, 0}, S::Shown, "5:00 PM"},
        Row{"Nepal [5.75]", false, false, {12, 0}, S::Shown, "5:45 PM"},
        Row{"X [0]", false, true, {0, 0}, S::Shown, "00: 00"},  // valid, though it reads as the invalid text
        Row{"X [0]", false, false, {0, 0}, S::Shown, "12:00 AM"},
        Row{"X [0]", false, false, {12, 5}, S::Shown, "12:05 PM"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(NegativeFractions, PlaceRow,
                         // a fraction goes the offset's way: Newfoundland is three and a half hours behind GMT
                         ::testing::Values(Row{"St Johns [-3.5]", false, false, {12, 0}, S::Shown, "8:30 AM"},
                                           Row{"St Johns [-3.5]", true, false, {12, 0}, S::Shown, "9:30 AM*"},
                                           Row{"X [-0.5]", false, true, {0, 0}, S::Shown, "23: 30"}),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Rejected, PlaceRow,
    ::testing::Values(Row{"X [13]", false, false, {12, 0}, S::Invalid, "00: 00"},
                      Row{"X [-12]", false, false, {12, 0}, S::Invalid, "00: 00"},
                      Row{"X [5 ]", false, false, {12, 0}, S::Invalid, "00: 00"},
                      Row{"X []", false, false, {12, 0}, S::Invalid, "00: 00"},
                      // the first "." of the whole text is the offset's point, and cuts the "[" away
                      Row{"St. Louis [-6]", false, false, {12, 0}, S::Invalid, "00: 00"},
                      Row{"Name [5", false, false, {12, 0}, S::NoOffset, ""},
                      Row{"", false, false, {12, 0}, S::NoOffset, ""},
                      Row{"India   [5.50]", false, false, {12, 0}, S::BadFraction, ""},
                      Row{"Paris [1.3]", false, false, {12, 0}, S::BadFraction, ""},
                      Row{"X [5.5 ]", false, false, {12, 0}, S::BadFraction, ""},
                      // an invalid offset is reported as such before its fraction is looked at
                      Row{"X [13.3]", false, false, {12, 0}, S::Invalid, "00: 00"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(BadFractionWarning, QuotesThePlaceBoxAsTyped)
{
    EXPECT_EQ(badFractionWarning("India   [5.50]"), "Decimal value must be .25, .5, or .75 in - 'India   [5.50]'");
}

// The offset a time zone must have to be offered for the row.
TEST(PlaceOffset, IsTheOffsetTheRowsClockKeeps)
{
    EXPECT_EQ(placeOffsetMinutes("Sydney   [10]"), 600);
    EXPECT_EQ(placeOffsetMinutes("India   [5.5]"), 330);
    EXPECT_EQ(placeOffsetMinutes("Kathmandu   [5.75]"), 345);
    EXPECT_EQ(placeOffsetMinutes("Newfoundland   [-3.5]"), -210);  // the fraction behind, as the clock shows it
    EXPECT_EQ(placeOffsetMinutes("Marquesas [-0.5]"), -30);
    EXPECT_EQ(placeOffsetMinutes("London   [0]"), 0);
    EXPECT_EQ(placeOffsetMinutes("Chicago [ -6]"), -360);
}

TEST(PlaceOffset, IsNoneWhereTheRowShowsNoTime)
{
    for (const char* place : {"", "London", "Name [5", "X [13]", "X [-12]", "Paris [1.3]", "St. Louis [-6]", "X [5 ]"})
        EXPECT_EQ(placeOffsetMinutes(place), std::nullopt) << place;
}

TEST(GmtRow, HasABlankAfterTheColonInBothForms)
{
    EXPECT_EQ(gmtRowText({0, 5}, false), "12: 05 AM");
    EXPECT_EQ(gmtRowText({12, 5}, false), "12: 05 PM");
    EXPECT_EQ(gmtRowText({13, 5}, false), "1: 05 PM");
    EXPECT_EQ(gmtRowText({7, 5}, false), "7: 05 AM");
    EXPECT_EQ(gmtRowText({0, 5}, true), "00: 05");
    EXPECT_EQ(gmtRowText({13, 5}, true), "13: 05");
}

}  // namespace
}  // namespace qvk
