#include "catalogue/list_entry.h"

#include "catalogue/master_list.h"
#include "core/byte_text.h"
#include "core/messages.h"

namespace qvk {

EntryPosition positionOfEntry(std::string_view entryText)
{
    using Status = EntryPosition::Status;
    const auto north = static_cast<long long>(text::pos(kNorth, entryText));
    const std::string pair = text::copy(entryText, north == 0 ? 1 : north, kEntryTextLength);
    if (!text::contains(pair, kNorth) && !text::contains(pair, kSouth))
        return {Status::NoLatitude, {}, kNoLatitudeWarning};
    if (!text::contains(pair, kEast) && !text::contains(pair, kWest))
        return {Status::NoLongitude, {}, kNoLongitudeWarning};

    const auto converted = toDecimalPair(pair);
    if (!converted) return {Status::InvalidDegrees, {}, invalidDegreesWarning(pair)};
    const PairReading reading = readByHemisphere(*converted);
    if (!reading.ok) return {Status::InvalidNumber, {}, invalidFloatMessage(reading.invalidText)};
    return {Status::Found, reading.position, {}};
}

}  // namespace qvk
