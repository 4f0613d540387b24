#include "fake_platform.h"
#include "window_driving.h"

#include "ui/charts/us_map.h"

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

TEST(USCallMap, WithoutZonesGifTheWindowStaysEmpty)
{
    FakePlatform platform;
    TUSMap window(platform);
    showAndActivate(window);
    EXPECT_TRUE(picture(window).isNull());
}

}  // namespace
}  // namespace qvk::ui
