// "tms.qvk" as found on disk: the flag line of any length, the place texts,
// and every flag read and set without reaching past the line.

#include "clocks/place_time.h"
#include "core/line_file.h"
#include "settings/clocks_file.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = qvk::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    qvk::ClocksFile file = qvk::parseClocksFile(lines);
    for (int place = 1; place <= qvk::kClockPlaces; ++place) {
        const bool on = qvk::daylightSavingFlag(file.flagLine, place);
        qvk::setDaylightSavingFlag(file.flagLine, place, !on);
        qvk::ComputePlaceTime(file.places[static_cast<std::size_t>(place - 1)], on, place % 2 == 0,
                              {place % 24, (place * 7) % 60});
    }
    if (qvk::clocksFileLines(file).size() != 25) __builtin_trap();
    return 0;
}
