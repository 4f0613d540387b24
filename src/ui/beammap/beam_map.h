#pragma once
// Everything the Beam Map shows, for one home station: the projected world
// (worked out again only when the home moves), the DXCC entities, the grey
// line of a given minute and the current target. The window and qvk-calc map
// both draw from it (beam_map_painter.h).
//
// A new home projects the lightest level of the world (kWorldLevels) at once,
// on every core, and the finer levels on a thread of its own meanwhile; a view
// that needs a finer level draws the finest one ready until it is there
// (levelReady tells when).
//
// Positions come and go in the program's way, signed decimal degrees with
// north and WEST positive; inside, the map counts east positive.

#include "core/angle_notation.h"
#include "ui/beammap/beam_map_data.h"
#include "ui/beammap/grey_line.h"
#include "ui/beammap/projected_world.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace qvk::beammap {

enum class DistanceUnit { Kilometres, Miles };

struct BeamTarget {
    QString name;
    GeoPoint position;   // east positive
    double heading = 0;  // degrees clockwise from north, as the main window shows it
    double longPath = 0;
    double distanceMetres = 0;
};

GeoPoint mapPoint(SignedPosition position);
SignedPosition programPosition(GeoPoint point);

// The map's texts of a heading ("44.2°") and of a distance in the chosen unit
// ("7,026 km", "4,366 mi"), in the legend and under the pointer alike.
QString degreesText(double degrees);
QString distanceText(double metres, DistanceUnit unit);

// The target with its heading, long path and distance from the program's own
// computation (the one behind the main window and qvk-calc bearing); nullopt
// when that computation fails.
std::optional<BeamTarget> beamTargetFor(const QString& name, SignedPosition home, SignedPosition target);

class BeamMap {
public:
    // `levelReady` is called, on the projecting thread, whenever a finer
    // level of a home is ready.
    BeamMap(std::shared_ptr<const BeamMapData> data, SignedPosition home, std::function<void()> levelReady = {});
    ~BeamMap();
    BeamMap(const BeamMap&) = delete;
    BeamMap& operator=(const BeamMap&) = delete;

    // Projects the world again, unless the home is where it was.
    void setHome(SignedPosition home);
    SignedPosition home() const { return home_; }

    // The grey line of an instant (seconds since 1970 UTC); none until one is set.
    void setTime(double unixSeconds);
    double time() const { return time_; }
    const GreyLine& greyLine() const { return greyLine_; }

    void setTarget(std::optional<BeamTarget> target) { target_ = std::move(target); }
    const std::optional<BeamTarget>& target() const { return target_; }

    void setUnit(DistanceUnit unit) { unit_ = unit; }
    DistanceUnit unit() const { return unit_; }

    const AzimuthalProjection& projection() const { return *projection_; }
    // The world to draw at a scale: the lightest level fine enough for it, or
    // the finest one ready until that one is.
    const ProjectedWorld& worldAt(double pixelsPerMetre) const;
    // Whether every level of the current home is ready.
    bool hasDetail() const;
    // Waits for every level of the current home.
    void waitForDetail();

    struct Place {
        QString prefix;
        QPointF metres;
    };
    // The DXCC entities outside the cap at the antipode.
    const std::vector<Place>& dxcc() const { return dxcc_; }

private:
    void project();
    void stopDetail();

    std::shared_ptr<const BeamMapData> data_;
    SignedPosition home_;
    std::shared_ptr<const AzimuthalProjection> projection_;
    // by kWorldLevels; the first is always there, the others guarded by detailMutex_
    std::array<std::unique_ptr<ProjectedWorld>, kWorldLevelCount> levels_;
    mutable std::mutex detailMutex_;
    std::atomic<bool> cancelDetail_ = false;
    std::thread detailThread_;
    std::function<void()> levelReady_;
    std::vector<Place> dxcc_;
    double time_ = 0;
    bool timeSet_ = false;
    GreyLine greyLine_;
    std::optional<BeamTarget> target_;
    DistanceUnit unit_ = DistanceUnit::Kilometres;
};

}  // namespace qvk::beammap
