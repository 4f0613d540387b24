#pragma once
// The texts of a shown result: "Degrees:  44.2   Central Alabama" in the
// status bar, "Degrees:  44.2" beside the compass, "  (224.2)" for the long
// path. Plain C++ over the program's bytes.

#include <string>
#include <string_view>

namespace qvk {

// The heading panel and heading label, and the distance panel, without a result.
inline constexpr const char* kNoHeading = "Degrees:";
inline constexpr const char* kNoDistance = "Distance:";

struct HeadingTexts {
    std::string headingPanel;
    std::string headingLabel;
    std::string longPathLabel;
};

HeadingTexts headingTexts(double bearing, std::string_view name);

// The distance panel: whole miles or kilometres with thousands separators.
std::string distanceText(double metres, bool miles);

}  // namespace qvk
