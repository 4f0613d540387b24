#pragma once
// From a chosen list entry (a DXCC entity or a city) to a position: the
// entry's text from its "N°" on is its coordinate pair text, converted from
// degrees.minutes and read by hemisphere.

#include "core/angle_notation.h"

#include <string>
#include <string_view>

namespace qvk {

// The tag of a result whose target was chosen from the list or typed in the
// grid window, rather than a state's centre ("AL~") or the DXCC list ("DX~").
inline constexpr std::string_view kChosenTargetTag = "00~";

struct EntryPosition {
    enum class Status {
        Found,
        NoLatitude,      // warn kNoLatitudeWarning
        NoLongitude,     // warn kNoLongitudeWarning
        InvalidDegrees,  // warn `message`, the "Invalid degrees: " text
        InvalidNumber,   // error box `message`, "'...' is not a valid floating point value."
    };
    Status status = Status::Found;
    SignedPosition position;  // north and west positive
    std::string message;
};

// Resolves an entry as the commit of a list entry does: the pair text from
// its "N°" on (its whole text without one) is checked, converted and read.
EntryPosition positionOfEntry(std::string_view entryText);

}  // namespace qvk
