#pragma once
// The local and UTC clocks of the main window's toolbar.

#include <string>

namespace qvk {

// Local time: "hh:mm" in military time, else "h:mmA" / "h:mmP" (3:07P, 12:05A).
std::string toolbarLocalText(int hour, int minute, bool military);

// UTC: "HH:MM" in military time, else 1:05P for the afternoon, 12:30P at noon,
// and two-digit hours in the morning (09:07A) with 00 read as 12 (12:05A).
std::string toolbarUtcText(int hour, int minute, bool military);

}  // namespace qvk
