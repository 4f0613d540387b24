#include "ui/beammap/azimuthal_projection.h"

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qvk::beammap {
namespace {

constexpr int kOutlinePoints = 1440;

const GeographicLib::AzimuthalEquidistant& wgs84Projection()
{
    static const GeographicLib::AzimuthalEquidistant projection(GeographicLib::Geodesic::WGS84());
    return projection;
}

}  // namespace

double azimuthOf(QPointF metres)
{
    const double azimuth = std::atan2(metres.x(), metres.y()) * 180 / std::numbers::pi;
    return azimuth < 0 ? azimuth + 360 : azimuth;
}

AzimuthalProjection::AzimuthalProjection(GeoPoint home)
    : home_(home),
      antipode_(antipodeOf(home)),
      antipodeVector_(unitVector(antipode_)),
      capCosine_(std::cos(kAntipodeCapDegrees * std::numbers::pi / 180))
{
    const GeoLine rim = circleAround(antipode_, kAntipodeCapDegrees, kOutlinePoints);
    std::vector<std::pair<double, QPointF>> byAzimuth;
    for (std::size_t i = 0; i + 1 < rim.size(); ++i) {
        const QPointF point = forward(rim[i]);
        byAzimuth.emplace_back(azimuthOf(point), point);
        outlineRadius_ = std::max(outlineRadius_, std::hypot(point.x(), point.y()));
    }
    std::sort(byAzimuth.begin(), byAzimuth.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [azimuth, point] : byAzimuth) {
        outlineAzimuths_.push_back(azimuth);
        outline_ << point;
    }
}

// AzimuthalEquidistant::Forward without the scale it works out as well,
// which costs a fifth more for every point of the world.
QPointF AzimuthalProjection::forward(GeoPoint point) const
{
    double distance = 0, azimuth = 0, finalAzimuth = 0, east = 0, north = 0;
    GeographicLib::Geodesic::WGS84().Inverse(home_.latitude, home_.longitude, point.latitude, point.longitude, distance,
                                             azimuth, finalAzimuth);
    GeographicLib::Math::sincosd(azimuth, east, north);
    return {distance * east, distance * north};
}

GeoPoint AzimuthalProjection::reverse(QPointF metres) const
{
    double latitude = 0, longitude = 0, azimuth = 0, scale = 0;
    wgs84Projection().Reverse(home_.latitude, home_.longitude, metres.x(), metres.y(), latitude, longitude, azimuth,
                              scale);
    return {latitude, longitude};
}

bool AzimuthalProjection::inAntipodeCap(GeoPoint point) const
{
    return cosineBetween(unitVector(point), antipodeVector_) > capCosine_;
}

QPointF AzimuthalProjection::outlineAt(double azimuthDegrees) const
{
    const double azimuth = azimuthDegrees - 360 * std::floor(azimuthDegrees / 360);
    const auto count = outlineAzimuths_.size();
    const auto above = std::upper_bound(outlineAzimuths_.begin(), outlineAzimuths_.end(), azimuth);
    const std::size_t next = static_cast<std::size_t>(above - outlineAzimuths_.begin()) % count;
    const std::size_t previous = (next + count - 1) % count;
    double span = outlineAzimuths_[next] - outlineAzimuths_[previous];
    double along = azimuth - outlineAzimuths_[previous];
    if (span <= 0) span += 360;
    if (along < 0) along += 360;
    const double t = span > 0 ? along / span : 0;
    // between two rim points the outline is nearly a circle: interpolate the radius
    const QPointF a = outline_[static_cast<int>(previous)], b = outline_[static_cast<int>(next)];
    const double radius = (1 - t) * std::hypot(a.x(), a.y()) + t * std::hypot(b.x(), b.y());
    const double radians = azimuth * std::numbers::pi / 180;
    return {radius * std::sin(radians), radius * std::cos(radians)};
}

}  // namespace qvk::beammap
