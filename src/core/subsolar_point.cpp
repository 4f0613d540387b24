#include "core/subsolar_point.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qvk {
namespace {

constexpr double kDegrees = std::numbers::pi / 180;
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kJ2000 = 2451545.0;

double degreesIn360(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

double degreesIn180(double degrees)
{
    const double turned = degreesIn360(degrees);
    return turned > 180 ? turned - 360 : turned;
}

}  // namespace

SubsolarPoint subsolarPoint(double unixSeconds)
{
    const double n = unixSeconds / 86400 + kUnixEpochJulianDay - kJ2000;  // days from J2000.0
    const double meanLongitude = degreesIn360(280.460 + 0.9856474 * n);
    const double meanAnomaly = degreesIn360(357.528 + 0.9856003 * n) * kDegrees;
    const double eclipticLongitude =
        (meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly)) * kDegrees;
    const double obliquity = (23.439 - 0.0000004 * n) * kDegrees;
    const double rightAscension =
        std::atan2(std::cos(obliquity) * std::sin(eclipticLongitude), std::cos(eclipticLongitude)) / kDegrees;
    const double declination = std::asin(std::sin(obliquity) * std::sin(eclipticLongitude)) / kDegrees;
    const double siderealDegrees = 280.46061837 + 360.98564736629 * n;  // Greenwich mean sidereal time
    return {declination, degreesIn180(rightAscension - siderealDegrees)};
}

double solarAltitude(SubsolarPoint sun, double latitude, double longitude)
{
    const double hourAngle = (longitude - sun.longitude) * kDegrees;
    const double sinAltitude = std::sin(latitude * kDegrees) * std::sin(sun.latitude * kDegrees) +
                               std::cos(latitude * kDegrees) * std::cos(sun.latitude * kDegrees) * std::cos(hourAngle);
    return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegrees;
}

Daylight daylightAt(SubsolarPoint sun, double latitude, double longitude)
{
    const double altitude = solarAltitude(sun, latitude, longitude);
    if (altitude > kSunsetAltitude) return Daylight::Day;
    return altitude > kCivilDuskAltitude ? Daylight::Twilight : Daylight::Night;
}

}  // namespace qvk
