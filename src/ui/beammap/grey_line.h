#pragma once
// The grey line on the Beam Map: the night side and the twilight band round
// it, as areas on the map, and the point below the Sun. Both areas are caps
// round the point opposite the Sun: the Sun's centre is 0.833 degrees below
// the horizon 89.167 degrees from that point (sunset as the program counts
// it) and 6 degrees below at 84 degrees (the end of civil twilight).

#include "core/subsolar_point.h"
#include "ui/beammap/azimuthal_projection.h"

#include <QPainterPath>

#include <optional>

namespace qvk::beammap {

struct GreyLine {
    SubsolarPoint sun;
    QPainterPath afterSunset;         // twilight and night: the Sun below -0.833 degrees (metres, winding fill)
    QPainterPath night;               // the Sun below -6 degrees
    std::optional<QPointF> subsolar;  // metres; none when it lies in the cap at the antipode
};

GreyLine greyLineAt(double unixSeconds, const AzimuthalProjection& projection);

}  // namespace qvk::beammap
