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

BeamMap::BeamMap(std::shared_ptr<const BeamMapData> data, SignedPosition home, std::function<void()> detailReady)
    : data_(std::move(data)),
      home_(home),
      detailReady_(std::move(detailReady))
{
    project();
}

BeamMap::~BeamMap() { stopDetail(); }

void BeamMap::stopDetail()
{
    cancelDetail_ = true;
    if (detailThread_.joinable()) detailThread_.join();
    cancelDetail_ = false;
    const std::lock_guard lock(detailMutex_);
    detail_.reset();
}

const ProjectedWorld& BeamMap::worldAt(double pixelsPerMetre) const
{
    if (1 / pixelsPerMetre < kCoarseMetresPerPixel) {
        const std::lock_guard lock(detailMutex_);
        if (detail_) return *detail_;
    }
    return *coarse_;
}

bool BeamMap::hasDetail() const
{
    const std::lock_guard lock(detailMutex_);
    return detail_ != nullptr;
}

void BeamMap::waitForDetail()
{
    if (detailThread_.joinable()) detailThread_.join();
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
    stopDetail();
    projection_ = std::make_shared<const AzimuthalProjection>(mapPoint(home_));
    // the lighter world on every core, as the map waits for it; the detail on
    // one thread, leaving a core to draw meanwhile
    coarse_ =
        std::make_unique<ProjectedWorld>(data_->coarse, *projection_, ProjectedWorld::Work{kLongestCoarseEdgeDegrees});
    detailThread_ = std::thread([this, projection = projection_, data = data_] {
        auto detail = std::make_unique<ProjectedWorld>(data->world, *projection,
                                                       ProjectedWorld::Work{kLongestEdgeDegrees, 1, &cancelDetail_});
        if (cancelDetail_) return;
        {
            const std::lock_guard lock(detailMutex_);
            detail_ = std::move(detail);
        }
        if (detailReady_) detailReady_();
    });
    dxcc_.clear();
    for (const DxccPlace& place : data_->dxcc)
        if (!projection_->inAntipodeCap(place.position))
            dxcc_.push_back({place.prefix, projection_->forward(place.position)});
    greyLine_ = greyLineAt(time_, *projection_);
}

}  // namespace qvk::beammap
