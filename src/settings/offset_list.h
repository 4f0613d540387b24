#pragma once
// The offset list of the Home Parameters window: 93 entries naming time
// zones, each setting the home station's GMT offset in hours.

#include <string_view>
#include <vector>

namespace qvk {

struct OffsetEntry {
    std::string_view text;
    double hours;
};

// The entries in list order. Their texts keep their inner and trailing blanks.
// "Newfoundland (-03:30) Newfoundland" sets -3, not the -3.5 its text names
// (Iran's +03:30 does set 3.5): deliberately, so that choosing it again gives
// the offset that preferences saved with it already hold.
const std::vector<OffsetEntry>& offsetList();

// The entry for a time zone (an IANA name such as "Australia/Sydney") whose
// standard offset is `hours`: of the entries that set exactly that offset, the
// one whose text names the zone's city, else the first ("Central (-6:00)" for
// America/Chicago); -1 when no entry sets it (Nepal's 5:45).
int offsetEntryForZone(double hours, std::string_view zoneName);

}  // namespace qvk
