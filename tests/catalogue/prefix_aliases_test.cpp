#include "catalogue/prefix_aliases.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace qvk {
namespace {

TEST(PrefixAliases, RewriteWholeTypedPrefixesOnly)
{
    // PJ6 is Saba & St. Eustatius; PJ8 is Sint Maarten, once filed under PJ5 too
    const std::pair<const char*, const char*> rewritten[] = {
        {"4K", "4J"}, {"RZ", "RA"}, {"DX", "DU"}, {"KH7", "KH6"}, {"EH9", "EA9"}, {"PJ6", "PJ5"}, {"PJ8", "PJ7"}};
    for (const auto& [alias, canonical] : rewritten) EXPECT_EQ(canonicalPrefix(alias), canonical) << alias;
    EXPECT_FALSE(canonicalPrefix("PJ7"));
    EXPECT_FALSE(canonicalPrefix("4K1"));  // only a whole text is an alias
    EXPECT_FALSE(canonicalPrefix("4J"));   // canonical prefixes stay
    EXPECT_FALSE(canonicalPrefix("4k"));   // letter case counts
    EXPECT_FALSE(canonicalPrefix(""));
}

TEST(PrefixAliases, FormOneUnambiguousTable)
{
    const auto& aliases = prefixAliases();
    EXPECT_EQ(aliases.size(), 266u);
    std::set<std::string_view> seen, canonical;
    for (const auto& [alias, target] : aliases) {
        EXPECT_TRUE(seen.insert(alias).second) << alias << " twice";
        canonical.insert(target);
    }
    EXPECT_EQ(canonical.size(), 60u);
    for (const auto target : canonical) EXPECT_FALSE(seen.count(target)) << target << " is both";
}

}  // namespace
}  // namespace qvk
