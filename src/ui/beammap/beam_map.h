#pragma once
// Everything the Beam Map shows, for one home station: the projected world
// (worked out again only when the home moves), the DXCC entities, the grey
// line of a given minute and the current target. The window and qvk-calc map
// both draw from it (beam_map_painter.h).
//
// Positions come and go in the program's way, signed decimal degrees with
// north and WEST positive; inside, the map counts east positive.

#include "core/angle_notation.h"
#include "ui/beammap/beam_map_data.h"
#include "ui/beammap/grey_line.h"
#include "ui/beammap/projected_world.h"

#include <QString>

#include <memory>
#include <optional>

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

// The target with its heading, long path and distance from the program's own
// computation (the one behind the main window and qvk-calc bearing); nullopt
// when that computation fails.
std::optional<BeamTarget> beamTargetFor(const QString& name, SignedPosition home, SignedPosition target);

class BeamMap {
public:
    BeamMap(std::shared_ptr<const BeamMapData> data, SignedPosition home);

    // Projects the world again, unless the home is where it was.
    void setHome(SignedPosition home);
    SignedPosition home() const { return home_; }

    // The grey line of an instant (seconds since 1970 UTC).
    void setTime(double unixSeconds);
    double time() const { return time_; }
    const GreyLine& greyLine() const { return greyLine_; }

    void setTarget(std::optional<BeamTarget> target) { target_ = std::move(target); }
    const std::optional<BeamTarget>& target() const { return target_; }

    void setUnit(DistanceUnit unit) { unit_ = unit; }
    DistanceUnit unit() const { return unit_; }

    const AzimuthalProjection& projection() const { return *projection_; }
    const ProjectedWorld& world() const { return *world_; }

    struct Place {
        QString prefix;
        QPointF metres;
    };
    // The DXCC entities outside the cap at the antipode.
    const std::vector<Place>& dxcc() const { return dxcc_; }

private:
    void project();

    std::shared_ptr<const BeamMapData> data_;
    SignedPosition home_;
    std::unique_ptr<AzimuthalProjection> projection_;
    std::unique_ptr<ProjectedWorld> world_;
    std::vector<Place> dxcc_;
    double time_ = 0;
    GreyLine greyLine_;
    std::optional<BeamTarget> target_;
    DistanceUnit unit_ = DistanceUnit::Kilometres;
};

}  // namespace qvk::beammap
