#pragma once
// Where a rotator can turn, and which of its azimuths points the antenna at a
// compass heading.
//
// Rotators count azimuth in their own range: -180 to 180 for those that stop
// at south, 0 to 450 for those that turn past north into an overlap, and the
// dummy rotator of Hamlib -180 to 450. A heading of 224 degrees is then -136 on
// the first; 30 degrees is 30 or 390 on the second, and the one nearer to the
// antenna's present azimuth saves a turn of a whole circle.

#include <optional>
#include <string>
#include <vector>

namespace qvk::rotator {

struct RotatorRange {
    double minAzimuth = 0;
    double maxAzimuth = 360;
    double minElevation = 0;
    double maxElevation = 0;
};

// The range in the lines of a \dump_caps reply ("Min Azimuth:\t\t-180.00").
// Without a usable azimuth range (missing, unreadable, or no wider than 0
// degrees) it is the common 0 to 360; without an elevation range, 0 to 0.
RotatorRange rangeFromCaps(const std::vector<std::string>& lines);

// Whether some heading has two azimuths in the range, so that the antenna's
// present azimuth decides between them.
bool rangeOverlaps(const RotatorRange& range);

// The azimuth that points at `heading` (any value; 360 and 0 are north): of
// the azimuths in the range, the one nearest to `present` when that is known,
// otherwise the one from 0 to under 360 when the range holds it, otherwise the
// lowest. A tie keeps to 0 to under 360. nullopt when the range misses the
// heading altogether (a rotator of 0 to 180 cannot point at 270).
std::optional<double> azimuthForHeading(double heading, const RotatorRange& range,
                                        std::optional<double> present = std::nullopt);

// The elevation sent with a turn: level (0), moved into the elevation range.
double levelElevation(const RotatorRange& range);

// A rotator's azimuth as a compass heading, 0 to under 360.
double headingOfAzimuth(double azimuth);

}  // namespace qvk::rotator
