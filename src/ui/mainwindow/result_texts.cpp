#include "ui/mainwindow/result_texts.h"

#include "core/geodesic.h"
#include "core/number_text.h"

namespace qvk {

HeadingTexts headingTexts(double bearing, std::string_view name)
{
    HeadingTexts texts;
    const std::string heading = "Degrees:  " + formatFixed(bearing, 1);
    texts.headingPanel = heading + "   " + std::string(name);
    texts.headingLabel = heading;
    texts.longPathLabel = "  (" + formatFixed(longPathHeading(bearing), 1) + ")";
    return texts;
}

std::string distanceText(double metres, bool miles)
{
    return formatGrouped(miles ? metresToMiles(metres) : metresToKilometres(metres));
}

}  // namespace qvk
