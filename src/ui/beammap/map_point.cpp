#include "ui/beammap/map_point.h"

#include "catalogue/list_entry.h"
#include "core/position_text.h"

#include <cmath>

namespace qvk::beammap {

std::optional<MapPointReading> readMapPoint(const BeamMap& map, QPointF metres)
{
    const AzimuthalProjection& projection = map.projection();
    const QPointF rim = projection.outlineAt(azimuthOf(metres));
    if (std::hypot(metres.x(), metres.y()) > std::hypot(rim.x(), rim.y())) return std::nullopt;
    MapPointReading reading;
    reading.pairText = pairText(programPosition(projection.reverse(metres)));
    const EntryPosition entry = positionOfEntry(reading.pairText);
    if (entry.status != EntryPosition::Status::Found) return std::nullopt;
    reading.position = entry.position;
    reading.locator = subsquareLocator(reading.position.latitude, reading.position.longitude);
    const SignedPosition home = map.home();
    const auto result =
        inverseGeodesic(home.latitude, home.longitude, reading.position.latitude, reading.position.longitude);
    if (!result) return std::nullopt;
    reading.fromHome = *result;
    return reading;
}

}  // namespace qvk::beammap
