#include "fake_platform.h"
#include "layout_checks.h"
#include "window_driving.h"

#include "ui/charts/us_map.h"

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

TEST(USCallMap, WithoutZonesGifTheWindowStaysEmptyAtItsDesignSizeWithItsOkButton)
{
    FakePlatform platform;
    TUSMap window(platform);
    showAndActivate(window);

    EXPECT_EQ(platform.warnings, QStringList{"File: 'Zones.gif' not found."});
    EXPECT_EQ(window.windowTitle(), "US Call Map");
    EXPECT_TRUE(picture(window).isNull());
    EXPECT_EQ(window.size(), QSize(501, 348));
    EXPECT_EQ(cutOff({&child(window, "Panel23")}, window), QStringList{});
    EXPECT_TRUE(child(window, "SpeedButton20").isVisible());
    EXPECT_TRUE(hasRoomFor(child(window, "SpeedButton20"), "OK"));
}

}  // namespace
}  // namespace qvk::ui
