#include "settings/clock_zones_file.h"

#include "core/byte_text.h"
#include "core/messages.h"

namespace qvk {

ClockZones parseClockZones(const std::vector<std::string>& lines)
{
    ClockZones zones;
    for (std::size_t k = 0; k < zones.size() && k < lines.size(); ++k) zones[k] = text::trimBlanks(lines[k]);
    return zones;
}

std::vector<std::string> clockZonesLines(const ClockZones& zones) { return {zones.begin(), zones.end()}; }

std::string unknownClockZoneMessage(std::string_view path, int line, std::string_view zone)
{
    return atLineMessage("Clock zones file " + std::string(path), static_cast<std::size_t>(line),
                         "unknown time zone " + singleQuoted(zone) + ", ignored.");
}

}  // namespace qvk
