#include "app/calc/position_argument.h"

#include "core/byte_text.h"
#include "core/maidenhead.h"
#include "core/messages.h"
#include "core/windows1252.h"

#include <cctype>

namespace qvk::calc {
namespace {

bool isHemisphereLetter(char c) { return c == 'N' || c == 'S' || c == 'E' || c == 'W'; }

PositionReading failed(std::string error)
{
    PositionReading reading;
    reading.error = std::move(error);
    return reading;
}

}  // namespace

std::string normalisedAngleText(std::string_view argument)
{
    const std::string bytes = text::upperAscii(utf8ToWindows1252(argument));
    std::string normalised;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        normalised += bytes[i];
        const bool startsAngle = i == 0 || bytes[i - 1] == '\\';
        const bool degreesFollow = i + 1 < bytes.size() && (std::isdigit(static_cast<unsigned char>(bytes[i + 1])) || bytes[i + 1] == '.');
        if (startsAngle && isHemisphereLetter(bytes[i]) && degreesFollow) normalised += kDegreeSign;
    }
    return normalised;
}

PositionReading readPair(std::string_view pair)
{
    if (!text::contains(pair, kNorth) && !text::contains(pair, kSouth))
        return failed("No N\xB0 or S\xB0 degrees in selected record.");
    if (!text::contains(pair, kEast) && !text::contains(pair, kWest))
        return failed("No W\xB0 or E\xB0 degrees in selected record.");
    const auto converted = toDecimalPair(pair);
    if (!converted) {
        const auto backslash = pair.find('\\');
        return failed(invalidDegreesWarning(pair.substr(0, backslash),
                                            backslash == std::string_view::npos ? "" : pair.substr(backslash + 1)));
    }
    const PairReading numbers = readByHemisphere(*converted);
    if (!numbers.ok) return failed(invalidFloatMessage(numbers.invalidText));
    PositionReading reading;
    reading.ok = true;
    reading.position = numbers.position;
    return reading;
}

PositionReading readPosition(std::string_view argument)
{
    const std::string normalised = normalisedAngleText(argument);
    if (text::contains(normalised, "\\")) return readPair(normalised);
    if (const auto warning = locatorWarning(normalised)) return failed(*warning);
    return readPair(locatorCorner(normalised));
}

}  // namespace qvk::calc
