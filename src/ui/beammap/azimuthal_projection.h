#pragma once
// The Beam Map's projection: azimuthal equidistant, centred on the home
// station, on the WGS-84 ellipsoid (GeographicLib's AzimuthalEquidistant). A
// point at geodesic distance s and initial azimuth a from home lies s·sin a
// east and s·cos a north of the centre, so every straight line from the centre
// is a geodesic from home and its length is the distance; north is up at the
// centre.
//
// Coordinates are metres, x east and y NORTH (screen y runs the other way).
// The projection is exact: GeographicLib solves the inverse problem to
// round-off for every point, antipode included.
//
// Near the antipode the map tears: a step of a few kilometres there can take
// a point from one side of the map to the other. The map therefore leaves out
// a small cap of kAntipodeCapDegrees round the antipode; the cap's rim is the
// Earth's outline on the map, and land that reaches the cap is closed along it.

#include "ui/beammap/great_circles.h"
#include "ui/beammap/world_topology.h"

#include <QPointF>
#include <QPolygonF>

namespace qvk::beammap {

// Wider than the tangle of shortest geodesics round the antipode (under 0.7
// degrees on WGS-84), so the outline's azimuth grows steadily round the map;
// at whole-Earth zoom on a 1000-pixel map it is under 3 pixels.
inline constexpr double kAntipodeCapDegrees = 1.0;

class AzimuthalProjection {
public:
    explicit AzimuthalProjection(GeoPoint home);

    GeoPoint home() const { return home_; }
    GeoPoint antipode() const { return antipode_; }

    // Metres east and north of home.
    QPointF forward(GeoPoint point) const;
    // The point on the Earth at a map position (within the outline).
    GeoPoint reverse(QPointF metres) const;

    // Whether a point lies in the cap left out round the antipode.
    bool inAntipodeCap(GeoPoint point) const;

    // The Earth's outline: the rim of the cap, in order of growing azimuth
    // from home (0 = north, clockwise), not closed.
    const QPolygonF& outline() const { return outline_; }
    // The outline's azimuth at each of its points, in degrees, growing.
    const std::vector<double>& outlineAzimuths() const { return outlineAzimuths_; }
    // Where the ray from home at an azimuth (degrees) meets the outline.
    QPointF outlineAt(double azimuthDegrees) const;
    // The outline's greatest distance from home, metres.
    double outlineRadius() const { return outlineRadius_; }

private:
    GeoPoint home_;
    GeoPoint antipode_;
    // asked for every point of the world: a cosine against the antipode's vector
    UnitVector antipodeVector_;
    double capCosine_;
    QPolygonF outline_;
    std::vector<double> outlineAzimuths_;
    double outlineRadius_ = 0;
};

// The azimuth of a map position from home: degrees clockwise from north, 0 to 360.
double azimuthOf(QPointF metres);

}  // namespace qvk::beammap
