#include "ui/charts/us_map.h"

namespace qvk::ui {

namespace {

ChartDesign usMapDesign()
{
    return {
        .windowName = "USMap",
        .caption = "US Call Map",
        .fileName = "Zones.gif",
        .clientSize = {501, 348},
        .pictureSize = {501, 324},
        .builtInPicture = {},
        .background = QColor(192, 176, 144),
        .okPanel = {"Panel23", "SpeedButton20", QRect(211, 327, 70, 17), QColor()},
    };
}

}  // namespace

TUSMap::TUSMap(Platform& platform, QWidget* parent) : ChartWindow(platform, usMapDesign(), parent) {}

}  // namespace qvk::ui
