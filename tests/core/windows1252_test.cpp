#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(Windows1252, TheDegreeSignIsOneByteInFilesAndTwoOnScreen)
{
    // octal escapes: a hex escape would swallow the digits that follow
    EXPECT_EQ(windows1252ToUtf8("N\26032.39"), "N\302\26032.39");
    EXPECT_EQ(utf8ToWindows1252("N\302\26032.39"), "N\26032.39");
}

TEST(Windows1252, TheBytes80To9FAreNotLatin1)
{
    EXPECT_EQ(windows1252ToUtf8("\x80\x91\x92"), "\xE2\x82\xAC\xE2\x80\x98\xE2\x80\x99");  // euro, quotes
    EXPECT_EQ(utf8ToWindows1252("\xE2\x82\xAC"), "\x80");
}

TEST(Windows1252, WhatItCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(utf8ToWindows1252("\xE2\x86\x92"), "?");  // an arrow
    EXPECT_EQ(utf8ToWindows1252("Espa\xC3\xB1ola"), "Espa\xF1ola");
}

TEST(Windows1252, BytesThatAreNotUtf8AreTakenAsTheyStand)
{
    EXPECT_EQ(utf8ToWindows1252("N\26032"), "N\26032");
    EXPECT_EQ(utf8ToWindows1252("\xC2"), "\xC2");
}

}  // namespace
}  // namespace qvk
