#include "ui/beammap/beam_map.h"

#include "core/geodesic.h"
#include "core/number_text.h"
#include "ui/common/screen_text.h"

namespace qvk::beammap {

GeoPoint mapPoint(SignedPosition position)
{
    return {static_cast<double>(position.latitude), static_cast<double>(-position.longitude)};
}

SignedPosition programPosition(GeoPoint point) { return {point.latitude, -point.longitude}; }

QString degreesText(double degrees) { return ui::toScreen(formatFixed(degrees, 1)) + QChar(0x00B0); }

QString distanceText(double metres, DistanceUnit unit)
{
    const bool miles = unit == DistanceUnit::Miles;
    return ui::toScreen(formatGrouped(miles ? metresToMiles(metres) : metresToKilometres(metres))) +
           (miles ? " mi" : " km");
}

std::optional<BeamTarget> beamTargetFor(const QString& name, SignedPosition home, SignedPosition target)
{
    const auto result = inverseGeodesic(home.latitude, home.longitude, target.latitude, target.longitude);
    if (!result) return std::nullopt;
    return BeamTarget{name, mapPoint(target), result->bearing, longPathHeading(result->bearing), result->distance};
}

BeamMap::BeamMap(std::shared_ptr<const BeamMapData> data, SignedPosition home, std::function<void()> levelReady)
    : data_(std::move(data)),
      home_(home),
      levelReady_(std::move(levelReady))
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
    for (std::size_t level = 1; level < kWorldLevelCount; ++level) levels_[level].reset();
}

const ProjectedWorld& BeamMap::worldAt(double pixelsPerMetre) const
{
    const double metresPerPixel = 1 / pixelsPerMetre;
    const std::lock_guard lock(detailMutex_);
    std::size_t drawn = 0;
    for (std::size_t level = 1; level < kWorldLevelCount && levels_[level]; ++level) {
        if (kWorldLevels[level - 1].fromMetresPerPixel <= metresPerPixel) break;  // fine enough already
        drawn = level;
    }
    return *levels_[drawn];
}

bool BeamMap::hasDetail() const
{
    const std::lock_guard lock(detailMutex_);
    return levels_.back() != nullptr;
}

void BeamMap::waitForDetail()
{
    if (detailThread_.joinable()) detailThread_.join();
}

void BeamMap::setHome(SignedPosition home)
{
    if (home == home_) return;
    home_ = home;
    project();
}

void BeamMap::setTime(double unixSeconds)
{
    time_ = unixSeconds;
    timeSet_ = true;
    greyLine_ = greyLineAt(time_, *projection_);
}

void BeamMap::project()
{
    stopDetail();
    projection_ = std::make_shared<const AzimuthalProjection>(mapPoint(home_));
    // the lightest level on every core, as the map waits for it; the finer
    // ones on one thread, leaving a core to draw meanwhile
    levels_[0] = std::make_unique<ProjectedWorld>(data_->levels[0], *projection_,
                                                  ProjectedWorld::Work{kWorldLevels[0].longestEdgeDegrees});
    detailThread_ = std::thread([this, projection = projection_, data = data_] {
        for (std::size_t level = 1; level < kWorldLevelCount; ++level) {
            auto world = std::make_unique<ProjectedWorld>(
                data->levels[level], *projection,
                ProjectedWorld::Work{kWorldLevels[level].longestEdgeDegrees, 1, &cancelDetail_});
            if (cancelDetail_) return;
            {
                const std::lock_guard lock(detailMutex_);
                levels_[level] = std::move(world);
            }
            if (levelReady_) levelReady_();
        }
    });
    dxcc_.clear();
    for (const DxccPlace& place : data_->dxcc)
        if (!projection_->inAntipodeCap(place.position))
            dxcc_.push_back({place.prefix, projection_->forward(place.position)});
    if (timeSet_) greyLine_ = greyLineAt(time_, *projection_);
}

}  // namespace qvk::beammap
