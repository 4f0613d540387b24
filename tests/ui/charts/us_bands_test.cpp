#include "fake_platform.h"
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

TEST(USAmateurBands, WithoutBandsGifTheBuiltInChartIsShownAboveOk)
{
    FakePlatform platform;
    TUSBands window(platform);
    showAndActivate(window);

    EXPECT_TRUE(showsTheBuiltInChart(window));
    EXPECT_EQ(picture(window).size(), QSize(827, 502));
    EXPECT_GE(child(window, "Panel1").y(), picture(window).height()) << "the OK panel covers the chart";
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
