// The shipped DXCC list must resolve entry by entry, and the typed search must
// find every entity's canonical prefix.

#include "catalogue/list_entry.h"
#include "catalogue/master_list.h"
#include "catalogue/prefix_aliases.h"
#include "core/line_file.h"

#include <gtest/gtest.h>

#include <set>

namespace qvk {
namespace {

std::vector<std::string> shippedEntries()
{
    const auto lines = readLines(std::string(QVK_DATA_DIR) + "/states.txt");
    EXPECT_TRUE(lines);
    return lines ? dxccEntries(*lines) : std::vector<std::string>{};
}

TEST(ShippedDxccList, EveryEntryResolvesToAPositionWithoutAZeroCoordinate)
{
    const auto entries = shippedEntries();
    EXPECT_GT(entries.size(), 330u);
    for (const auto& entry : entries) {
        const EntryPosition position = positionOfEntry(entry);
        ASSERT_EQ(position.status, EntryPosition::Status::Found) << entry;
        EXPECT_NE(position.position.latitude, 0) << entry;
        EXPECT_NE(position.position.longitude, 0) << entry;
        EXPECT_LE(entry.size(), kEntryTextLength);
    }
}

TEST(ShippedDxccList, EveryCanonicalPrefixBeginsAnEntry)
{
    std::set<std::string> prefixFields;
    for (const auto& entry : shippedEntries()) prefixFields.insert(entry.substr(0, entry.find("  ")));
    std::set<std::string_view> canonical;
    for (const auto& alias : prefixAliases()) canonical.insert(alias.canonical);
    for (const auto prefix : canonical) {
        const bool found = std::any_of(prefixFields.begin(), prefixFields.end(), [&](const std::string& field) {
            return field == prefix || field.starts_with(std::string(prefix) + "-");
        });
        EXPECT_TRUE(found) << prefix;
    }
}

}  // namespace
}  // namespace qvk
