#include "ui/clocks/clock_zones.h"

#include <algorithm>

namespace qvk::ui {
namespace {

constexpr int kOneHour = 3600;

// tzdata also lists bare offsets ("UTC+10:00") and the fixed "Etc/" zones:
// neither is a place with a daylight-saving rule.
bool isPlace(const QByteArray& id) { return id.contains('/') && !id.startsWith("Etc/"); }

// The next two changes show what a zone's summer time adds.
bool savesAnHourAtMost(const QTimeZone& zone, const QDateTime& when)
{
    if (!zone.hasDaylightTime()) return true;
    QDateTime from = when;
    for (int change = 0; change < 2; ++change) {
        const QTimeZone::OffsetData next = zone.nextTransition(from);
        if (!next.atUtc.isValid()) return true;
        if (next.daylightTimeOffset != 0 && next.daylightTimeOffset != kOneHour) return false;
        from = next.atUtc;
    }
    return true;
}

}  // namespace

QTimeZone clockZoneNamed(const std::string& name)
{
    // an empty name would give the computer's own zone
    if (name.empty()) return {};
    return QTimeZone(QByteArray::fromStdString(name));
}

bool keepsStandardOffset(const QTimeZone& zone, int offsetMinutes, const QDateTime& when)
{
    return zone.standardTimeOffset(when) == offsetMinutes * 60;
}

QByteArrayList zonesOfStandardOffset(int offsetMinutes, const QDateTime& when)
{
    QByteArrayList offered;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (!isPlace(id)) continue;
        const QTimeZone zone(id);
        if (keepsStandardOffset(zone, offsetMinutes, when) && savesAnHourAtMost(zone, when)) offered << id;
    }
    std::sort(offered.begin(), offered.end());
    return offered;
}

}  // namespace qvk::ui
