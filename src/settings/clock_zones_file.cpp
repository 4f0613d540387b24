#include "settings/clock_zones_file.h"

#include "core/messages.h"

namespace qvk {
namespace {

std::string withoutBlanks(const std::string& line)
{
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

}  // namespace

ClockZones parseClockZones(const std::vector<std::string>& lines)
{
    ClockZones zones;
    for (std::size_t k = 0; k < zones.size() && k < lines.size(); ++k) zones[k] = withoutBlanks(lines[k]);
    return zones;
}

std::vector<std::string> clockZonesLines(const ClockZones& zones) { return {zones.begin(), zones.end()}; }

std::string unknownClockZoneMessage(std::string_view path, int line, std::string_view zone)
{
    return "Clock zones file " + std::string(path) + ", line " + std::to_string(line) + ": unknown time zone " +
           singleQuoted(zone) + ", ignored.";
}

}  // namespace qvk
