#include "catalogue/master_list.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(DxccEntries, TakeTheFirstHundredCharactersAfterTheTag)
{
    const std::string long120(120, 'x');
    const auto entries = dxccEntries({"DX~" + long120});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], std::string(100, 'x'));
}

TEST(DxccEntries, OnlyTheExactTagCounts)
{
    const auto entries =
        dxccEntries({"dx~ZZ  Lower", " DX~ZZ  Space", "AL~Montgomery", "DX", "", "DX~4J-4K  Azerbaijan", "DX~"});
    EXPECT_EQ(entries, (std::vector<std::string>{"4J-4K  Azerbaijan", ""}));
}

TEST(ByCountryEntry, PutsTheNameFirst)
{
    EXPECT_EQ(byCountryEntry("ZZ  Examplia (x)"), "Examplia ZZ  (x)");
    EXPECT_EQ(byCountryEntry("4J-4K  Azerbaijan (AS CQ21 ITU29) N°40.28\\E°47.45"_cp1252),
              "Azerbaijan 4J-4K  (AS CQ21 ITU29) N°40.28\\E°47.45"_cp1252);
    EXPECT_EQ(byCountryEntry("VP8  Falkland & Co (SA) S°51.42\\W°57.51"_cp1252),
              "Falkland & Co VP8  (SA) S°51.42\\W°57.51"_cp1252);
}

TEST(ByCountryEntry, KeepsItsCountingWhereAPartIsMissing)
{
    // no "(": the head, then the whole entry
    EXPECT_EQ(byCountryEntry("ZZ  Examplia"), "ZZ  ZZ  Examplia");
    // no two spaces: the name starts at the second character, the head is the first
    EXPECT_EQ(byCountryEntry("ZZ Examplia (x)"), "Z Examplia Z(x)");
    EXPECT_EQ(byCountryEntry(""), "");
}

}  // namespace
}  // namespace qvk
