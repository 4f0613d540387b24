#pragma once
// A point anywhere on the Earth written as the program writes positions: in
// degrees.minutes angle texts and as a 6-character Maidenhead locator.

#include "core/angle_notation.h"

#include <string>

namespace qvk {

// An angle text rounded to the nearest minute: 32.65 as a latitude gives
// N°32.39, -151.22 as a longitude (east, since west is positive) E°151.13.
// Zero reads as north or west.
std::string angleText(long double degrees, Axis axis);

// The coordinate pair text of a position (north and west positive).
std::string pairText(SignedPosition position);

// The 6-character locator of the subsquare (5 by 2.5 minutes) holding a
// position (north and west positive): the square of GridCalc and the
// subsquare letters A to X. N°32.39\W°86.43 lies in EM62PP.
std::string subsquareLocator(long double latitude, long double longitude);

}  // namespace qvk
