#pragma once
// Beam heading and distance on the WGS-84 ellipsoid.
//
// The heading is the initial azimuth of the geodesic (the short path) at the
// home station, in degrees clockwise from true north, 0 inclusive to 360
// exclusive; the distance is the geodesic's length in metres. Inputs are
// signed decimal degrees with north and WEST positive.
//
// The computation is Vincenty's inverse method in extended precision with the
// program's constants (b = 6356752.3142 m, f = 0.00335281066474), at most 100
// passes of the lambda iteration, converged at a change of 1e-12 rad or less.
// sin U1 and cos U1 of the home station are nudged by 1e-15, so home equal to
// target gives distance 0 and heading 180 (home reduced latitude below 45
// degrees) or 0 (above) instead of a division by zero.
//
// Near the antipode of the home station the iteration may not settle within
// its 100 passes; its last pass would then be off by tens of degrees. In that
// case alone the result comes from Karney's geodesic inverse (GeographicLib) on
// the same ellipsoid, which converges everywhere.
//
// An arithmetic fault (a division by zero, a non-finite intermediate) yields
// no result: inverseGeodesic returns none, and CalculateBearing keeps the
// previous result untouched.

#include <optional>

namespace qvk {

// Kept in double precision, not in the computation's extended precision: a
// due-south heading computes as 179.999999999999997 and is kept as 180, so its
// long path reads 0.0 rather than 360.0.
struct BearingResult {
    double bearing = 0;   // degrees, 0 <= bearing <= 360 (a hair below 360 rounds up)
    double distance = 0;  // metres
};

// Vincenty's inverse as the program computes it, with its pass count.
struct VincentyOutcome {
    BearingResult result;
    int passes = 0;
    bool converged = false;
};
std::optional<VincentyOutcome> vincentyInverse(long double homeLatitude, long double homeLongitude,
                                               long double targetLatitude, long double targetLongitude);

// Karney's inverse on the same ellipsoid (used where Vincenty does not converge).
std::optional<BearingResult> karneyInverse(long double homeLatitude, long double homeLongitude,
                                           long double targetLatitude, long double targetLongitude);

// Vincenty where it converges, Karney where it does not; nullopt on a fault.
std::optional<BearingResult> inverseGeodesic(long double homeLatitude, long double homeLongitude,
                                             long double targetLatitude, long double targetLongitude);

// inverseGeodesic that keeps its result as the process-wide last result and
// returns that: after a fault, the result of the computation before (zeros at
// start), so that a display fed from it shows what it showed before instead of
// nothing.
const BearingResult& CalculateBearing(long double homeLatitude, long double homeLongitude, long double targetLatitude,
                                      long double targetLongitude);

// The last result of CalculateBearing, kept for the whole run (zeros at start).
const BearingResult& lastBearingResult();

// The opposite heading: bearing + 180, less 360 when that reaches 360.
double longPathHeading(double bearing);

// The bearing truncated to whole degrees and raised by one when odd: 0, 2,
// ..., 360 (359.7 gives 360). It selects the compass marker row.
int evenHeading(double bearing);

double metresToMiles(double metres);
double metresToKilometres(double metres);

}  // namespace qvk
