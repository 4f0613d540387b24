#include "ui/beammap/projected_world.h"

#include <algorithm>
#include <thread>

namespace qvk::beammap {
namespace {

// Every arc of the world projected: each point is an ellipsoidal inverse
// problem, so the arcs are shared out among threads.
std::vector<ProjectedLine> projectArcs(const WorldOutlines& world, const AzimuthalProjection& projection,
                                       const ProjectedWorld::Work& how)
{
    std::vector<ProjectedLine> projected(world.arcs.size());
    const std::size_t threads = how.threads > 0 ? how.threads : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    const auto work = [&](std::size_t first) {
        for (std::size_t arc = first; arc < world.arcs.size(); arc += threads) {
            if (how.cancelled && *how.cancelled) return;
            projected[arc] = projectLine(world.arcs[arc], projection, how.maxEdgeDegrees);
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers) helper.join();
    return projected;
}

ProjectedLine ringOf(const ArcRing& ring, const std::vector<ProjectedLine>& arcs)
{
    ProjectedLine points;
    for (int reference : ring) {
        const ProjectedLine& arc = arcs[static_cast<std::size_t>(arcNumber(reference))];
        const auto skip = points.empty() ? 0 : 1;  // arcs meet at a shared point
        if (reference >= 0)
            points.insert(points.end(), arc.begin() + skip, arc.end());
        else
            points.insert(points.end(), arc.rbegin() + skip, arc.rend());
    }
    return points;
}

QPainterPath windingPath(const std::vector<QPolygonF>& rings)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF& ring : rings) path.addPolygon(ring);
    return path;
}

void addLines(std::vector<MapLine>& lines, const ProjectedLine& line)
{
    for (QPolygonF& run : clipLine(line)) {
        const QRectF bounds = run.boundingRect();
        lines.push_back({std::move(run), bounds});
    }
}

}  // namespace

ProjectedWorld::ProjectedWorld(const WorldOutlines& world, const AzimuthalProjection& projection, const Work& work)
{
    const std::vector<ProjectedLine> arcs = projectArcs(world, projection, work);
    if (work.cancelled && *work.cancelled) return;
    for (const ArcPolygon& polygon : world.land) {
        std::vector<ProjectedLine> rings;
        for (const ArcRing& ring : polygon) rings.push_back(ringOf(ring, arcs));
        const QPainterPath path = windingPath(clipPolygon(rings, projection));
        if (!path.isEmpty()) land_.push_back({path, path.boundingRect()});
    }
    for (int arc : world.coastArcs) addLines(coasts_, arcs[static_cast<std::size_t>(arc)]);
    for (int arc : world.borderArcs) addLines(borders_, arcs[static_cast<std::size_t>(arc)]);
}

QPainterPath projectedArea(const std::vector<GeoLine>& rings, const AzimuthalProjection& projection,
                           double maxEdgeDegrees)
{
    std::vector<ProjectedLine> projected;
    for (const GeoLine& ring : rings) projected.push_back(projectLine(ring, projection, maxEdgeDegrees));
    return windingPath(clipPolygon(projected, projection));
}

}  // namespace qvk::beammap
