#include "clocks/toolbar_clock.h"

#include "core/number_text.h"

namespace qvk {

std::string toolbarLocalText(int hour, int minute, bool military)
{
    if (military) return twoDigits(hour) + ":" + twoDigits(minute);
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(hour12) + ":" + twoDigits(minute) + (hour < 12 ? "A" : "P");
}

std::string toolbarUtcText(int hour, int minute, bool military)
{
    if (military) return twoDigits(hour) + ":" + twoDigits(minute);
    if (hour > 12) return std::to_string(hour - 12) + ":" + twoDigits(minute) + "P";
    if (hour == 12) return "12:" + twoDigits(minute) + "P";
    const std::string morning = twoDigits(hour) + ":" + twoDigits(minute) + "A";
    return morning.starts_with("00") ? "12" + morning.substr(2) : morning;
}

}  // namespace qvk
