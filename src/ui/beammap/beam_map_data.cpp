#include "ui/beammap/beam_map_data.h"

#include "catalogue/list_entry.h"
#include "catalogue/master_list.h"
#include "core/line_file.h"
#include "ui/beammap/arc_simplification.h"
#include "ui/beammap/beam_map.h"
#include "ui/common/screen_text.h"

namespace qvk::beammap {

std::vector<DxccPlace> dxccPlaces(const std::vector<std::string>& masterLines)
{
    std::vector<DxccPlace> places;
    for (const std::string& entry : dxccEntries(masterLines)) {
        const EntryPosition position = positionOfEntry(entry);
        if (position.status != EntryPosition::Status::Found) continue;
        const auto prefixEnd = entry.find("  ");
        places.push_back({ui::toScreen(entry.substr(0, prefixEnd)), mapPoint(position.position)});
    }
    return places;
}

BeamMapDataReading readBeamMapData(const QString& folder)
{
    TopologyReading reading = readTopologyFile(folder + kWorldFileName);
    if (!reading.world) return {nullptr, reading.error};
    auto data = std::make_shared<BeamMapData>();
    for (std::size_t level = 0; level < kWorldLevelCount; ++level) {
        data->levels[level] = *reading.world;
        if (kWorldLevels[level].toleranceDegrees > 0)
            for (GeoLine& arc : data->levels[level].arcs) arc = simplified(arc, kWorldLevels[level].toleranceDegrees);
    }
    // the dots are a help, not the map: a DXCC list that does not read leaves them out
    if (const auto master = readLineFile(ui::toFileSystemPath(folder + kMasterFileName)); master.read())
        data->dxcc = dxccPlaces(master.lines);
    return {data, {}};
}

}  // namespace qvk::beammap
