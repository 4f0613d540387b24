#include "ui/charts/us_bands.h"

#include "ui/common/colours.h"

namespace qvk::ui {

namespace {

ChartDesign usBandsDesign()
{
    return {
        .windowName = "USBands",
        .caption = "US Amateur Bands",
        .fileName = "bands.gif",
        .clientSize = {827, 527},
        .pictureSize = {827, 502},
        // drawn by tools/make_band_chart.py, like data/bands.gif
        .builtInPicture = ":/charts/bands_builtin.gif",
        .background = kTan,
        .okPanel = {"Panel1", "SpeedButton1", QRect(378, 507, 71, 17), kWheat},
    };
}

}  // namespace

TUSBands::TUSBands(Platform& platform, QWidget* parent) : ChartWindow(platform, usBandsDesign(), parent) {}

}  // namespace qvk::ui
