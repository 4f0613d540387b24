#include "ui/beammap/grey_line.h"

#include "ui/beammap/great_circles.h"
#include "ui/beammap/projected_world.h"

namespace qvk::beammap {
namespace {

constexpr int kCirclePoints = 720;
constexpr double kLongestEdgeDegrees = 1;

QPainterPath capRound(GeoPoint centre, double radiusDegrees, const AzimuthalProjection& projection)
{
    return projectedArea({circleAround(centre, radiusDegrees, kCirclePoints)}, projection, kLongestEdgeDegrees);
}

}  // namespace

GreyLine greyLineAt(double unixSeconds, const AzimuthalProjection& projection)
{
    GreyLine line;
    line.sun = subsolarPoint(unixSeconds);
    const GeoPoint sun{line.sun.latitude, line.sun.longitude};
    const GeoPoint opposite = antipodeOf(sun);
    line.afterSunset = capRound(opposite, 90 + kSunsetAltitude, projection);
    line.night = capRound(opposite, 90 + kCivilDuskAltitude, projection);
    if (!projection.inAntipodeCap(sun)) line.subsolar = projection.forward(sun);
    return line;
}

}  // namespace qvk::beammap
