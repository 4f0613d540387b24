#pragma once
// Maidenhead grid locators.
//
// A locator of 4 or 6 characters names a square (2 by 1 degrees) or a
// subsquare (5 by 2.5 minutes): field letters A-R count 20 degrees of
// longitude from 180 W and 10 degrees of latitude from 90 S, square digits 2
// degrees and 1 degree, subsquare letters A-X 5 and 2.5 minutes. The program
// takes a locator's south-west corner as its target.

#include <optional>
#include <string>
#include <string_view>

namespace qvk {

// The warning for a locator that is not 4 or 6 characters of the right kinds
// (checked in order, the first misfit named); nullopt when it is valid. The
// locator is expected in upper case.
std::optional<std::string> locatorWarning(std::string_view locator);

// The south-west corner of a valid locator as a degrees.minutes pair text:
// EL29AB gives N°29.02\W°96.00 (2.5 minutes round half to even).
std::string locatorCorner(std::string_view locator);

// The 4-character locator of a position in signed decimal degrees (north and
// WEST positive). Positions beyond 90 degrees or 180 degrees keep to the last
// field, so the result always uses the locator alphabet.
std::string GridCalc(long double latitude, long double longitude);

}  // namespace qvk
