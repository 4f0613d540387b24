#include "core/maidenhead.h"

#include "core/angle_notation.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qvk {
namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";

// The characters allowed at each place of a locator.
constexpr std::string_view kAllowed[] = {"ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR",       "0123456789",
                                         "0123456789",         "ABCDEFGHIJKLMNOPQRSTUVWX", "ABCDEFGHIJKLMNOPQRSTUVWX"};

int indexAt(std::string_view locator, std::size_t place)
{
    return locator.size() > place ? static_cast<int>(kAllowed[place].find(locator[place])) : 0;
}

// One corner coordinate as an angle text: degrees and minutes of a value that
// may lie below zero (south or west), written with its hemisphere prefix.
std::string cornerAngle(int degrees, double minutes, std::string_view negativePrefix, std::string_view positivePrefix)
{
    const bool negative = degrees * 60 + minutes < 0;
    if (negative && minutes > 0) {
        degrees += 1;
        minutes = 60 - minutes;
    }
    const auto wholeMinutes = static_cast<long long>(std::nearbyint(minutes));  // half to even
    return std::string(negative ? negativePrefix : positivePrefix) + std::to_string(std::abs(degrees)) + "." +
           twoDigits(wholeMinutes);
}

}  // namespace

std::optional<std::string> locatorWarning(std::string_view locator)
{
    if (locator.size() != 4 && locator.size() != 6)
        return std::string("Grid description must be 4 or 6 characters in length.");
    for (std::size_t place = 0; place < locator.size(); ++place)
        if (kAllowed[place].find(locator[place]) == std::string_view::npos)
            return "Invalid Grid description - " + std::string(1, locator[place]);
    return std::nullopt;
}

std::string locatorCorner(std::string_view locator)
{
    int longitudeDegrees = 20 * indexAt(locator, 0) + 2 * indexAt(locator, 2) - 180;
    int longitudeMinutes = 5 * indexAt(locator, 4);
    if (longitudeMinutes >= 60) {
        longitudeDegrees += 1;
        longitudeMinutes -= 60;
    }
    const int latitudeDegrees = 10 * indexAt(locator, 1) + indexAt(locator, 3) - 90;
    const double latitudeMinutes = 2.5 * indexAt(locator, 5);
    return cornerAngle(latitudeDegrees, latitudeMinutes, kSouth, kNorth) + "\\" +
           cornerAngle(longitudeDegrees, longitudeMinutes, kWest, kEast);
}

std::string GridCalc(long double latitude, long double longitude)
{
    // just inside the last field, so that 180 E and 90 N stay within R and 9
    const long double x = std::clamp(-longitude + 180, 0.0L, std::nextafter(360.0L, 0.0L));
    const long double y = std::clamp(latitude + 90, 0.0L, std::nextafter(180.0L, 0.0L));
    const auto floorOf = [](long double v) { return static_cast<int>(std::floor(v)); };
    std::string locator;
    locator += kLetters[static_cast<std::size_t>(floorOf(x / 20))];
    locator += kLetters[static_cast<std::size_t>(floorOf(y / 10))];
    locator += kDigits[static_cast<std::size_t>(floorOf(x / 2) - 10 * floorOf(x / 20))];
    locator += kDigits[static_cast<std::size_t>(floorOf(y) - 10 * floorOf(y / 10))];
    return locator;
}

}  // namespace qvk
