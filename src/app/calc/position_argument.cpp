#include "app/calc/position_argument.h"

#include "app/calc/country_file_in_use.h"
#include "catalogue/list_callsign.h"
#include "catalogue/list_entry.h"
#include "core/byte_text.h"
#include "core/maidenhead.h"
#include "core/windows1252.h"

#include <cctype>
#include <cmath>

namespace qvk::calc {
namespace {

bool isHemisphereLetter(char c) { return c == 'N' || c == 'S' || c == 'E' || c == 'W'; }

}  // namespace

std::string normalisedAngleText(std::string_view argument)
{
    const std::string bytes = text::upperAscii(utf8ToWindows1252(argument));
    std::string normalised;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        normalised += bytes[i];
        const bool startsAngle = i == 0 || bytes[i - 1] == '\\';
        const bool degreesFollow =
            i + 1 < bytes.size() && (std::isdigit(static_cast<unsigned char>(bytes[i + 1])) || bytes[i + 1] == '.');
        if (startsAngle && isHemisphereLetter(bytes[i]) && degreesFollow) normalised += kDegreeSign;
    }
    return normalised;
}

PositionReading readPair(std::string_view pair)
{
    const EntryPosition entry = positionOfEntry(pair);
    PositionReading reading;
    reading.ok = entry.status == EntryPosition::Status::Found;
    reading.position = entry.position;
    reading.error = entry.message;
    // the notation takes any number of degrees; the earth does not
    if (reading.ok && std::abs(reading.position.latitude) > 90) {
        reading.ok = false;
        reading.error = "Latitude beyond 90 degrees: " + std::string(pair);
    } else if (reading.ok && std::abs(reading.position.longitude) > 180) {
        reading.ok = false;
        reading.error = "Longitude beyond 180 degrees: " + std::string(pair);
    }
    return reading;
}

PositionReading readPosition(std::string_view argument)
{
    const std::string normalised = normalisedAngleText(argument);
    if (text::contains(normalised, "\\")) return readPair(normalised);
    if (const auto warning = locatorWarning(normalised)) {
        PositionReading reading;
        reading.error = *warning;
        return reading;
    }
    return readPair(locatorCorner(normalised));
}

PositionReading readTarget(std::string_view argument, const std::optional<std::string>& ctyPath)
{
    PositionReading reading = readPosition(argument);
    const std::string call = normalisedCall(utf8ToWindows1252(argument));
    if (reading.ok || !notACallsignReason(call).empty()) return reading;
    const auto file = loadCountryFile(ctyPath);
    if (!file) {
        reading.error = noCountryFileWarning(call);
        return reading;
    }
    const auto callsign = callsignOfListText(file->data, call);
    reading.ok = callsign->lookup.outcome == CallLookup::Outcome::Entity;
    reading.position = callsign->position;
    reading.error = callsign->warning;
    return reading;
}

}  // namespace qvk::calc
