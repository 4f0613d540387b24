// Locators as typed, and positions of any value: a valid locator's corner
// always converts, and every position gives a locator of the alphabet.

#include "core/angle_notation.h"
#include "core/byte_text.h"
#include "core/maidenhead.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const double latitude = input.ConsumeFloatingPoint<double>();
    const double longitude = input.ConsumeFloatingPoint<double>();
    const std::string locator = qvk::text::upperAscii(input.ConsumeRemainingBytesAsString());
    if (!qvk::locatorWarning(locator) && !qvk::toDecimalPair(qvk::locatorCorner(locator))) __builtin_trap();
    if (std::isfinite(latitude) && std::isfinite(longitude)) {
        const std::string square = qvk::GridCalc(latitude, longitude);
        if (qvk::locatorWarning(square)) __builtin_trap();
    }
    return 0;
}
