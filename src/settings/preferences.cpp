#include "settings/preferences.h"

#include "core/messages.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace qvk {

void Preferences::setOptions(bool longPath, bool military, bool miles)
{
    flags[0] = longPath ? '1' : '0';
    flags[1] = military ? '1' : '0';
    flags[2] = miles ? '1' : '0';
}

PreferencesReading parsePreferences(const std::vector<std::string>& lines)
{
    const auto line = [&](std::size_t n) { return n <= lines.size() ? lines[n - 1] : std::string(); };
    PreferencesReading reading;
    Preferences& p = reading.preferences;
    p.flags = line(1);
    if (p.flags.size() < 3) p.flags.resize(3, '0');
    p.longitudeText = line(2);
    p.latitudeText = line(3);

    if (const std::string offset = line(4); !offset.empty()) {
        const auto hours = parseDecimal(offset);
        if (hours) {
            p.gmtOffset = static_cast<double>(*hours);
        } else {
            reading.error = invalidFloatMessage(offset);
            reading.errorLine = 4;
        }
    }
    if (const std::string index = line(5); !index.empty()) {
        const auto value = parseWholeNumber(index);
        if (value && *value >= -1 && *value < 1'000'000) {
            p.offsetIndex = static_cast<int>(*value);
        } else if (reading.error.empty()) {
            reading.error = invalidIntegerMessage(index);
            reading.errorLine = 5;
        }
    }
    return reading;
}

std::vector<std::string> preferencesLines(const Preferences& p)
{
    return {p.flags, p.longitudeText, p.latitudeText, offsetText(p.gmtOffset), std::to_string(p.offsetIndex)};
}

std::string offsetText(double hours)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, hours == 0 ? 0.0 : hours).ptr;
    return std::string(buffer, end);
}

}  // namespace qvk
