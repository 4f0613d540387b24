#pragma once
// The time at a named place, from the UTC clock and the place box text.
//
// A place box holds a name, blanks, and the place's offset from GMT in square
// brackets: "India   [5.5]", "Chicago   [-6]". The offset is a whole number of
// hours from -11 to 12, optionally followed by ".25", ".5" or ".75". Only the
// first "[", the first "]" and the first "." of the whole text are looked at,
// so a "." in the name (St. Louis) spoils the offset.
//
// An hour of offset counts 0.0416674 day rather than 1/24 and the fractions
// 0.0208333 and 0.0104166 day; the place's time is rounded to the millisecond
// and shown to the minute, seconds dropped. [0.5] at 12:00 UTC thus shows
// 12:29 PM while [1.5] shows 1:30 PM. The odd factors stay on purpose: exact
// ones would be tidier but would move some half-hour places by a minute from
// what these clocks show.

#include <optional>
#include <string>
#include <string_view>

namespace qvk {

struct UtcTimeOfDay {
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
};

struct PlaceTime {
    enum class Status {
        NoOffset,     // no "[" or no "]": the time panel is emptied, the box keeps its colour
        Invalid,      // not a whole number from -11 to 12: red box, "00: 00"
        BadFraction,  // a fraction other than 25, 5 or 75: warn, the panel keeps its text
        Shown,        // `text` is the place's time
    };
    Status status = Status::NoOffset;
    std::string text;
};

inline constexpr const char* kInvalidPlaceTime = "00: 00";

PlaceTime ComputePlaceTime(std::string_view placeText, bool daylightSaving, bool military, UtcTimeOfDay utc);

// The place's offset from GMT in minutes, east positive, as its clock keeps
// it: "[5.5]" is 330 and "[-3.5]" -210. nullopt when the row shows no valid
// time (no brackets, an offset beyond -11 to 12, a fraction other than 25, 5
// or 75).
std::optional<int> placeOffsetMinutes(std::string_view placeText);

// "Decimal value must be .25, .5, or .75 in - '" + the place text + "'".
std::string badFractionWarning(std::string_view placeText);

// The GMT row: "7: 05 AM", "12: 00 PM", or "07: 05" in military time.
std::string gmtRowText(UtcTimeOfDay utc, bool military);

}  // namespace qvk
