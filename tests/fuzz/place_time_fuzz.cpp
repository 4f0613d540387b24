// A place box as typed: name, blanks and a bracketed offset, or anything else.

#include "clocks/place_time.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool daylightSaving = input.ConsumeBool();
    const bool military = input.ConsumeBool();
    const qvk::UtcTimeOfDay utc{input.ConsumeIntegralInRange(0, 23), input.ConsumeIntegralInRange(0, 59)};
    const std::string place = input.ConsumeRemainingBytesAsString();
    const auto row = qvk::ComputePlaceTime(place, daylightSaving, military, utc);
    if (row.status == qvk::PlaceTime::Status::Shown && row.text.size() > 9) __builtin_trap();
    qvk::gmtRowText(utc, military);
    return 0;
}
