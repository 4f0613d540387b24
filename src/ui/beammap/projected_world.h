#pragma once
// The land, coasts and borders projected for one home station: the costly
// part of drawing the Beam Map (every point of the world solved on the
// ellipsoid), done once per home and kept until the home moves. Drawing then
// only scales and shifts these paths.

#include "ui/beammap/antipode_clipping.h"

#include <QPainterPath>
#include <QRectF>

#include <atomic>
#include <vector>

namespace qvk::beammap {

// A line of the map with the box round it, so that a zoomed-in view skips
// the lines it cannot see.
struct MapLine {
    QPolygonF points;  // metres
    QRectF bounds;
};

struct MapArea {
    QPainterPath path;  // metres, winding fill
    QRectF bounds;
};

class ProjectedWorld {
public:
    // How a world is worked out: edges longer than maxEdgeDegrees on the
    // Earth are split; `threads` share the points (0: one per core, at most
    // four); the work stops early, leaving an unfinished world, once
    // `cancelled` turns true.
    struct Work {
        double maxEdgeDegrees;
        unsigned threads = 0;
        const std::atomic<bool>* cancelled = nullptr;
    };
    ProjectedWorld(const WorldOutlines& world, const AzimuthalProjection& projection, const Work& work);

    const std::vector<MapArea>& land() const { return land_; }
    const std::vector<MapLine>& coasts() const { return coasts_; }
    const std::vector<MapLine>& borders() const { return borders_; }

private:
    std::vector<MapArea> land_;
    std::vector<MapLine> coasts_;
    std::vector<MapLine> borders_;
};

// The closed rings of an area on the Earth (rings as points, each closed,
// the area on their right) as a path for a winding fill, cut at the antipode.
QPainterPath projectedArea(const std::vector<GeoLine>& rings, const AzimuthalProjection& projection,
                           double maxEdgeDegrees);

}  // namespace qvk::beammap
