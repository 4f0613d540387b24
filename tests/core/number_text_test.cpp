#include "core/number_text.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheDecimalDigits)
{
    EXPECT_EQ(formatFixed(44.25, 1), "44.3");
    EXPECT_EQ(formatFixed(44.24, 1), "44.2");
    EXPECT_EQ(formatFixed(0.15, 1), "0.2");  // 0.1499999... in binary, 0.15 in its digits
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(359.96, 1), "360.0");
    EXPECT_EQ(formatFixed(0.65, 2), "0.65");
    EXPECT_EQ(formatFixed(0.983333, 2), "0.98");
    EXPECT_EQ(formatFixed(0, 1), "0.0");
    EXPECT_EQ(formatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(formatFixed(0.004, 2), "0.00");
    EXPECT_EQ(formatFixed(9.999, 2), "10.00");
}

TEST(FormatGrouped, PutsSeparatorsBetweenThousands)
{
    EXPECT_EQ(formatGrouped(7026.4), "7,026");
    EXPECT_EQ(formatGrouped(999.5), "1,000");
    EXPECT_EQ(formatGrouped(12345678.5), "12,345,679");
    EXPECT_EQ(formatGrouped(0.4), "0");
    EXPECT_EQ(formatGrouped(-1234), "-1,234");
    EXPECT_EQ(formatGrouped(19928.9, 0), "19929");
}

TEST(ParseDecimal, ReadsThePointWhateverTheLocale)
{
    EXPECT_EQ(parseDecimal("32.65"), 32.65L);
    EXPECT_EQ(parseDecimal(".39"), 0.39L);
    EXPECT_EQ(parseDecimal("-33.87"), -33.87L);
    EXPECT_EQ(parseDecimal(" +5. "), 5.0L);
    EXPECT_EQ(parseDecimal("1e2"), 100.0L);
    EXPECT_FALSE(parseDecimal(""));
    EXPECT_FALSE(parseDecimal("."));
    EXPECT_FALSE(parseDecimal("32,65"));
    EXPECT_FALSE(parseDecimal("- 5"));
    EXPECT_FALSE(parseDecimal("5x"));
    EXPECT_FALSE(parseDecimal("1e"));
    EXPECT_FALSE(parseDecimal("1e99999"));
    EXPECT_FALSE(parseDecimal(".39390e02009"));  // fits an 80-bit long double, not a double
}

TEST(ParseWholeNumber, AllowsLeadingBlanksAndASignButNothingAfterTheDigits)
{
    EXPECT_EQ(parseWholeNumber(" 5"), 5);
    EXPECT_EQ(parseWholeNumber("+12"), 12);
    EXPECT_EQ(parseWholeNumber("-0"), 0);
    EXPECT_FALSE(parseWholeNumber("5 "));
    EXPECT_FALSE(parseWholeNumber(""));
    EXPECT_FALSE(parseWholeNumber("-"));
    EXPECT_FALSE(parseWholeNumber("99999999999999999999"));
}

}  // namespace
}  // namespace qvk
