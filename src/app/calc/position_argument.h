#pragma once
// Positions typed on the command line: Maidenhead locators and
// degrees.minutes pair texts, read as the program reads them.

#include "core/angle_notation.h"

#include <optional>
#include <string>
#include <string_view>

namespace qvk::calc {

// The argument as the program's bytes: UTF-8 becomes Windows-1252, letters are
// upper-cased, and a hemisphere letter that begins an angle text (at the start
// or after "\") gets its degree sign when digits follow it directly:
// n32.39\w86.43 reads as N°32.39\W°86.43, while a locator stays as it is.
std::string normalisedAngleText(std::string_view argument);

struct PositionReading {
    bool ok = false;
    SignedPosition position;  // north and west positive
    std::string error;        // the program's own warning text
};

// A degrees.minutes pair text, checked, converted and read as the program
// reads a chosen list entry; a latitude beyond 90 degrees or a longitude
// beyond 180 is refused with its reason.
PositionReading readPair(std::string_view pair);

// A 4- or 6-character locator (its south-west corner) or a pair text.
PositionReading readPosition(std::string_view argument);

// A target: a locator, a pair text or, failing both, a callsign, whose
// entity's position (after the call's overrides) comes from the country file
// at ctyPath or else the newest of the program's three. A valid locator is
// never read as a call: EL29 is the locator, EL2 is Liberia.
PositionReading readTarget(std::string_view argument, const std::optional<std::string>& ctyPath);

}  // namespace qvk::calc
