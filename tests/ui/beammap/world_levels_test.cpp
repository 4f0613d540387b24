// The world at its levels of detail: a map draws the lightest level fine
// enough for its scale, never one coarser than half a pixel.

#include "beam_map_test_data.h"
#include "ui/beammap/beam_map.h"

namespace qvk::beammap {
namespace {

constexpr double kMetresPerDegree = 111320;  // of latitude, and the most a degree of longitude spans

std::size_t coastPoints(const ProjectedWorld& world)
{
    std::size_t points = 0;
    for (const MapLine& line : world.coasts()) points += static_cast<std::size_t>(line.points.size());
    return points;
}

TEST(WorldLevels, EachLevelIsSimplifiedBelowHalfAPixelWhereItIsDrawn)
{
    for (const WorldLevel& level : kWorldLevels)
        EXPECT_LE(level.toleranceDegrees * kMetresPerDegree, level.fromMetresPerPixel / 2) << level.toleranceDegrees;
}

TEST(WorldLevels, AMapDrawsTheLightestLevelFineEnoughForItsScale)
{
    BeamMap map(shippedMapData(), {32.65L, 86.72L});
    map.waitForDetail();
    ASSERT_TRUE(map.hasDetail());
    const auto worldAt = [&map](double metresPerPixel) { return &map.worldAt(1 / metresPerPixel); };
    // the whole Earth on a 1,000-pixel map, some 43 km a pixel, and wider
    EXPECT_EQ(worldAt(43000), worldAt(400000));
    // a continent, and closer in
    EXPECT_NE(worldAt(20000), worldAt(43000));
    EXPECT_NE(worldAt(2000), worldAt(20000));
    EXPECT_EQ(worldAt(2000), worldAt(100));
    EXPECT_LT(coastPoints(*worldAt(43000)), coastPoints(*worldAt(20000)));
    EXPECT_LT(coastPoints(*worldAt(20000)), coastPoints(*worldAt(2000)));
}

}  // namespace
}  // namespace qvk::beammap
