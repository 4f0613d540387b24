#pragma once
// From a callsign to its DXCC entity through the country file, by the rules
// that loggers agree on, tried in this order:
//
//  1. Trim blanks and upper-case. A callsign is 1 to 20 characters: parts of
//     A-Z and 0-9 joined by single "/", with at least one letter and one digit.
//  2. The whole call equals an exact token: that entity, with the token's overrides.
//  3. A last part "MM" (maritime mobile) or "AM" (aeronautical mobile): no entity.
//  4. Last parts that only say how the station operates ("P", "M", "QRP",
//     "QRPP", "A", "LH") are dropped; what remains may equal an exact token.
//     A part "MM" or "AM" bared by the dropping counts as in rule 3.
//  5. A last part that is a single digit replaces the call's area digit (the
//     first digit that follows a letter): W1AW/4 is looked up as W4AW. When
//     more than one part remains, the country designator of rule 6 decides
//     and the digit is dropped.
//  6. With two or more parts, the shortest part (the first on a tie) is the
//     designator that names the country: VP2E/K1ABC and K1ABC/VP2E are Anguilla.
//  7. The longest prefix token that the result begins with gives the entity,
//     with its overrides. A whole call (not a designator) beginning with KG4
//     is Guantanamo Bay only with exactly two letters after the KG4 (KG4AB);
//     the US hands out KG4 with longer suffixes too, so KG4ABC is looked up as
//     if the file had no KG4 token.
//  8. Nothing matched: no known entity.
//
// The lookup is pure and allocates only for the normalised call: a million
// calls take a fraction of a second.

#include "catalogue/country_file.h"

#include <string>
#include <string_view>

namespace qvk {

struct CallLookup {
    enum class Outcome {
        Entity,              // `location` holds where the call puts the station
        MaritimeMobile,      // /MM: at sea, no entity
        AeronauticalMobile,  // /AM: in the air, no entity
        NoEntity,            // a callsign that no token matches
        NotACallsign,        // `reason` says why
    };
    Outcome outcome = Outcome::NotACallsign;
    std::string call;                           // trimmed and upper-cased
    const CountryLocation* location = nullptr;  // into the looked-up file; Entity only
    std::string reason;                         // NotACallsign only: "'K1 ABC' is not a callsign: ..."
};

inline constexpr std::size_t kLongestCallsign = 20;

// Rule 1: the typed text trimmed of blanks and upper-cased.
std::string normalisedCall(std::string_view typed);

// Rule 1: the reason a normalised text is no callsign, or an empty text when
// it is one.
std::string notACallsignReason(std::string_view call);

// Rule 1: whether the typed text, trimmed and upper-cased, is a callsign.
bool isCallsign(std::string_view typed);

CallLookup lookUpCall(const CountryFile& file, std::string_view typed);

}  // namespace qvk
