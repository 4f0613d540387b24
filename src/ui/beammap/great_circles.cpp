#include "ui/beammap/great_circles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace qvk::beammap {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

using Vector = UnitVector;

GeoPoint pointOf(const Vector& v)
{
    return {std::atan2(v[2], std::hypot(v[0], v[1])) / kRadians, std::atan2(v[1], v[0]) / kRadians};
}

double dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vector cross(const Vector& a, const Vector& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double norm(const Vector& v) { return std::sqrt(dot(v, v)); }

}  // namespace

UnitVector unitVector(GeoPoint point)
{
    const double lat = point.latitude * kRadians, lon = point.longitude * kRadians;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double cosineBetween(const UnitVector& a, const UnitVector& b) { return dot(a, b); }

double arcDegrees(GeoPoint a, GeoPoint b)
{
    const Vector u = unitVector(a), v = unitVector(b);
    return std::atan2(norm(cross(u, v)), dot(u, v)) / kRadians;
}

GeoPoint alongGreatCircle(GeoPoint a, GeoPoint b, double t)
{
    const Vector u = unitVector(a), v = unitVector(b);
    const double angle = std::atan2(norm(cross(u, v)), dot(u, v));
    if (angle < 1e-12) return a;
    const double wa = std::sin((1 - t) * angle) / std::sin(angle), wb = std::sin(t * angle) / std::sin(angle);
    return pointOf({wa * u[0] + wb * v[0], wa * u[1] + wb * v[1], wa * u[2] + wb * v[2]});
}

GeoPoint destination(GeoPoint from, double bearingDegrees, double arcDegrees)
{
    const double lat = from.latitude * kRadians, lon = from.longitude * kRadians;
    const double bearing = bearingDegrees * kRadians, angle = arcDegrees * kRadians;
    const double sinLat = std::sin(lat) * std::cos(angle) + std::cos(lat) * std::sin(angle) * std::cos(bearing);
    const double toLat = std::asin(std::clamp(sinLat, -1.0, 1.0));
    const double toLon =
        lon + std::atan2(std::sin(bearing) * std::sin(angle) * std::cos(lat), std::cos(angle) - std::sin(lat) * sinLat);
    return {toLat / kRadians, std::remainder(toLon / kRadians, 360.0)};
}

GeoPoint antipodeOf(GeoPoint point)
{
    return {-point.latitude, point.longitude > 0 ? point.longitude - 180 : point.longitude + 180};
}

GeoLine circleAround(GeoPoint centre, double radiusDegrees, int points)
{
    GeoLine circle;
    circle.reserve(static_cast<std::size_t>(points) + 1);
    for (int i = 0; i < points; ++i) circle.push_back(destination(centre, 360.0 * i / points, radiusDegrees));
    circle.push_back(circle.front());
    return circle;
}

}  // namespace qvk::beammap
