#pragma once
// What the Beam Map reads from the data folder: the land and borders
// ("countries-50m.json", Natural Earth through npm world-atlas) and the DXCC
// entities of the master location file ("states.txt"). Read once, shared by
// every map drawn afterwards.

#include "ui/beammap/world_topology.h"

#include <QString>

#include <memory>
#include <vector>

namespace qvk::beammap {

inline constexpr const char* kWorldFileName = "countries-50m.json";
inline constexpr const char* kMasterFileName = "states.txt";

// Edges of the topology longer than this are split as they are projected, so
// that long straight borders and the lines near the poles bend as they must;
// the lighter world of wide views can take longer ones.
inline constexpr double kLongestEdgeDegrees = 0.25;
inline constexpr double kLongestCoarseEdgeDegrees = 1;

struct DxccPlace {
    QString prefix;     // as the list shows it: "3B8", "VP2E"
    GeoPoint position;  // east positive
};

// Wide views draw a lighter world: simplified to this (degrees, about 5.5 km),
// far below a pixel while a pixel spans kCoarseMetresPerPixel or more.
inline constexpr double kCoarseToleranceDegrees = 0.05;
inline constexpr double kCoarseMetresPerPixel = 8000;

struct BeamMapData {
    WorldOutlines world;   // Natural Earth's 1:50m detail
    WorldOutlines coarse;  // the same topology, simplified for wide views
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
