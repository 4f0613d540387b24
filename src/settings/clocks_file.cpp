#include "settings/clocks_file.h"

#include <utility>

namespace qvk {
namespace {

constexpr std::size_t kFlagLineLength = 27 + kClockPlaces;

std::string filledUp(std::string flagLine)
{
    if (flagLine.size() < kFlagLineLength) flagLine.resize(kFlagLineLength, '0');
    return flagLine;
}

// Index into the flag line of place k's character 27 + k.
std::size_t flagIndex(int place) { return static_cast<std::size_t>(26 + place); }

}  // namespace

ClocksFile parseClocksFile(const std::vector<std::string>& lines)
{
    ClocksFile file;
    file.flagLine = filledUp(lines.empty() ? std::string() : lines.front());
    for (std::size_t k = 0; k < file.places.size() && k + 1 < lines.size(); ++k) file.places[k] = lines[k + 1];
    return file;
}

std::vector<std::string> clocksFileLines(const ClocksFile& file)
{
    std::vector<std::string> lines{filledUp(file.flagLine)};
    lines.insert(lines.end(), file.places.begin(), file.places.end());
    return lines;
}

bool daylightSavingFlag(const std::string& flagLine, int place)
{
    if (place < 1 || place > kClockPlaces) return false;
    const std::size_t index = flagIndex(place);
    return index < flagLine.size() && flagLine[index] == '1';
}

void setDaylightSavingFlag(std::string& flagLine, int place, bool on)
{
    if (place < 1 || place > kClockPlaces) return;
    flagLine = filledUp(std::move(flagLine));
    flagLine[flagIndex(place)] = on ? '1' : '0';
}

}  // namespace qvk
