#pragma once
// A callsign committed in the location list: where it points the antenna and
// what the operator reads about it. The window only shows these texts.

#include "catalogue/callsign_lookup.h"
#include "core/angle_notation.h"

#include <optional>
#include <string>
#include <string_view>

namespace qvk {

struct ListCallsign {
    CallLookup lookup;        // outcome Entity, MaritimeMobile, AeronauticalMobile or NoEntity
    SignedPosition position;  // Entity: the target, north and west positive, after overrides
    std::string statusText;   // Entity: "JA1ABC  Japan (AS CQ25 ITU45)"
    std::string warning;      // no entity: "No DXCC entity for JA1ABC."
};

// The list's text looked up as a callsign; nullopt when the text is no
// callsign (a city, a prompt, a typing slip), which keeps its own handling.
std::optional<ListCallsign> callsignOfListText(const CountryFile& file, std::string_view listText);

// The same where no country file reads: a callsign then has no position,
// and its warning says why ("Without a country file JA1ABC has no position.").
std::optional<ListCallsign> callsignWithoutCountryFile(std::string_view listText);

// "JA1ABC  Japan (AS CQ25 ITU45)": the call, two spaces, the entity, and the
// continent and zones that hold for this call.
std::string callStatusText(const CountryFile& file, const CallLookup& lookup);

// The warning for a callsign without an entity:
//     "No DXCC entity for JA1ABC."
//     "K1ABC/MM is maritime mobile: no DXCC entity."
//     "K1ABC/AM is aeronautical mobile: no DXCC entity."
std::string noEntityWarning(const CallLookup& lookup);

// "Without a country file JA1ABC has no position."
std::string noCountryFileWarning(std::string_view call);

}  // namespace qvk
