#pragma once
// Where the Sun stands overhead, and how high it stands over a place.
//
// The Sun's place comes from the low-precision formulae of the Astronomical
// Almanac (mean longitude and anomaly, the equation of centre, the obliquity of
// the ecliptic) with Greenwich mean sidereal time: good to about 0.01 degree
// from 1950 to 2050, far finer than the grey line can show. The altitude is
// taken on the sphere of geodetic latitudes, the usual way of telling day from
// night, without refraction (the thresholds below carry it).

namespace qvk {

// A position in decimal degrees, north and EAST positive (as the Sun is
// followed round the world, not as the program's entries read).
struct SubsolarPoint {
    double latitude = 0;
    double longitude = 0;  // -180 to 180
};

// The point below the Sun at an instant given as seconds since 1970-01-01
// 00:00 UTC.
SubsolarPoint subsolarPoint(double unixSeconds);

// The Sun's altitude in degrees above the horizon of a place (north and east
// positive) when it stands over `sun`.
double solarAltitude(SubsolarPoint sun, double latitude, double longitude);

// Day while the Sun's upper limb is above the horizon (its centre above
// -0.833 degrees, as sunrise and sunset count it); twilight until the centre
// is 6 degrees below (civil twilight); night below that.
inline constexpr double kSunsetAltitude = -0.833;
inline constexpr double kCivilDuskAltitude = -6.0;

enum class Daylight { Day, Twilight, Night };
Daylight daylightAt(SubsolarPoint sun, double latitude, double longitude);

}  // namespace qvk
