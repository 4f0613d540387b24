// Every shipped city list must resolve line by line, near its own state.

#include "catalogue/list_entry.h"
#include "catalogue/state_table.h"
#include "core/geodesic.h"
#include "core/line_file.h"

#include <gtest/gtest.h>

#include <map>

namespace qvk {
namespace {

// How far from its state's centre a city may lie: the larger states reach
// further, and Alaska's Aleutians furthest of all.
double reachInKilometres(std::string_view code)
{
    static const std::map<std::string_view, double> wide = {{"AK", 2600}, {"TX", 900}, {"CA", 900}, {"FL", 800},
                                                            {"HI", 500},  {"MT", 700}, {"NV", 600}, {"MI", 600}};
    const auto found = wide.find(code);
    return found == wide.end() ? 550 : found->second;
}

TEST(CityLists, EveryLineResolvesToAPlaceInItsState)
{
    for (const UsState& state : usStates()) {
        const auto reading = readLineFile(std::string(QVK_DATA_DIR) + "/" + state.cityListFile());
        ASSERT_TRUE(reading.read()) << state.code;
        EXPECT_GE(reading.lines.size(), 40u) << state.code;
        for (const auto& line : reading.lines) {
            const EntryPosition city = positionOfEntry(line);
            ASSERT_EQ(city.status, EntryPosition::Status::Found) << line;
            const auto result = inverseGeodesic(state.centreLatitude, state.centreLongitude, city.position.latitude,
                                                city.position.longitude);
            ASSERT_TRUE(result) << line;
            EXPECT_LT(result->distance / 1000, reachInKilometres(state.code)) << state.code << ": " << line;
        }
    }
}

}  // namespace
}  // namespace qvk
