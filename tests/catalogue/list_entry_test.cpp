#include "catalogue/list_entry.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

using Status = EntryPosition::Status;

TEST(PositionOfEntry, ReadsTheCoordinatePairAtTheEndOfAnEntry)
{
    const auto germany = positionOfEntry("DA-DL  Fed. Rep. of Germany (EU CQ14 ITU28) N°51.00\\E°10.00"_cp1252);
    ASSERT_EQ(germany.status, Status::Found);
    EXPECT_DOUBLE_EQ(static_cast<double>(germany.position.latitude), 51.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(germany.position.longitude), -10.0);  // east is negative

    const auto city = positionOfEntry("Montgomery  N°32.22\\W°86.18"_cp1252);
    ASSERT_EQ(city.status, Status::Found);
    EXPECT_DOUBLE_EQ(static_cast<double>(city.position.latitude), 32.37);
    EXPECT_DOUBLE_EQ(static_cast<double>(city.position.longitude), 86.30);

    // south and east are both negative
    const auto sydney = positionOfEntry("VK  Australia (OC) S°33.52\\E°151.13"_cp1252);
    ASSERT_EQ(sydney.status, Status::Found);
    EXPECT_DOUBLE_EQ(static_cast<double>(sydney.position.latitude), -33.87);
    EXPECT_DOUBLE_EQ(static_cast<double>(sydney.position.longitude), -151.22);
}

TEST(PositionOfEntry, WarnsAboutAMissingHemisphere)
{
    const auto prompt = positionOfEntry("Click on a state or dxcc first.");
    EXPECT_EQ(prompt.status, Status::NoLatitude);
    EXPECT_EQ(prompt.message, kNoLatitudeWarning);
    EXPECT_EQ(positionOfEntry("No Alabama City List").status, Status::NoLatitude);
    const auto noLongitude = positionOfEntry("Somewhere  N°32.22\\86.18"_cp1252);
    EXPECT_EQ(noLongitude.status, Status::NoLongitude);
    EXPECT_EQ(noLongitude.message, kNoLongitudeWarning);
}

TEST(PositionOfEntry, NamesTheTextsOfAnInvalidPosition)
{
    const auto entry = positionOfEntry("Nowhere  N°32\\W°86.18"_cp1252);
    EXPECT_EQ(entry.status, Status::InvalidDegrees);
    EXPECT_EQ(entry.message, "Invalid degrees: N°32  W°86.18"_cp1252);
}

}  // namespace
}  // namespace qvk
