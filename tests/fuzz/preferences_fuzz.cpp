// "prefs.qvk" as found on disk: whatever it holds, reading it gives
// preferences that write back and read again unchanged.

#include "core/line_file.h"
#include "settings/home_station.h"
#include "settings/preferences.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto lines = qvk::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto first = qvk::parsePreferences(lines);
    const auto written = qvk::preferencesLines(first.preferences);
    const auto second = qvk::parsePreferences(written);
    if (qvk::preferencesLines(second.preferences) != written) __builtin_trap();
    const auto& p = first.preferences;
    qvk::checkHomeTexts(p.latitudeText, p.longitudeText);
    qvk::homePosition(p.latitudeText, p.longitudeText);
    return 0;
}
