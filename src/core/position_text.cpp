#include "core/position_text.h"

#include "core/maidenhead.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace qvk {

std::string angleText(long double degrees, Axis axis)
{
    const auto minutes = static_cast<long long>(std::llround(std::fabs(degrees) * 60));
    const bool negative = degrees < 0 && minutes > 0;
    const std::string_view prefix = axis == Axis::Latitude ? (negative ? kSouth : kNorth) : (negative ? kEast : kWest);
    return std::string(prefix) + std::to_string(minutes / 60) + "." + twoDigits(minutes % 60);
}

std::string pairText(SignedPosition position)
{
    return angleText(position.latitude, Axis::Latitude) + "\\" + angleText(position.longitude, Axis::Longitude);
}

std::string subsquareLocator(long double latitude, long double longitude)
{
    // the same clamping as GridCalc, so the subsquare stays inside its square
    const long double x = std::clamp(-longitude + 180, 0.0L, std::nextafter(360.0L, 0.0L));
    const long double y = std::clamp(latitude + 90, 0.0L, std::nextafter(180.0L, 0.0L));
    const auto across = static_cast<int>(std::floor(std::fmod(x, 2.0L) * 12));
    const auto up = static_cast<int>(std::floor(std::fmod(y, 1.0L) * 24));
    return GridCalc(latitude, longitude) + static_cast<char>('A' + across) + static_cast<char>('A' + up);
}

}  // namespace qvk
