#include "core/angle_notation.h"

#include "core/byte_text.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace qvk {
namespace {

using text::contains;
using text::copy;
using text::pos;

constexpr long long kLongitudeMaxLength = 100;

// One angle text from degrees.minutes to decimal degrees with two decimals:
// N°32.39 becomes N°32.65.
std::optional<std::string> toDecimalAngle(std::string part)
{
    const auto point = static_cast<long long>(pos(".", part));
    if (point == 0) return std::nullopt;
    const auto minutes = parseDecimal(copy(part, point, 3));
    if (!minutes) return std::nullopt;
    // .39 / .6 is 39 minutes as a fraction of a degree
    const std::string fraction = formatFixed(*minutes / 0.6L, 2);
    // 60 minutes or more would lose its whole degree below: not a position
    if (fraction.front() != '0') return std::nullopt;
    text::erase(part, point, 10);
    return part + fraction.substr(1);
}

}  // namespace

std::optional<std::string> toDecimalPair(std::string_view pair)
{
    const auto backslash = static_cast<long long>(pos("\\", pair));
    std::string latitude;
    std::string longitude;
    if (const auto at = static_cast<long long>(pos(kNorth, pair))) latitude = copy(pair, at, backslash - at);
    if (const auto at = static_cast<long long>(pos(kSouth, pair))) latitude = copy(pair, at, backslash - at);
    if (const auto at = static_cast<long long>(pos(kEast, pair))) longitude = copy(pair, at, kLongitudeMaxLength);
    if (const auto at = static_cast<long long>(pos(kWest, pair))) longitude = copy(pair, at, kLongitudeMaxLength);
    if (latitude.empty() || longitude.empty()) return std::nullopt;

    const auto decimalLatitude = toDecimalAngle(latitude);
    const auto decimalLongitude = toDecimalAngle(longitude);
    if (!decimalLatitude || !decimalLongitude) return std::nullopt;
    return *decimalLatitude + "\\" + *decimalLongitude;
}

std::string invalidDegreesWarning(std::string_view latitudeText, std::string_view longitudeText)
{
    return "Invalid degrees: " + quotedInMessage(latitudeText) + "  " + quotedInMessage(longitudeText);
}

std::string invalidDegreesWarning(std::string_view pair)
{
    const auto backslash = pair.find('\\');
    if (backslash == std::string_view::npos) return invalidDegreesWarning(pair, "");
    return invalidDegreesWarning(pair.substr(0, backslash), pair.substr(backslash + 1));
}

namespace {

PairReading readNumbers(const std::string& latitudeDigits, const std::string& longitudeDigits)
{
    PairReading reading;
    const auto latitude = parseDecimal(latitudeDigits);
    if (!latitude) {
        reading.invalidText = latitudeDigits;
        return reading;
    }
    const auto longitude = parseDecimal(longitudeDigits);
    if (!longitude) {
        reading.invalidText = longitudeDigits;
        return reading;
    }
    reading.ok = true;
    reading.position = {*latitude, *longitude};
    return reading;
}

// The digits of the south or east half with their minus sign, which a text
// that is no number keeps when it is named in the error box.
std::string negated(std::string_view digits)
{
    std::string text(1, '-');
    text += digits;
    return text;
}

}  // namespace

PairReading readByHemisphere(std::string_view convertedPair)
{
    const auto backslash = static_cast<long long>(pos("\\", convertedPair));
    std::string latitude;
    std::string longitude;
    if (const auto at = static_cast<long long>(pos(kNorth, convertedPair)))
        latitude = copy(convertedPair, at + 2, backslash - at - 2);
    if (const auto at = static_cast<long long>(pos(kSouth, convertedPair)))
        latitude = negated(copy(convertedPair, at + 2, backslash - at - 2));
    if (const auto at = static_cast<long long>(pos(kEast, convertedPair)))
        longitude = negated(copy(convertedPair, at + 2, kLongitudeMaxLength));
    if (const auto at = static_cast<long long>(pos(kWest, convertedPair)))
        longitude = copy(convertedPair, at + 2, kLongitudeMaxLength);
    return readNumbers(latitude, longitude);
}

PairReading readByPosition(std::string_view convertedPair, std::string_view latitudeText,
                           std::string_view longitudeText)
{
    const auto degree = static_cast<long long>(pos(std::string_view(&kDegreeSign, 1), convertedPair));
    const auto backslash = static_cast<long long>(pos("\\", convertedPair));
    PairReading reading = readNumbers(copy(convertedPair, degree + 1, backslash - degree - 1),
                                      copy(convertedPair, backslash + 3, kLongitudeMaxLength));
    if (contains(latitudeText, "S")) reading.position.latitude = -reading.position.latitude;
    if (contains(longitudeText, "E")) reading.position.longitude = -reading.position.longitude;
    return reading;
}

std::string toggledHemisphere(std::string_view text, Axis axis)
{
    const std::string_view first = axis == Axis::Latitude ? kNorth : kWest;
    const std::string_view second = axis == Axis::Latitude ? kSouth : kEast;
    if (!contains(text, first) && !contains(text, second)) return std::string(first) + std::string(text);
    const std::string_view prefix = contains(text, second) ? first : second;
    return std::string(prefix) + copy(text, 3, static_cast<long long>(text.size()));
}

}  // namespace qvk
