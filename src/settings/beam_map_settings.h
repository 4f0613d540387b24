#pragma once
// The Beam Map's own file "beammap.qvk" in the settings folder, written like the
// other settings files (CR LF, atomically) when the map closes:
//
//   1  the window's width in pixels
//   2  its height
//   3  the zoom: the radius shown round the middle of the map, in km
//
// A missing file, a missing line or a value that does not read keeps the
// default of that line: the map then opens as it first did.

#include <string>
#include <vector>

namespace qvk {

inline constexpr const char* kBeamMapFileName = "beammap.qvk";

struct BeamMapSettings {
    // beside the main window, centred on a 1920 x 1080 desktop, at the first opening
    int width = 700;
    int height = 740;
    double radiusKm = 0;  // 0: the whole Earth

    bool operator==(const BeamMapSettings&) const = default;
};

BeamMapSettings parseBeamMapSettings(const std::vector<std::string>& lines);
std::vector<std::string> beamMapSettingsLines(const BeamMapSettings& settings);

}  // namespace qvk
