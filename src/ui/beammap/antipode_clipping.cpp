#include "ui/beammap/antipode_clipping.h"

#include "ui/beammap/great_circles.h"

#include <algorithm>
#include <cmath>

namespace qvk::beammap {
namespace {

constexpr int kDeepestSplit = 14;
constexpr double kShortestSplitDegrees = 1e-5;  // about a metre
constexpr int kRimSearchSteps = 40;
// Twice a square kilometre, in square metres. A ring or a run out of the cap
// that encloses less, such as a small island that a light level of the world
// wears down to a line, is under a pixel at every zoom, and its direction is
// rounding noise: it is left out rather than taken for land all round the
// antipode (the outline walked right round the map).
constexpr double kNegligibleDoubleArea = 2e6;

ProjectedVertex vertexAt(GeoPoint point, const AzimuthalProjection& projection)
{
    return {point, projection.forward(point), projection.inAntipodeCap(point)};
}

// The point where the edge from `outside` to `inside` crosses the cap's rim.
ProjectedVertex rimCrossing(GeoPoint outside, GeoPoint inside, const AzimuthalProjection& projection)
{
    double low = 0, high = 1;  // outside at low, inside at high
    for (int step = 0; step < kRimSearchSteps; ++step) {
        const double middle = (low + high) / 2;
        (projection.inAntipodeCap(alongGreatCircle(outside, inside, middle)) ? high : low) = middle;
    }
    const GeoPoint rim = alongGreatCircle(outside, inside, low);
    return {rim, projection.forward(rim), false};
}

double mapDistance(const ProjectedVertex& a, const ProjectedVertex& b)
{
    return std::hypot(a.metres.x() - b.metres.x(), a.metres.y() - b.metres.y());
}

// Whether an edge is longer on the Earth than `limit` degrees; most edges are
// plainly shorter, with no need to measure them.
bool longerThan(GeoPoint a, GeoPoint b, double limit)
{
    if (std::abs(a.latitude - b.latitude) < limit / 2 && std::abs(a.longitude - b.longitude) < limit / 2) return false;
    return arcDegrees(a, b) > limit;
}

struct EdgeLimits {
    const AzimuthalProjection& projection;
    double maxEdgeDegrees;
};

// Appends the edge from `from` (already in `line`) to `to`.
void appendEdge(ProjectedLine& line, const ProjectedVertex& from, const ProjectedVertex& to, const EdgeLimits& limits,
                int depth)
{
    const AzimuthalProjection& projection = limits.projection;
    if (from.inCap && to.inCap) {
        line.push_back(to);
        return;
    }
    if (from.inCap != to.inCap) {
        const ProjectedVertex rim =
            from.inCap ? rimCrossing(to.geo, from.geo, projection) : rimCrossing(from.geo, to.geo, projection);
        if (from.inCap) {
            line.push_back(rim);
            appendEdge(line, rim, to, limits, depth);
        } else {
            appendEdge(line, from, rim, limits, depth);
            line.push_back(to);
        }
        return;
    }
    const bool stretched =
        mapDistance(from, to) > kLongestProjectedEdge && longerThan(from.geo, to.geo, kShortestSplitDegrees);
    if (depth < kDeepestSplit && (stretched || longerThan(from.geo, to.geo, limits.maxEdgeDegrees))) {
        const ProjectedVertex middle = vertexAt(alongGreatCircle(from.geo, to.geo, 0.5), projection);
        appendEdge(line, from, middle, limits, depth + 1);
        appendEdge(line, middle, to, limits, depth + 1);
        return;
    }
    line.push_back(to);
}

struct Piece {
    QPolygonF points;
    double startAzimuth = 0;
    double endAzimuth = 0;
    bool used = false;
};

// Clockwise angle from one azimuth on to another, in (0, 360].
double clockwiseGap(double from, double to)
{
    const double gap = std::fmod(to - from + 720, 360.0);
    return gap == 0 ? 360 : gap;
}

// The outline's points strictly between two azimuths, walking clockwise.
void appendOutline(QPolygonF& ring, double from, double to, const AzimuthalProjection& projection)
{
    const std::vector<double>& azimuths = projection.outlineAzimuths();
    const double span = clockwiseGap(from, to);
    std::vector<std::pair<double, QPointF>> between;
    for (std::size_t i = 0; i < azimuths.size(); ++i) {
        const double along = clockwiseGap(from, azimuths[i]);
        if (along < span) between.emplace_back(along, projection.outline()[static_cast<int>(i)]);
    }
    std::sort(between.begin(), between.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [along, point] : between) ring << point;
}

// Whether a ring, or a run closed by a straight line, encloses next to nothing.
bool negligible(QPolygonF ring)
{
    if (ring.first() != ring.last()) ring << ring.first();
    return std::abs(signedDoubleArea(ring)) < kNegligibleDoubleArea;
}

// The runs outside the cap of a closed ring that enters the cap somewhere.
std::vector<Piece> piecesOfRing(const ProjectedLine& ring)
{
    const std::size_t count = ring.size() - 1;  // the last point repeats the first
    std::size_t start = 0;
    while (!ring[start].inCap) ++start;
    std::vector<Piece> pieces;
    Piece current;
    for (std::size_t k = 1; k <= count; ++k) {
        const ProjectedVertex& vertex = ring[(start + k) % count];
        if (!vertex.inCap) {
            current.points << vertex.metres;
        } else if (!current.points.isEmpty()) {
            pieces.push_back(std::move(current));
            current = Piece();
        }
    }
    for (Piece& piece : pieces) {
        piece.startAzimuth = azimuthOf(piece.points.first());
        piece.endAzimuth = azimuthOf(piece.points.last());
    }
    return pieces;
}

}  // namespace

ProjectedLine projectLine(const GeoLine& line, const AzimuthalProjection& projection, double maxEdgeDegrees)
{
    const EdgeLimits limits{projection, maxEdgeDegrees};
    ProjectedLine projected;
    projected.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const ProjectedVertex vertex = vertexAt(line[i], projection);
        if (i == 0)
            projected.push_back(vertex);
        else
            appendEdge(projected, ProjectedVertex(projected.back()), vertex, limits, 0);
    }
    return projected;
}

