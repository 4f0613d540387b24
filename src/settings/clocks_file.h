#pragma once
// The clocks file "tms.qvk": 25 lines, Windows-1252, CR LF.
//
//   1        the DS flag line: character 27 + k is "1" when place k (1 to 24)
//            is on daylight-saving time; characters 1 to 27 and 52 onward mean
//            nothing to the program and are carried through as read
//   2 to 25  the text of place box k on line 1 + k, exactly as typed
//
// A flag line shorter than 51 characters is filled up with "0", so that no
// flag is ever read or set past its end. Missing place lines are empty boxes;
// lines after the 25th are dropped.

#include <array>
#include <string>
#include <vector>

namespace qvk {

inline constexpr const char* kClocksFileName = "tms.qvk";
inline constexpr int kClockPlaces = 24;
// The flag line before any file is read: place 18 on daylight-saving time.
inline constexpr const char* kBuiltInFlagLine = "00000111111111111111110000C000000000000000001000000000000";

struct ClocksFile {
    std::string flagLine = kBuiltInFlagLine;
    std::array<std::string, kClockPlaces> places;  // place box 1 first
};

ClocksFile parseClocksFile(const std::vector<std::string>& lines);

// Always exactly 25 lines.
std::vector<std::string> clocksFileLines(const ClocksFile& file);

// Place k from 1 to 24.
bool daylightSavingFlag(const std::string& flagLine, int place);
void setDaylightSavingFlag(std::string& flagLine, int place, bool on);

}  // namespace qvk
