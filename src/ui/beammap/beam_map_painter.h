#pragma once
// Draws the Beam Map into any QPainter: the window's canvas and the PNG of
// qvk-calc map share it.
//
// The base layer changes only with the home, the zoom or a pan: sea, land,
// coasts and borders, range rings and the DXCC entities. The overlay changes
// every minute or with the target: the grey line, the azimuth scale, the beam
// and the legend. A window may keep the base layer as a picture and paint
// only the overlay over it.

#include "ui/beammap/beam_map.h"
#include "ui/beammap/map_view.h"

class QPainter;

namespace qvk::beammap {

// Range rings: every 2,500 km, or 2,000 miles when miles are chosen.
double rangeRingStepMetres(DistanceUnit unit);

// The three parts of the beam on the map, in metres: the short path from home
// to the target, its continuation to the Earth's outline (where the long path
// comes in), and the long path's start, from home the opposite way.
struct BeamLines {
    QLineF shortPath;
    QLineF beyondTarget;
    QLineF longPathStart;
};
BeamLines beamLines(const BeamTarget& target, const AzimuthalProjection& projection);

void paintBaseLayer(QPainter& painter, const MapView& view, const BeamMap& map);
void paintOverlay(QPainter& painter, const MapView& view, const BeamMap& map);
void paintBeamMap(QPainter& painter, const MapView& view, const BeamMap& map);

}  // namespace qvk::beammap
