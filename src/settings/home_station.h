#pragma once
// The home station as the operator types it: a latitude text and a longitude
// text in degrees.minutes (N°29.18, W°94.47), and their signed decimal values.

#include "core/angle_notation.h"

#include <string>
#include <string_view>

namespace qvk {

// The checks of the Home Parameters window's "Save", longitude first: the
// minutes must be two characters and 0 to 59. Only the first failure counts.
struct HomeTextsCheck {
    enum class Outcome { Accepted, Warning, Error };
    Outcome outcome = Outcome::Accepted;
    std::string text;  // the warning, or the error box's text
};
HomeTextsCheck checkHomeTexts(std::string_view latitudeText, std::string_view longitudeText);

// The home position from its texts: the pair converted from degrees.minutes,
// the numbers read by position, south and east taken from the texts.
struct HomeReading {
    enum class Outcome { Found, InvalidDegrees, InvalidNumber };
    Outcome outcome = Outcome::Found;
    SignedPosition position;  // north and west positive
    std::string message;      // the warning or error text otherwise
};
HomeReading homePosition(std::string_view latitudeText, std::string_view longitudeText);

}  // namespace qvk
