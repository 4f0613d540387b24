#pragma once
// Sunrise and sunset at the home station.
//
// The Sun's centre is followed hour by hour through a 24-hour window that
// starts at local noon (of the day before when the GMT offset is negative) and
// each crossing of the zenith distance 90.833 degrees (the horizon with
// refraction and the Sun's semi-diameter) is interpolated by a parabola. The
// Sun's place comes from the low-precision series of Van Flandern and
// Pulkkinen (1979). pi is taken as 3.14159265 throughout, not the full value:
// a time near a minute's edge turns on those last digits, and with this value
// the times agree to the minute with the reference times they are checked
// against.
//
// A set is therefore found in the window's first twelve hours (this evening, or
// yesterday evening for a negative offset) and a rise in its last twelve (the
// next morning). Polar days and nights find no crossing at all.

#include <string>
#include <vector>

namespace qvk {

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

enum class SunEvent { Rise, Set };

struct SunRequest {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, EAST positive
    double gmtOffset = 0;  // hours, local time minus GMT
    bool military = false;
    CivilDate date;  // today's local date
};

// What a run leaves behind. A text is only replaced when an event of its kind
// is found; the event kind is preset by the caller (rise before the first
// run, set before the second) and follows each recognised event.
struct SunTimes {
    std::string riseText;
    std::string setText;
    SunEvent eventKind = SunEvent::Rise;
};

inline constexpr const char* kSunUpOrDownAllDay = "Sun up or down all day";
inline constexpr const char* kNoSunrise = "No sunrise this date";
inline constexpr const char* kNoSunset = "No sunset this date";

// One run: updates `times` and returns the notices to show, in order.
std::vector<std::string> SunRiseSet(const SunRequest& request, SunTimes& times);

// The two runs made at start: the rise text of the first run (preset rise)
// and the set text of the second (preset set), with the notices of both runs.
struct SunDay {
    std::string riseText;
    std::string setText;
    std::vector<std::string> firstRunNotices;
    std::vector<std::string> secondRunNotices;
};
SunDay sunTimesForDay(const SunRequest& request);

}  // namespace qvk
