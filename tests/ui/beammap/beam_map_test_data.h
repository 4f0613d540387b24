#pragma once
// The shipped land, borders and DXCC list, read once for every beam map test,
// and the homes the tests stand at.

#include "ui/beammap/beam_map_data.h"

#include <gtest/gtest.h>

namespace qvk::beammap {

inline std::shared_ptr<const BeamMapData> shippedMapData()
{
    static const BeamMapDataReading reading = readBeamMapData(QVK_DATA_DIR "/");
    EXPECT_TRUE(reading.data) << reading.error.toStdString();
    return reading.data;
}

struct Home {
    const char* name;
    GeoPoint position;  // east positive
};

// Alabama (the program's example home), Sydney, Longyearbyen (its antipode lies
// on Antarctica's ice), a home whose antipode lies deep inside Africa, and one
// whose antipode lies just off a coast, so that the coast crosses the cap.
inline const Home kHomes[] = {
    {"Alabama", {32.65, -86.72}},
    {"Sydney", {-33.87, 151.22}},
    {"Longyearbyen", {78.22, 15.65}},
    {"AntipodeInChad", {-15.0, -160.0}},
    {"AntipodeOffLisbon", {-38.7, 170.9}},
    // from these two the lightest level holds an island near the antipode as a
    // ring of no area, and one that runs out of the cap and back on itself
    {"LongyearbyenRounded", {78.2167, 15.6333}},
    {"AntipodeInTheAzores", {-38.6759, 151.5577}},
};

inline std::string homeName(const ::testing::TestParamInfo<Home>& info) { return info.param.name; }

}  // namespace qvk::beammap
