#pragma once
// What the Beam Map reads from the data folder: the land and borders
// ("countries-50m.json", Natural Earth through npm world-atlas) and the DXCC
// entities of the master location file ("states.txt"). Read once, shared by
// every map drawn afterwards.

#include "ui/beammap/world_topology.h"

#include <QString>

#include <array>
#include <iterator>
#include <memory>
#include <vector>

namespace qvk::beammap {

inline constexpr const char* kWorldFileName = "countries-50m.json";

// The world at three levels of detail, lightest first: a level is drawn
// while a pixel spans at least `fromMetresPerPixel`, where its simplification
// (tolerance, degrees) stays under half a pixel. The lightest is all that a
// map of the whole Earth needs and the first a new home waits for; the others
// follow on another thread. Edges longer than `longestEdgeDegrees` are split
// as they are projected, so that long straight borders and the lines near the
// poles bend as they must.
struct WorldLevel {
    double toleranceDegrees;  // 0: Natural Earth's own detail
    double longestEdgeDegrees;
    double fromMetresPerPixel;
};
inline constexpr WorldLevel kWorldLevels[] = {
    {0.175, 2, 40000},  // 19.5 km: the whole Earth on a window up to 1,000 pixels
    {0.05, 1, 11200},   // 5.6 km
    {0, 0.25, 0},
};
inline constexpr std::size_t kWorldLevelCount = std::size(kWorldLevels);

struct DxccPlace {
    QString prefix;     // as the list shows it: "3B8", "VP2E"
    GeoPoint position;  // east positive
};

struct BeamMapData {
    // Natural Earth's 1:50m topology at each of kWorldLevels
    std::array<WorldOutlines, kWorldLevelCount> levels;
    std::vector<DxccPlace> dxcc;
};

struct BeamMapDataReading {
    std::shared_ptr<const BeamMapData> data;
    QString error;  // names the file that could not be read
};

// The DXCC entities of the master file's lines (entries whose position does
// not read are left out).
std::vector<DxccPlace> dxccPlaces(const std::vector<std::string>& masterLines);

// Reads both files from the folder (ending in "/"). The land is required; a
// missing master file leaves the map without DXCC entities.
BeamMapDataReading readBeamMapData(const QString& folder);

}  // namespace qvk::beammap
