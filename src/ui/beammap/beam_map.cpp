#include "ui/beammap/beam_map.h"

#include "core/geodesic.h"

namespace qvk::beammap {

GeoPoint mapPoint(SignedPosition position)
{
    return {static_cast<double>(position.latitude), static_cast<double>(-position.longitude)};
}

SignedPosition programPosition(GeoPoint point) { return {point.latitude, -point.longitude}; }

std::optional<BeamTarget> beamTargetFor(const QString& name, SignedPosition home, SignedPosition target)
{
    const auto result = inverseGeodesic(home.latitude, home.longitude, target.latitude, target.longitude);
    if (!result) return std::nullopt;
    return BeamTarget{name, mapPoint(target), result->bearing, longPathHeading(result->bearing), result->distance};
}

BeamMap::BeamMap(std::shared_ptr<const BeamMapData> data, SignedPosition home) : data_(std::move(data)), home_(home)
{
    project();
}

void BeamMap::setHome(SignedPosition home)
{
    if (home.latitude == home_.latitude && home.longitude == home_.longitude) return;
    home_ = home;
    project();
}

void BeamMap::setTime(double unixSeconds)
{
    time_ = unixSeconds;
    greyLine_ = greyLineAt(time_, *projection_);
}

void BeamMap::project()
{
    projection_ = std::make_unique<AzimuthalProjection>(mapPoint(home_));
    world_ = std::make_unique<ProjectedWorld>(data_->world, *projection_);
    dxcc_.clear();
    for (const DxccPlace& place : data_->dxcc)
        if (!projection_->inAntipodeCap(place.position))
            dxcc_.push_back({place.prefix, projection_->forward(place.position)});
    greyLine_ = greyLineAt(time_, *projection_);
}

}  // namespace qvk::beammap
