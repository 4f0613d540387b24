#include "clocks/toolbar_clock.h"

#include <gtest/gtest.h>

namespace qvk {
namespace {

TEST(ToolbarUtcClock, KeepsItsOwnMorningAndAfternoonForms)
{
    EXPECT_EQ(toolbarUtcText(0, 5, false), "12:05A");
    EXPECT_EQ(toolbarUtcText(9, 7, false), "09:07A");
    EXPECT_EQ(toolbarUtcText(12, 30, false), "12:30P");
    EXPECT_EQ(toolbarUtcText(13, 5, false), "1:05P");
    EXPECT_EQ(toolbarUtcText(23, 59, false), "11:59P");
    EXPECT_EQ(toolbarUtcText(13, 5, true), "13:05");
    EXPECT_EQ(toolbarUtcText(0, 5, true), "00:05");
}

TEST(ToolbarLocalClock, ShowsHoursWithoutALeadingZero)
{
    EXPECT_EQ(toolbarLocalText(15, 7, false), "3:07P");
    EXPECT_EQ(toolbarLocalText(0, 5, false), "12:05A");
    EXPECT_EQ(toolbarLocalText(9, 7, false), "9:07A");
    EXPECT_EQ(toolbarLocalText(12, 0, false), "12:00P");
    EXPECT_EQ(toolbarLocalText(9, 7, true), "09:07");
}

}  // namespace
}  // namespace qvk
