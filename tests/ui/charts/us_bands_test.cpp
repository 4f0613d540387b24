#include "fake_platform.h"
#include "layout_checks.h"
#include "window_driving.h"

#include "ui/charts/us_bands.h"

#include <QImage>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

bool showsTheBuiltInChart(QWidget& window)
{
    const QImage builtIn(":/charts/bands_builtin.gif");
    return !builtIn.isNull() && picture(window).toImage().convertToFormat(QImage::Format_ARGB32) ==
                                    builtIn.convertToFormat(QImage::Format_ARGB32);
}

TEST(USAmateurBands, WithoutBandsGifTheBuiltInChartIsShownAtTheDesignSize)
{
    FakePlatform platform;
    TUSBands window(platform);
    showAndActivate(window);

    EXPECT_EQ(platform.warnings, QStringList{"File: 'bands.gif' not found."});
    EXPECT_EQ(window.windowTitle(), "US Amateur Bands");
    EXPECT_TRUE(showsTheBuiltInChart(window));
    EXPECT_EQ(picture(window).size(), QSize(827, 502));
    EXPECT_EQ(window.size(), QSize(827, 527));
    const QWidget& okPanel = child(window, "Panel1");
    EXPECT_EQ(cutOff({&okPanel}, window), QStringList{});
    EXPECT_GE(okPanel.y(), picture(window).height()) << "the OK panel covers the chart";
    EXPECT_TRUE(hasRoomFor(child(window, "SpeedButton1"), "OK"));
}

TEST(USAmateurBands, AnUnreadableBandsGifLeavesTheBuiltInChart)
{
    FakePlatform platform;
    platform.writeFile("bands.gif", "not a picture at all");
    TUSBands window(platform);
    showAndActivate(window);

    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(showsTheBuiltInChart(window));
}

}  // namespace
}  // namespace qvk::ui
