#include "settings/clocks_file.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

using Lines = std::vector<std::string>;

// Characters 1 to 27 and 52 onward are another program's business: odd ones here.
const std::string kOddFlagLine = "Xy 3#" + std::string(22, '9') + "100000000000000000000001" + "tail\xB0 kept";

Lines withPlaces(const std::string& flagLine, const Lines& places)
{
    Lines lines{flagLine};
    lines.insert(lines.end(), places.begin(), places.end());
    return lines;
}

TEST(ClocksFile, TheBuiltInFlagLinePutsPlace18OnDaylightSaving)
{
    for (int place = 1; place <= kClockPlaces; ++place)
        EXPECT_EQ(daylightSavingFlag(kBuiltInFlagLine, place), place == 18) << "place " << place;
}

TEST(ClocksFile, ThePlacesFlagsSitAtCharacters28To51)
{
    const ClocksFile file = parseClocksFile({kOddFlagLine});
    EXPECT_TRUE(daylightSavingFlag(file.flagLine, 1));
    for (int place = 2; place < kClockPlaces; ++place) EXPECT_FALSE(daylightSavingFlag(file.flagLine, place));
    EXPECT_TRUE(daylightSavingFlag(file.flagLine, 24));
}

TEST(ClocksFile, AnyCharacterButOneIsStandardTime)
{
    std::string flagLine(51, '0');
    flagLine[27] = 'C';
    flagLine[28] = '2';
    EXPECT_FALSE(daylightSavingFlag(flagLine, 1));
    EXPECT_FALSE(daylightSavingFlag(flagLine, 2));
    setDaylightSavingFlag(flagLine, 1, false);
    EXPECT_EQ(flagLine.substr(27, 2), "02");
}

TEST(ClocksFile, SettingAFlagChangesOnlyItsOwnCharacter)
{
    std::string flagLine = kOddFlagLine;
    setDaylightSavingFlag(flagLine, 3, true);
    setDaylightSavingFlag(flagLine, 1, false);
    std::string expected = kOddFlagLine;
    expected[29] = '1';
    expected[27] = '0';
    EXPECT_EQ(flagLine, expected);
}

TEST(ClocksFile, AShortFlagLineIsFilledUpWithZerosBeforeAnyFlagIsTouched)
{
    const std::string twenty = "00000111111111111111";
    const ClocksFile file = parseClocksFile({twenty});
    EXPECT_EQ(file.flagLine, twenty + std::string(31, '0'));
    EXPECT_FALSE(daylightSavingFlag(twenty, 24));

    std::string flagLine = twenty;
    setDaylightSavingFlag(flagLine, 24, true);
    EXPECT_EQ(flagLine, twenty + std::string(30, '0') + "1");
}

struct Reading {
    const char* name;
    Lines read;
    Lines written;
};

void PrintTo(const Reading& reading, std::ostream* out) { *out << reading.name; }

class ClocksFileLines : public ::testing::TestWithParam<Reading> {};

TEST_P(ClocksFileLines, AreWrittenBackAsTwentyFiveLines)
{
    const Lines written = clocksFileLines(parseClocksFile(GetParam().read));
    EXPECT_EQ(written, GetParam().written);
}

const Lines kTwentyFourPlaces = [] {
    Lines places;
    for (int k = 1; k <= kClockPlaces; ++k)
        places.push_back("Place " + std::to_string(k) + "   [" + std::to_string(k - 12) + "]");
    places[6] = "  India   [5.5]   ";  // blanks on both sides are the operator's
    places[9] = "";
    return places;
}();

Lines emptyPlacesAfter(Lines lines)
{
    lines.resize(25);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(Files, ClocksFileLines,
                         ::testing::Values(Reading{"AFullFile", withPlaces(kOddFlagLine, kTwentyFourPlaces),
                                                   withPlaces(kOddFlagLine, kTwentyFourPlaces)},
                                           Reading{"ThreeLines",
                                                   {kBuiltInFlagLine, "London   [0]", "Paris   [1]"},
                                                   emptyPlacesAfter({kBuiltInFlagLine, "London   [0]", "Paris   [1]"})},
                                           Reading{"LinesAfterThe25thDropped",
                                                   [] {
                                                       Lines lines = withPlaces(kBuiltInFlagLine, kTwentyFourPlaces);
                                                       lines.push_back("Tokyo   [9]");
                                                       return lines;
                                                   }(),
                                                   withPlaces(kBuiltInFlagLine, kTwentyFourPlaces)},
                                           Reading{"AnEmptyFile", {}, emptyPlacesAfter({std::string(51, '0')})}),
                         [](const ::testing::TestParamInfo<Reading>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvk
