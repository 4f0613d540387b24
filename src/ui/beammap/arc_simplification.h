#pragma once
// A lighter copy of a line for the wide views of the Beam Map: Douglas and
// Peucker's simplification on longitude and latitude, keeping both ends so
// that arcs still meet where the topology joins them.

#include "ui/beammap/world_topology.h"

namespace qvk::beammap {

// The points of the line that keep every left-out point within the tolerance
// (degrees) of the simplified line.
GeoLine simplified(const GeoLine& line, double toleranceDegrees);

}  // namespace qvk::beammap
