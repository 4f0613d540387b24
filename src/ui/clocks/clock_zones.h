#pragma once
// The time zones a clock row can follow, from the system's tzdata.
//
// A row with a zone takes its daylight-saving flag from the zone; its hour
// still comes from the offset in its place box, so the zones offered for a row
// are those whose standard offset is the row's. The flag adds one hour, so a
// zone that saves some other amount (Lord Howe Island's half hour, Troll's
// two hours) is never offered.

#include <QByteArrayList>
#include <QDateTime>
#include <QTimeZone>

#include <string>

namespace qvk::ui {

// The zone of that IANA name; an invalid zone for an empty name or one that
// tzdata does not know.
QTimeZone clockZoneNamed(const std::string& name);

// The places' zones ("Region/City") whose standard offset at `when` is
// `offsetMinutes` east of GMT, sorted by name.
QByteArrayList zonesOfStandardOffset(int offsetMinutes, const QDateTime& when);

// Whether the zone's standard offset at `when` is the row's.
bool keepsStandardOffset(const QTimeZone& zone, int offsetMinutes, const QDateTime& when);

}  // namespace qvk::ui
