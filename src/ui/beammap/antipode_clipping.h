#pragma once
// Lines and rings on the Beam Map, cut where they meet the cap left out round
// the antipode (see AzimuthalProjection) so that nothing smears across the map.
//
// Projecting a line adds points where the map needs them: along every edge
// longer on the Earth than the caller asks (the topology's edges are great
// circles, which the map bends), along every edge whose two ends land far
// apart on the map (near the antipode a short edge sweeps round a wide arc),
// and exactly on the cap's rim where the line enters or leaves the cap. A projected line's pieces outside the cap are
// then drawn as they are; a polygon's pieces are closed along the outline, walking clockwise round the map, the way the
// land (which lies right of every ring) continues behind the cap.
//
// Rings keep their direction, so the closed rings fill correctly with
// Qt::WindingFill: land clockwise, holes counter-clockwise. A polygon that
// holds the whole cap (land all round the antipode) gets the outline as one
// more clockwise ring, making it the band between its coast and the map's edge.

#include "ui/beammap/azimuthal_projection.h"

#include <QPolygonF>

#include <vector>

namespace qvk::beammap {

// Edges longer than this on the map are split (metres). Where the map
// stretches edges this long, near the antipode, they run along circles of
// some 20,000 km round home, so the straight chord strays under 2 km from them.
inline constexpr double kLongestProjectedEdge = 500e3;

struct ProjectedVertex {
    GeoPoint geo;
    QPointF metres;
    bool inCap = false;
};
using ProjectedLine = std::vector<ProjectedVertex>;

// maxEdgeDegrees: the longest edge on the Earth left unsplit.
ProjectedLine projectLine(const GeoLine& line, const AzimuthalProjection& projection, double maxEdgeDegrees);

// The runs of a projected line outside the cap.
std::vector<QPolygonF> clipLine(const ProjectedLine& line);

// The rings of one polygon (each closed: last point equal to the first),
// clipped and closed, ready for a winding fill.
std::vector<QPolygonF> clipPolygon(const std::vector<ProjectedLine>& rings, const AzimuthalProjection& projection);

// Twice the signed area of a closed ring: positive when it runs
// counter-clockwise (x east, y north).
double signedDoubleArea(const QPolygonF& ring);

}  // namespace qvk::beammap
