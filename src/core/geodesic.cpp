#include "core/geodesic.h"

#include "core/extended_trig.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace qvk {
namespace {

constexpr long double kSemiMinorAxis = 6356752.3142L;
constexpr long double kFlattening = 0.00335281066474L;
constexpr long double kSecondEccentricitySquared = 0.00673949674227L;
constexpr long double kDegreesToRadians = 0.017453292519943295L;
constexpr long double kRadiansToDegrees = 57.29577951308232L;
constexpr long double kFullTurn = 6.283185307179586L;
constexpr int kPassLimit = 100;
constexpr long double kConvergence = 1e-12L;
constexpr long double kNearEquatorial = 1e-50L;
constexpr long double kHomeNudge = 1e-15L;

// x - m * trunc(x / m)
long double floatRemainder(long double x, long double m) { return x - m * std::trunc(x / m); }

}  // namespace

std::optional<VincentyOutcome> vincentyInverse(long double homeLatitude, long double homeLongitude,
                                               long double targetLatitude, long double targetLongitude)
{
    using std::atan2, std::sqrt, std::fabs;
    const auto sin = extendedSin;
    const auto cos = extendedCos;
    const auto tan = extendedTan;
    const long double f = kFlattening;
    const long double phi1 = homeLatitude * kDegreesToRadians;
    const long double phi2 = targetLatitude * kDegreesToRadians;
    // with west-positive longitudes this is the eastward difference from home to target
    const long double L = (homeLongitude - targetLongitude) * kDegreesToRadians;

    const long double U1 = atan2((1 - f) * tan(phi1), 1.0L);
    const long double U2 = atan2((1 - f) * tan(phi2), 1.0L);
    const long double sinU1 = sin(U1) + kHomeNudge;
    const long double cosU1 = cos(U1) + kHomeNudge;
    const long double sinU2 = sin(U2);
    const long double cosU2 = cos(U2);

    long double lambda = L;
    long double previousLambda = 0;
    long double sinSigma = 0, cosSigma = 0, sigma = 0, cosSqAlpha = 0, cos2SigmaM = 0;
    int passes = 0;
    do {
        ++passes;
        previousLambda = lambda;
        const long double sinLambda = sin(lambda);
        const long double cosLambda = cos(lambda);
        const long double across = cosU2 * sinLambda;
        const long double along = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = sqrt(across * across + along * along);
        if (sinSigma == 0) return std::nullopt;  // a division by zero follows
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = atan2(sinSigma, cosSigma);
        const long double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cosSqAlpha = (1 + sinAlpha) * (1 - sinAlpha);
        cos2SigmaM = fabs(cosSqAlpha) < kNearEquatorial ? 0 : cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha;
        const long double K = f / 16 * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
        lambda = L + (1 - K) * f * sinAlpha *
                         (sigma + K * sinSigma * (cos2SigmaM + K * cosSigma * (2 * cos2SigmaM * cos2SigmaM - 1)));
        if (!std::isfinite(lambda)) return std::nullopt;
    } while (passes < kPassLimit && fabs(lambda - previousLambda) > kConvergence);

    const long double uSq = cosSqAlpha * kSecondEccentricitySquared;
    const long double A = 1 + uSq / 16384 * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
    const long double B = uSq / 1024 * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
    const long double deltaSigma =
        B * sinSigma *
        (cos2SigmaM + B / 4 *
                          (cosSigma * (2 * cos2SigmaM * cos2SigmaM - 1) -
                           B / 6 * cos2SigmaM * (4 * sinSigma * sinSigma - 3) * (4 * cos2SigmaM * cos2SigmaM - 3)));
    const long double distance = kSemiMinorAxis * A * (sigma - deltaSigma);
    const long double alpha1 = atan2(cosU2 * sin(lambda), cosU1 * sinU2 - sinU1 * cosU2 * cos(lambda));
    const long double bearing = floatRemainder(alpha1 + kFullTurn, kFullTurn) * kRadiansToDegrees;
    if (!std::isfinite(distance) || !std::isfinite(bearing)) return std::nullopt;

    VincentyOutcome outcome;
    outcome.result = {static_cast<double>(bearing), static_cast<double>(distance)};
    outcome.passes = passes;
    outcome.converged = fabs(lambda - previousLambda) <= kConvergence;
    return outcome;
}

std::optional<BearingResult> karneyInverse(long double homeLatitude, long double homeLongitude,
                                           long double targetLatitude, long double targetLongitude)
{
    static const GeographicLib::Geodesic ellipsoid(static_cast<double>(kSemiMinorAxis / (1 - kFlattening)),
                                                   static_cast<double>(kFlattening));
    double distance = 0, azimuth = 0, finalAzimuth = 0;
    // GeographicLib counts longitudes east positive
    ellipsoid.Inverse(static_cast<double>(homeLatitude), static_cast<double>(-homeLongitude),
                      static_cast<double>(targetLatitude), static_cast<double>(-targetLongitude), distance, azimuth,
                      finalAzimuth);
    if (!std::isfinite(distance) || !std::isfinite(azimuth)) return std::nullopt;
    return BearingResult{azimuth < 0 ? azimuth + 360 : azimuth, distance};
}

std::optional<BearingResult> inverseGeodesic(long double homeLatitude, long double homeLongitude,
                                             long double targetLatitude, long double targetLongitude)
{
    const auto vincenty = vincentyInverse(homeLatitude, homeLongitude, targetLatitude, targetLongitude);
    if (!vincenty) return std::nullopt;
    if (vincenty->converged) return vincenty->result;
    return karneyInverse(homeLatitude, homeLongitude, targetLatitude, targetLongitude);
}

namespace {
BearingResult& storedResult()
{
    static BearingResult result;
    return result;
}
}  // namespace

const BearingResult& CalculateBearing(long double homeLatitude, long double homeLongitude, long double targetLatitude,
                                      long double targetLongitude)
{
    if (const auto result = inverseGeodesic(homeLatitude, homeLongitude, targetLatitude, targetLongitude))
        storedResult() = *result;
    return storedResult();
}

const BearingResult& lastBearingResult() { return storedResult(); }

double longPathHeading(double bearing)
{
    const double opposite = bearing + 180;
    return opposite >= 360 ? opposite - 360 : opposite;
}

int evenHeading(double bearing)
{
    const auto whole = static_cast<int>(std::trunc(bearing));
    return whole % 2 != 0 ? whole + 1 : whole;
}

double metresToMiles(double metres) { return metres / 1.6093 / 1000; }

double metresToKilometres(double metres) { return metres / 1000; }

}  // namespace qvk
