#pragma once
// The preferences file "prefs.qvk": five lines, Windows-1252, CR LF.
//
//   1  flags: "1"/"0" for long path, military time and miles, then any further
//      characters carried through unchanged
//   2  home longitude text, as typed (W°94.47)
//   3  home latitude text, as typed (N°29.18)
//   4  GMT offset in hours, shortest decimal form (-5, 5.5, 0)
//   5  offset list index (-1 when none is chosen)

#include <string>
#include <vector>

namespace qvk {

inline constexpr const char* kPreferencesFileName = "prefs.qvk";

struct Preferences {
    std::string flags = std::string(19, '0');  // before any file is read
    std::string longitudeText;
    std::string latitudeText;
    double gmtOffset = 0;
    int offsetIndex = 0;

    bool longPath() const { return flags[0] == '1'; }
    bool military() const { return flags[1] == '1'; }
    bool miles() const { return flags[2] == '1'; }
    void setOptions(bool longPath, bool military, bool miles);
};

// The preferences held by a file's lines. A short file or flags line is
// completed with defaults; a number that does not read is reported in
// `error` (the application's error text), with its line, and taken as 0.
struct PreferencesReading {
    Preferences preferences;
    std::string error;
    std::size_t errorLine = 0;  // 4 or 5
};
PreferencesReading parsePreferences(const std::vector<std::string>& lines);

std::vector<std::string> preferencesLines(const Preferences& preferences);

// An offset in its shortest decimal form: -5, 5.5, 0.
std::string offsetText(double hours);

}  // namespace qvk
