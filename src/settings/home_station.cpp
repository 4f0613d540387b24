#include "settings/home_station.h"

#include "core/byte_text.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace qvk {
namespace {

// The characters after the first "." (at most 10); the whole text without one.
std::string minutesPart(std::string_view text)
{
    const auto point = static_cast<long long>(text::pos(".", text));
    return point == 0 ? text::copy(text, 1, 10) : text::copy(text, point + 1, 10);
}

}  // namespace

HomeTextsCheck checkHomeTexts(std::string_view latitudeText, std::string_view longitudeText)
{
    using Outcome = HomeTextsCheck::Outcome;
    const std::string longitudeMinutes = minutesPart(longitudeText);
    const std::string latitudeMinutes = minutesPart(latitudeText);
    for (const auto& minutes : {longitudeMinutes, latitudeMinutes})
        if (minutes.size() != 2) return {Outcome::Warning, "Minutes must be two characters in length."};
    for (const auto& minutes : {longitudeMinutes, latitudeMinutes}) {
        const auto value = parseDecimal(minutes);
        if (!value) return {Outcome::Error, invalidFloatMessage(minutes)};
        if (*value < 0 || *value > 59) return {Outcome::Warning, "Minutes must be between 00 and 59."};
    }
    return {};
}

HomeReading homePosition(std::string_view latitudeText, std::string_view longitudeText)
{
    using Outcome = HomeReading::Outcome;
    std::string pair(latitudeText);
    pair += '\\';
    pair += longitudeText;
    const auto converted = toDecimalPair(pair);
    if (!converted) return {Outcome::InvalidDegrees, {}, invalidDegreesWarning(latitudeText, longitudeText)};
    const PairReading reading = readByPosition(*converted, latitudeText, longitudeText);
    if (!reading.ok) return {Outcome::InvalidNumber, {}, invalidFloatMessage(reading.invalidText)};
    return {Outcome::Found, reading.position, {}};
}

}  // namespace qvk
