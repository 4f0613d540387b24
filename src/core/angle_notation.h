#pragma once
// Angle texts and coordinate pair texts.
//
// Positions are written as a hemisphere prefix ("N°", "S°", "W°", "E°", the
// degree sign being the single byte 0xB0), whole degrees, "." and two digits of
// MINUTES: N°32.39 is 32 degrees 39 minutes north, and ".5" means fifty
// minutes, never a decimal fraction. A coordinate pair text is the latitude
// text, "\" and the longitude text: N°32.39\W°86.43.
//
// Every computation takes signed decimal degrees with latitude positive north
// and longitude positive WEST (east is negative).

#include "core/position.h"

#include <optional>
#include <string>
#include <string_view>

namespace qvk {

inline constexpr char kDegreeSign = '\xB0';
inline constexpr std::string_view kNorth = "N\xB0";
inline constexpr std::string_view kSouth = "S\xB0";
inline constexpr std::string_view kWest = "W\xB0";
inline constexpr std::string_view kEast = "E\xB0";

// The pair converted from degrees.minutes to decimal angle texts with two
// decimals, prefixes kept: N°32.39\W°86.43 gives N°32.65\W°86.72. Only the two
// characters after each point count. Fails when a part's prefix
// is missing, a part has no point, the characters after the point are not a
// number, or they give 60 minutes or more.
std::optional<std::string> toDecimalPair(std::string_view pair);

// The warnings for a text to be resolved that lacks a latitude or a longitude.
inline constexpr const char* kNoLatitudeWarning = "No N\xB0 or S\xB0 degrees in selected record.";
inline constexpr const char* kNoLongitudeWarning = "No W\xB0 or E\xB0 degrees in selected record.";

// The warning of a failed conversion, naming the two texts that were given.
std::string invalidDegreesWarning(std::string_view latitudeText, std::string_view longitudeText);

// The same for a pair text, split at its "\".
std::string invalidDegreesWarning(std::string_view pair);

// Reading the numbers of a converted pair. On failure `invalidText` holds the
// text that is not a number, for the "'%s' is not a valid floating point value"
// report.
struct PairReading {
    bool ok = false;
    SignedPosition position;
    std::string invalidText;
};

// By hemisphere: the digits after "N°" (or "S°", negated) up to the "\", and
// after "W°" (or "E°", negated) to the end.
PairReading readByHemisphere(std::string_view convertedPair);

// By position: the digits between the first "°" and the "\", and those from
// the third character after the "\"; the signs come from the unconverted texts
// (a latitude text holding "S" is south, a longitude text holding "E" is east).
PairReading readByPosition(std::string_view convertedPair, std::string_view latitudeText,
                           std::string_view longitudeText);

enum class Axis { Latitude, Longitude };

// The hemisphere toggle of a coordinate field: a text without prefix gets
// "N°" (or "W°") in front; otherwise its first two characters become the
// other prefix of the axis.
std::string toggledHemisphere(std::string_view text, Axis axis);

}  // namespace qvk
