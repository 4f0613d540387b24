#include "settings/preferences.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

// "\xB0" in these texts is the degree sign, the program's single byte 0xB0.
const std::string kNineteenZeros(19, '0');

using Lines = std::vector<std::string>;

// A file's lines; test names in ctest show its offset and index lines.
struct FileLines {
    Lines lines;
};

void PrintTo(const FileLines& file, std::ostream* out)
{
    *out << "offset " << file.lines.at(3) << " index " << file.lines.at(4);
}

class PreferencesRoundTrip : public ::testing::TestWithParam<FileLines> {};

TEST_P(PreferencesRoundTrip, WritesBackTheLinesItRead)
{
    const PreferencesReading reading = parsePreferences(GetParam().lines);
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(preferencesLines(reading.preferences), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PreferencesRoundTrip,
    ::testing::Values(FileLines{{"0110000000000000000", "W°94.47"_cp1252, "N°29.18"_cp1252, "-5", "0"}},
                      // India: half an hour stays half an hour
                      FileLines{{"1000000000000000000", "E°77.13"_cp1252, "N°28.36"_cp1252, "5.5", "74"}},
                      // no entry chosen, and a flags line whose tail is not ours to change
                      FileLines{{"011XYZ 7", "E°151.13"_cp1252, "S°33.52"_cp1252, "0", "-1"}},
                      FileLines{{"101", "W°0.06"_cp1252, "N°0.30"_cp1252, "-3", "48"}}));

TEST(PreferencesFile, ReadsTheValuesOfEachLine)
{
    const PreferencesReading reading =
        parsePreferences({"1010000000000000000", "E°151.13"_cp1252, "S°33.52"_cp1252, "5.5", "-1"});
    const Preferences& p = reading.preferences;
    EXPECT_TRUE(p.longPath());
    EXPECT_FALSE(p.military());
    EXPECT_TRUE(p.miles());
    // longitude before latitude, as the file has always had them
    EXPECT_EQ(p.longitudeText, "E°151.13"_cp1252);
    EXPECT_EQ(p.latitudeText, "S°33.52"_cp1252);
    EXPECT_DOUBLE_EQ(p.gmtOffset, 5.5);
    EXPECT_EQ(p.offsetIndex, -1);
}

TEST(PreferencesFile, AShortFileGivesSoundDefaults)
{
    const Preferences empty = parsePreferences({}).preferences;
    EXPECT_FALSE(empty.longPath());
    EXPECT_FALSE(empty.military());
    EXPECT_FALSE(empty.miles());
    EXPECT_EQ(empty.longitudeText, "");
    EXPECT_EQ(empty.latitudeText, "");
    EXPECT_EQ(empty.gmtOffset, 0);
    EXPECT_EQ(preferencesLines(empty).size(), 5u);

    // a flags line cut short still carries all three options
    const PreferencesReading shortFlags = parsePreferences({"1", "W°94.47"_cp1252, "N°29.18"_cp1252});
    EXPECT_EQ(shortFlags.error, "");
    EXPECT_EQ(shortFlags.preferences.flags, "100");
    EXPECT_TRUE(shortFlags.preferences.longPath());
    EXPECT_EQ(shortFlags.preferences.latitudeText, "N°29.18"_cp1252);
}

struct BadNumber {
    Lines lines;
    std::string error;
    std::size_t line;
};

void PrintTo(const BadNumber& row, std::ostream* out) { PrintTo(FileLines{row.lines}, out); }

class PreferencesBadNumber : public ::testing::TestWithParam<BadNumber> {};

TEST_P(PreferencesBadNumber, IsReportedAndReadAsZero)
{
    const PreferencesReading reading = parsePreferences(GetParam().lines);
    EXPECT_EQ(reading.error, GetParam().error);
    EXPECT_EQ(reading.errorLine, GetParam().line);  // for the message that names the file and line
    EXPECT_EQ(reading.preferences.gmtOffset, 0);
    // the lines before the bad one still count
    EXPECT_EQ(reading.preferences.latitudeText, "N°29.18"_cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PreferencesBadNumber,
    ::testing::Values(
        // a comma is no decimal separator here, whatever the locale
        BadNumber{
            {"000", "W°94.47"_cp1252, "N°29.18"_cp1252, "5,5", "74"}, "'5,5' is not a valid floating point value.", 4},
        BadNumber{{"000", "W°94.47"_cp1252, "N°29.18"_cp1252, "0", "x"}, "'x' is not a valid integer value.", 5},
        // the offset's line comes first
        BadNumber{{"000", "W°94.47"_cp1252, "N°29.18"_cp1252, "?", "x"}, "'?' is not a valid floating point value.", 4},
        // found by fuzzing: a number too large for the offset once wrote back as "inf"
        BadNumber{{"000", "W°94.47"_cp1252, "N°29.18"_cp1252, ".39390e02009", "0"},
                  "'.39390e02009' is not a valid floating point value.",
                  4}));

struct Offset {
    double hours;
    std::string text;
};

void PrintTo(const Offset& row, std::ostream* out) { *out << row.hours; }

class OffsetText : public ::testing::TestWithParam<Offset> {};

TEST_P(OffsetText, IsTheShortestDecimalForm) { EXPECT_EQ(offsetText(GetParam().hours), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Offsets, OffsetText,
                         ::testing::Values(Offset{-5, "-5"}, Offset{5.5, "5.5"}, Offset{0, "0"}, Offset{-0.0, "0"},
                                           Offset{-3, "-3"}, Offset{9.5, "9.5"}, Offset{0.1, "0.1"}));

TEST(PreferencesFlags, OptionsSetTheFirstThreeCharactersOnly)
{
    Preferences fresh;
    EXPECT_EQ(fresh.flags, kNineteenZeros);
    fresh.setOptions(true, true, false);  // long path, military time, kilometres
    EXPECT_EQ(fresh.flags, "110" + std::string(16, '0'));

    Preferences read = parsePreferences({"0011010"}).preferences;
    read.setOptions(false, true, false);
    EXPECT_EQ(read.flags, "0101010");
}

}  // namespace
}  // namespace qvk
