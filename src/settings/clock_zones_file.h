#pragma once
// The clock zones file "tmszones.qvk", the companion of "tms.qvk": 24 lines,
// Windows-1252, CR LF. Line k names the time zone of place k (an IANA name
// such as "Australia/Sydney") or is empty for a place whose daylight-saving
// flag the operator sets by hand.
//
// The zones live apart from "tms.qvk" so that its format stays as older
// copies of the program read it; the flags it holds are then the ones the
// zones gave at the last refresh. Blanks around a name are dropped, missing
// lines are places without a zone, and lines after the 24th are ignored.

#include "settings/clocks_file.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qvk {

inline constexpr const char* kClockZonesFileName = "tmszones.qvk";

using ClockZones = std::array<std::string, kClockPlaces>;  // place 1 first

ClockZones parseClockZones(const std::vector<std::string>& lines);

// Always exactly 24 lines.
std::vector<std::string> clockZonesLines(const ClockZones& zones);

// "Clock zones file PATH, line N: unknown time zone 'NAME', ignored."
std::string unknownClockZoneMessage(std::string_view path, int line, std::string_view zone);

}  // namespace qvk
