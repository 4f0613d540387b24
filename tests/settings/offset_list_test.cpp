#include "settings/offset_list.h"

#include <gtest/gtest.h>

#include <string>

namespace qvk {
namespace {

// The hours an entry names in its first parentheses: "(-03:30)" is -3.5,
// "(0.00)" is 0.
double namedHours(std::string_view text)
{
    const auto open = text.find('(');
    const auto close = text.find(')', open);
    const std::string inside(text.substr(open + 1, close - open - 1));
    const auto separator = inside.find_first_of(":.");
    const double hours = std::stod(inside.substr(0, separator));
    const double minutes = std::stod(inside.substr(separator + 1));
    return inside.front() == '-' ? hours - minutes / 60 : hours + minutes / 60;
}

TEST(OffsetList, HasTheNinetyThreeEntries) { EXPECT_EQ(offsetList().size(), 93u); }

TEST(OffsetList, EachEntrySetsTheOffsetItNames)
{
    const auto& entries = offsetList();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Newfoundland has always set -3, not -3.5
        const double expected = i == 48 ? -3 : namedHours(entries[i].text);
        EXPECT_EQ(entries[i].hours, expected) << i << ": " << entries[i].text;
    }
}

struct Entry {
    std::size_t index;
    std::string_view text;
};

void PrintTo(const Entry& row, std::ostream* out) { *out << "entry " << row.index; }

class OffsetEntries : public ::testing::TestWithParam<Entry> {};

TEST_P(OffsetEntries, KeepTheirPlaceAndBlanks) { EXPECT_EQ(offsetList().at(GetParam().index).text, GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Entries, OffsetEntries,
                         ::testing::Values(Entry{0, "Eastern         (-5:00)"}, Entry{6, "Mountain DT(-6:00)"},
                                           Entry{48, "Newfoundland (-03:30) Newfoundland"},
                                           Entry{68, "Iran (+03:30) Tehran"},
                                           Entry{74, "India (+05:30) Bombay, Calcutta, Madras, New Delhi"},
                                           Entry{78, "China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi"},
                                           Entry{79, "Singapore  (+08:00) Singapore "},
                                           Entry{80, "Taipei (+08:00) Taipei "},
                                           Entry{92, "Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia"}));

TEST(OffsetEntryForZone, PrefersTheEntryThatNamesTheZonesCity)
{
    const struct {
        double hours;
        const char* zone;
        int entry;
    } rows[] = {
        {-6, "America/Chicago", 1},      // no entry names Chicago: the first of -6, "Central (-6:00)"
        {-5, "America/New_York", 0},     // "Eastern (-5:00)"
        {10, "Australia/Sydney", 87},    // "AUS Eastern (+10:00) Canberra, Melbourne, Sydney", not "GMT (+10:00)"
        {10, "Australia/Brisbane", 88},  // same offset, another entry
        {-4, "America/La_Paz", 46},      // the underscore is a blank: "SA Western (-04:00) Caracas, La Paz"
        {0, "Europe/London", 53},        // "GMT (0.00) ... London"
        {0, "UTC", 23},                  // a name without a city: "GMT (0:00)"
        {3, "Europe/Istanbul", 26},      // named by "GTB (+02:00)", but today at +3: "GMT (+3:00)"
        {-3.5, "America/St_Johns", -1},  // "Newfoundland (-03:30)" sets -3, not the zone's -3.5
        {5.75, "Asia/Kathmandu", -1},    // no entry sets 5:45
    };
    for (const auto& row : rows) EXPECT_EQ(offsetEntryForZone(row.hours, row.zone), row.entry) << row.zone;
}

}  // namespace
}  // namespace qvk