std::vector<QPolygonF> clipLine(const ProjectedLine& line)
{
    std::vector<QPolygonF> runs;
    QPolygonF run;
    for (const ProjectedVertex& vertex : line) {
        if (!vertex.inCap) {
            run << vertex.metres;
        } else {
            if (run.size() > 1) runs.push_back(run);
            run.clear();
        }
    }
    if (run.size() > 1) runs.push_back(run);
    return runs;
}

double signedDoubleArea(const QPolygonF& ring)
{
    double area = 0;
    for (qsizetype i = 0; i + 1 < ring.size(); ++i)
        area += ring[i].x() * ring[i + 1].y() - ring[i + 1].x() * ring[i].y();
    return area;
}

std::vector<QPolygonF> clipPolygon(const std::vector<ProjectedLine>& rings, const AzimuthalProjection& projection)
{
    std::vector<QPolygonF> closed;
    std::vector<Piece> pieces;
    bool everyWholeRingHoldsTheAntipode = true;
    for (const ProjectedLine& ring : rings) {
        if (ring.size() < 4) continue;
        std::size_t inCap = 0;
        for (const ProjectedVertex& vertex : ring) inCap += vertex.inCap ? 1 : 0;
        if (inCap == ring.size()) continue;  // an island inside the cap
        if (inCap == 0) {
            QPolygonF whole;
            whole.reserve(static_cast<qsizetype>(ring.size()));
            for (const ProjectedVertex& vertex : ring) whole << vertex.metres;
            if (negligible(whole)) continue;
            // counter-clockwise round the map: the antipode lies on its land side
            everyWholeRingHoldsTheAntipode = everyWholeRingHoldsTheAntipode && signedDoubleArea(whole) > 0;
            closed.push_back(std::move(whole));
            continue;
        }
        for (Piece& piece : piecesOfRing(ring))
            if (!negligible(piece.points)) pieces.push_back(std::move(piece));
    }

    if (pieces.empty()) {
        if (!closed.empty() && everyWholeRingHoldsTheAntipode) {
            QPolygonF outline = projection.outline();
            outline << outline.first();
            closed.push_back(std::move(outline));
        }
        return closed;
    }

    // each piece ends where its ring dives into the cap; the land goes on
    // clockwise along the rim to where the next ring piece comes out again
    for (Piece& first : pieces) {
        if (first.used) continue;
        QPolygonF joined;
        Piece* current = &first;
        while (true) {
            current->used = true;
            joined += current->points;
            Piece* next = nullptr;
            double nearest = 361;
            for (Piece& candidate : pieces) {
                if (candidate.used && &candidate != &first) continue;
                const double gap = clockwiseGap(current->endAzimuth, candidate.startAzimuth);
                if (gap < nearest) {
                    nearest = gap;
                    next = &candidate;
                }
            }
            appendOutline(joined, current->endAzimuth, next->startAzimuth, projection);
            if (next == &first) break;
            current = next;
        }
        joined << joined.first();
        closed.push_back(std::move(joined));
    }
    return closed;
}

}  // namespace qvk::beammap
