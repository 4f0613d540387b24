#include "core/maidenhead.h"

#include "core/angle_notation.h"
#include "support/windows1252_literal.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

struct Corner {
    const char* locator;
    std::string pair;  // "°" is the byte 0xB0
};

class LocatorCorner : public ::testing::TestWithParam<Corner> {};

TEST_P(LocatorCorner, IsTheSouthWestCornerInDegreesAndMinutes)
{
    ASSERT_FALSE(locatorWarning(GetParam().locator));
    EXPECT_EQ(locatorCorner(GetParam().locator), GetParam().pair);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LocatorCorner,
    ::testing::Values(Corner{"EL29", "N°29.00\\W°96.00"_cp1252},
                      Corner{"EL29AB", "N°29.02\\W°96.00"_cp1252},  // 2.5 minutes round to the even 2
                      Corner{"EL29BA", "N°29.00\\W°95.55"_cp1252}, Corner{"EL29MM", "N°29.30\\W°95.00"_cp1252},
                      Corner{"EL29XX", "N°29.58\\W°94.05"_cp1252},  // 57.5 rounds to the even 58
                      // west of Greenwich although its whole degrees are 0
                      Corner{"IO91WM", "N°51.30\\W°0.10"_cp1252}, Corner{"QF56", "S°34.00\\E°150.00"_cp1252},
                      // south of the equator with minutes: counted back from the next degree
                      Corner{"QF56AB", "S°33.58\\E°150.00"_cp1252}, Corner{"JJ00", "N°0.00\\E°0.00"_cp1252},
                      Corner{"AA00AA", "S°90.00\\W°180.00"_cp1252}, Corner{"RR99XX", "N°89.58\\E°179.55"_cp1252}));

TEST(LocatorWarning, NamesTheFirstCharacterThatDoesNotFit)
{
    EXPECT_EQ(locatorWarning("EL2"), "Grid description must be 4 or 6 characters in length.");
    EXPECT_EQ(locatorWarning("EL29A"), "Grid description must be 4 or 6 characters in length.");
    EXPECT_EQ(locatorWarning("EZ29"), "Invalid Grid description - Z");
    EXPECT_EQ(locatorWarning("EL29AZ"), "Invalid Grid description - Z");
    EXPECT_EQ(locatorWarning("SL29"), "Invalid Grid description - S");
    EXPECT_EQ(locatorWarning("ELA9"), "Invalid Grid description - A");
    EXPECT_EQ(locatorWarning("el29"), "Invalid Grid description - e");  // callers upper-case first
}

TEST(GridCalc, GivesTheFourCharacterLocatorOfAPosition)
{
    // N°29.18 W°94.47 is 29.30 N, 94.78 W after conversion
    EXPECT_EQ(GridCalc(29.30, 94.78), "EL29");
    EXPECT_EQ(GridCalc(-33.87, -151.20), "QF56");
    EXPECT_EQ(GridCalc(51.50, 0.12), "IO91");
    EXPECT_EQ(GridCalc(0.0, 0.0), "JJ00");
}

TEST(GridCalc, KeepsToTheLocatorAlphabetAtAndBeyondTheEdges)
{
    EXPECT_EQ(GridCalc(90, -180), "RR99");  // 90 N, 180 E
    EXPECT_EQ(GridCalc(-90, 180), "AA00");
    EXPECT_EQ(GridCalc(95, -200), "RR99");  // a typed position beyond the poles
    EXPECT_EQ(GridCalc(-95, 200), "AA00");
}

TEST(GridCalc, AgreesWithTheCornerOfTheLocatorItGives)
{
    for (const char* locator : {"EL29", "IO91", "QF56", "FN31", "PM95", "KG43", "AA00", "RR99"}) {
        const auto converted = toDecimalPair(locatorCorner(locator));
        ASSERT_TRUE(converted) << locator;
        const auto position = readByHemisphere(*converted).position;
        // a hair inside the square, away from the corner's own rounding
        EXPECT_EQ(GridCalc(position.latitude + 0.01L, position.longitude - 0.01L), locator);
    }
}

}  // namespace
}  // namespace qvk
