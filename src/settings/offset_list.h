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

}  // namespace qvk
