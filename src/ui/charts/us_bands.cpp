#include "ui/charts/us_bands.h"

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
        .background = QColor(192, 176, 144),
        .okPanel = {"Panel1", "SpeedButton1", QRect(378, 507, 71, 17), QColor(224, 200, 120)},
    };
}

}  // namespace

TUSBands::TUSBands(Platform& platform, QWidget* parent) : ChartWindow(platform, usBandsDesign(), parent) {}

}  // namespace qvk::ui
