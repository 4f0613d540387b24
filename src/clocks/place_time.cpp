#include "clocks/place_time.h"

#include "core/byte_text.h"
#include "core/number_text.h"

#include <cmath>
#include <cstdlib>

namespace qvk {
namespace {

using text::copy;
using text::pos;

constexpr double kDayPerHour = 0.0416674;
constexpr double kHalfHour = 0.0208333;
constexpr double kQuarterHour = 0.0104166;
constexpr long long kMillisecondsPerDay = 86'400'000;

struct Offset {
    std::string whole;
    std::string fraction;
};

// The whole and fraction texts of the bracketed offset. With a "." the
// fraction runs from it to the "]" and is cut out of the text before the
// whole part is taken between "[" and "]".
Offset splitOffset(std::string_view placeText)
{
    std::string remaining(placeText);
    Offset offset;
    const auto point = static_cast<long long>(pos(".", remaining));
    if (point != 0) {
        const auto close = static_cast<long long>(pos("]", remaining));
        offset.fraction = copy(remaining, point + 1, close - point - 1);
        text::erase(remaining, point, close - point);
    }
    const auto open = static_cast<long long>(pos("[", remaining));
    const auto close = static_cast<long long>(pos("]", remaining));
    offset.whole = copy(remaining, open + 1, close - open - 1);
    return offset;
}

double fractionOfDay(const std::string& fraction)
{
    if (fraction == "5") return kHalfHour;
    if (fraction == "25") return kQuarterHour;
    if (fraction == "75") return kHalfHour + kQuarterHour;
    return 0;
}

std::optional<int> fractionMinutes(const std::string& fraction)
{
    if (fraction.empty()) return 0;
    if (fraction == "5") return 30;
    if (fraction == "25") return 15;
    if (fraction == "75") return 45;
    return std::nullopt;
}

std::string twelveHourText(int hour24, int minute)
{
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    return std::to_string(hour12) + ":" + twoDigits(minute) + (hour24 < 12 ? " AM" : " PM");
}

}  // namespace

std::string badFractionWarning(std::string_view placeText)
{
    return "Decimal value must be .25, .5, or .75 in - '" + std::string(placeText) + "'";
}

PlaceTime ComputePlaceTime(std::string_view placeText, bool daylightSaving, bool military, UtcTimeOfDay utc)
{
    if (!text::contains(placeText, "[") || !text::contains(placeText, "]")) return {};

    const Offset offset = splitOffset(placeText);
    const auto whole = parseWholeNumber(offset.whole);
    if (!whole || *whole < -11 || *whole > 12) return {PlaceTime::Status::Invalid, kInvalidPlaceTime};

    long long hours = *whole;
    if (daylightSaving && ++hours > 12) hours = -11;
    if (hours < 0) hours += 24;

    // the time of day as the clock reads it: hours and minutes, no seconds
    const double utcDay = (utc.hour * 3'600'000.0 + utc.minute * 60'000.0) / kMillisecondsPerDay;
    double shift = static_cast<double>(hours) * kDayPerHour;

    if (!offset.fraction.empty() && fractionOfDay(offset.fraction) == 0) return {PlaceTime::Status::BadFraction, {}};
    // a fraction goes the way of its offset: [-3.5] is three and a half hours behind
    const bool behind = text::contains(offset.whole, "-");
    shift += behind ? -fractionOfDay(offset.fraction) : fractionOfDay(offset.fraction);

    auto milliseconds = std::llround((utcDay + shift) * kMillisecondsPerDay) % kMillisecondsPerDay;
    if (milliseconds < 0) milliseconds += kMillisecondsPerDay;
    const auto hour24 = static_cast<int>(milliseconds / 3'600'000);
    const auto minute = static_cast<int>(milliseconds / 60'000 % 60);

    std::string shown = military ? twoDigits(hour24) + ": " + twoDigits(minute) : twelveHourText(hour24, minute);
    if (daylightSaving) shown += "*";
    return {PlaceTime::Status::Shown, shown};
}

std::optional<int> placeOffsetMinutes(std::string_view placeText)
{
    if (!text::contains(placeText, "[") || !text::contains(placeText, "]")) return std::nullopt;
    const Offset offset = splitOffset(placeText);
    const auto whole = parseWholeNumber(offset.whole);
    const auto fraction = fractionMinutes(offset.fraction);
    if (!whole || *whole < -11 || *whole > 12 || !fraction) return std::nullopt;
    const int minutes = static_cast<int>(std::abs(*whole)) * 60 + *fraction;
    return text::contains(offset.whole, "-") ? -minutes : minutes;
}

std::string gmtRowText(UtcTimeOfDay utc, bool military)
{
    if (military) return twoDigits(utc.hour) + ": " + twoDigits(utc.minute);
    const int hour12 = utc.hour % 12 == 0 ? 12 : utc.hour % 12;
    return std::to_string(hour12) + ": " + twoDigits(utc.minute) + (utc.hour < 12 ? " AM" : " PM");
}

}  // namespace qvk
