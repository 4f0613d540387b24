#include "catalogue/prefix_aliases.h"

#include <gtest/gtest.h>

#include <set>

namespace qvk {
namespace {

TEST(PrefixAliases, RewriteWholeTypedPrefixesOnly)
{
    EXPECT_EQ(canonicalPrefix("4K"), "4J");
    EXPECT_EQ(canonicalPrefix("RZ"), "RA");
    EXPECT_EQ(canonicalPrefix("DX"), "DU");
    EXPECT_EQ(canonicalPrefix("KH7"), "KH6");
    EXPECT_EQ(canonicalPrefix("EH9"), "EA9");
    EXPECT_EQ(canonicalPrefix("PJ6"), "PJ5");  // Saba & St. Eustatius
    EXPECT_EQ(canonicalPrefix("PJ8"), "PJ7");  // Sint Maarten, once filed under PJ5 too
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
