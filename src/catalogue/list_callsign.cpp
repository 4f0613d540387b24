#include "catalogue/list_callsign.h"

namespace qvk {

std::optional<ListCallsign> callsignOfListText(const CountryFile& file, std::string_view listText)
{
    ListCallsign callsign;
    callsign.lookup = lookUpCall(file, listText);
    if (callsign.lookup.outcome == CallLookup::Outcome::NotACallsign) return std::nullopt;
    if (const CountryLocation* location = callsign.lookup.location) {
        callsign.position = {location->latitude, location->longitude};
        callsign.statusText = callStatusText(file, callsign.lookup);
    } else {
        callsign.warning = noEntityWarning(callsign.lookup);
    }
    return callsign;
}

std::optional<ListCallsign> callsignWithoutCountryFile(std::string_view listText)
{
    static const CountryFile kNoCountryFile;
    auto callsign = callsignOfListText(kNoCountryFile, listText);
    if (callsign) callsign->warning = noCountryFileWarning(callsign->lookup.call);
    return callsign;
}

std::string callStatusText(const CountryFile& file, const CallLookup& lookup)
{
    const CountryLocation& location = *lookup.location;
    return lookup.call + "  " + file.entityOf(location).name + " (" + location.continent + " CQ" +
           std::to_string(location.cqZone) + " ITU" + std::to_string(location.ituZone) + ")";
}

std::string noEntityWarning(const CallLookup& lookup)
{
    switch (lookup.outcome) {
    case CallLookup::Outcome::MaritimeMobile:
        return lookup.call + " is maritime mobile: no DXCC entity.";
    case CallLookup::Outcome::AeronauticalMobile:
        return lookup.call + " is aeronautical mobile: no DXCC entity.";
    default:
        return "No DXCC entity for " + lookup.call + ".";
    }
}

std::string noCountryFileWarning(std::string_view call)
{
    return "Without a country file " + std::string(call) + " has no position.";
}

}  // namespace qvk
