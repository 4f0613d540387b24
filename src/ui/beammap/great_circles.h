#pragma once
// Spherical helpers for the parts of the Beam Map where a sphere is all that
// is needed: walking along the topology's edges (which, like every spherical
// map library, it takes as great-circle arcs), telling whether a point lies
// near the antipode, and drawing circles round a point (the grey line).
// Nothing here places a point on the map: that is AzimuthalProjection's job,
// on the ellipsoid.

#include "ui/beammap/world_topology.h"

#include <array>

namespace qvk::beammap {

// A point as a vector of length 1 from the Earth's centre: x towards 0 E on
// the equator, y towards 90 E, z north.
using UnitVector = std::array<double, 3>;
UnitVector unitVector(GeoPoint point);
// The cosine of the angle between two points: a test against a fixed angle
// costs no arc tangent.
double cosineBetween(const UnitVector& a, const UnitVector& b);

// The angle between two points seen from the Earth's centre, in degrees.
double arcDegrees(GeoPoint a, GeoPoint b);

// The point a fraction t (0 to 1) of the way from a to b along the great circle.
GeoPoint alongGreatCircle(GeoPoint a, GeoPoint b, double t);

// The point at an angle (degrees) from a point in a direction (degrees
// clockwise from north).
GeoPoint destination(GeoPoint from, double bearingDegrees, double arcDegrees);

GeoPoint antipodeOf(GeoPoint point);

// A circle of points round a centre at a fixed angle, clockwise as seen on a
// map with north up (what it encloses lies on its right), closed: its last
// point repeats the first.
GeoLine circleAround(GeoPoint centre, double radiusDegrees, int points);

}  // namespace qvk::beammap
