#pragma once
// A point of the Beam Map as the operator reads it under the pointer: its
// position in the program's degrees.minutes notation, its 6-character
// locator, and its heading and distance from home.
//
// The position is the one its pair text reads back as (whole minutes, then
// two decimals of a degree), so a click, the main window and qvk-calc bearing
// on the same text all compute the very same heading.

#include "core/geodesic.h"
#include "ui/beammap/beam_map.h"

#include <optional>
#include <string>

namespace qvk::beammap {

struct MapPointReading {
    SignedPosition position;  // north and west positive, as the pair text reads
    std::string pairText;     // Windows-1252: N°32.39\W°86.43
    std::string locator;      // EM62PP
    BearingResult fromHome;
};

// nullopt off the Earth (beyond its outline) or where the heading cannot be computed.
std::optional<MapPointReading> readMapPoint(const BeamMap& map, QPointF metres);

}  // namespace qvk::beammap
