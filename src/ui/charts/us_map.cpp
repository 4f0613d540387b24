#include "ui/charts/us_map.h"

#include "ui/common/colours.h"

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
        .background = kTan,
        .okPanel = {"Panel23", "SpeedButton20", QRect(211, 327, 70, 17), QColor()},
    };
}

}  // namespace

TUSMap::TUSMap(Platform& platform, QWidget* parent) : ChartWindow(platform, usMapDesign(), parent) {}

}  // namespace qvk::ui
