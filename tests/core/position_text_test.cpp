#include "core/position_text.h"

#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(PositionText, DecimalDegreesBecomeDegreesAndMinutes)
{
    EXPECT_EQ(angleText(32.65L, Axis::Latitude), "N°32.39"_cp1252);
    EXPECT_EQ(angleText(-33.87L, Axis::Latitude), "S°33.52"_cp1252);
    // longitudes are positive west
    EXPECT_EQ(angleText(86.72L, Axis::Longitude), "W°86.43"_cp1252);
    EXPECT_EQ(angleText(-151.22L, Axis::Longitude), "E°151.13"_cp1252);
}

TEST(PositionText, SixtyMinutesCarryIntoTheDegree)
{
    EXPECT_EQ(angleText(29.9999L, Axis::Latitude), "N°30.00"_cp1252);
    EXPECT_EQ(angleText(-0.001L, Axis::Longitude), "W°0.00"_cp1252);
}

TEST(PositionText, APairReadsBackAsItsPosition)
{
    const std::string pair = pairText({51.5L, 0.12L});
    EXPECT_EQ(pair, "N°51.30\\W°0.07"_cp1252);
}

TEST(SubsquareLocator, SixCharactersOfTheSquareGridCalcGives)
{
    EXPECT_EQ(subsquareLocator(32.65L, 86.72L), "EM62PP");
    EXPECT_EQ(subsquareLocator(51.5L, 0.12L), "IO91WM");
    EXPECT_EQ(subsquareLocator(-33.87L, -151.22L), "QF56OD");
    // three minutes north of EL29's corner
    EXPECT_EQ(subsquareLocator(29.05L, 96.0L), "EL29AB");
    // the poles and the date line stay inside the alphabet
    EXPECT_EQ(subsquareLocator(90.0L, -180.0L), "RR99XX");
}

}  // namespace
}  // namespace qvk
