// Coordinate pair texts as typed or as any file holds them: the conversion,
// both readings and the hemisphere toggle must take anything.

#include "core/angle_notation.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    qvk::readByHemisphere(text);
    if (const auto converted = qvk::toDecimalPair(text)) {
        const auto backslash = text.find('\\');
        const std::string latitude = text.substr(0, backslash);
        const std::string longitude = backslash == std::string::npos ? std::string() : text.substr(backslash + 1);
        qvk::readByHemisphere(*converted);
        qvk::readByPosition(*converted, latitude, longitude);
    }
    qvk::toggledHemisphere(text, qvk::Axis::Latitude);
    qvk::toggledHemisphere(text, qvk::Axis::Longitude);
    return 0;
}
