// The shipped DXCC list must resolve entry by entry, and the typed search must
// find every entity's canonical prefix.

#include "catalogue/list_entry.h"
#include "catalogue/master_list.h"
#include "catalogue/prefix_aliases.h"
#include "core/line_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace qvk {
namespace {

std::vector<std::string> shippedEntries()
{
    const auto reading = readLineFile(std::string(QVK_DATA_DIR) + "/states.txt");
    EXPECT_TRUE(reading.read());
    return dxccEntries(reading.lines);
}

TEST(ShippedDxccList, EveryEntryResolvesToAPosition)
{
    const auto entries = shippedEntries();
    EXPECT_GT(entries.size(), 330u);
    for (const auto& entry : entries) {
        const EntryPosition position = positionOfEntry(entry);
        ASSERT_EQ(position.status, EntryPosition::Status::Found) << entry;
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

// The prefixes that a prefix field spans: "PJ5-PJ8" spans PJ5, PJ6, PJ7 and
// PJ8; its two ends differ in one character, which runs through the digits or
// the letters between them.
std::vector<std::string> spannedPrefixes(const std::string& field)
{
    const auto dash = field.find('-');
    if (dash == std::string::npos) return {field};
    const std::string first = field.substr(0, dash), last = field.substr(dash + 1);
    EXPECT_EQ(first.size(), last.size()) << field;
    std::size_t at = 0;
    while (at < first.size() && first[at] == last[at]) ++at;
    if (at == first.size()) return {first};
    std::vector<std::string> spanned;
    for (std::string prefix = first; prefix[at] <= last[at]; ++prefix[at]) spanned.push_back(prefix);
    return spanned;
}

TEST(ShippedDxccList, NoEntityClaimsAnotherEntitysPrefix)
{
    // Found when PJ5-PJ8 named Saba & St. Eustatius: PJ7 and PJ8 are Sint Maarten's.
    std::map<std::string, std::set<std::string>> entitiesOfPrefix;
    for (const auto& entry : shippedEntries()) {
        const auto fieldEnd = entry.find("  ");
        const std::string name = entry.substr(fieldEnd + 2, entry.find(" (") - fieldEnd - 2);
        for (const auto& prefix : spannedPrefixes(entry.substr(0, fieldEnd))) entitiesOfPrefix[prefix].insert(name);
    }
    for (const auto& [prefix, entities] : entitiesOfPrefix) {
        EXPECT_EQ(entities.size(), 1u) << prefix << " is listed for " << *entities.begin() << " and "
                                       << *entities.rbegin();
    }
}

}  // namespace
}  // namespace qvk
