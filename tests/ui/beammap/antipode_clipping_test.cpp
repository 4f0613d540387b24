// The land, coasts and borders projected for a home: nothing smears across the
// map where lines pass the antipode, and land closed along the Earth's outline
// still covers the land and leaves the sea.

#include "beam_map_test_data.h"
#include "ui/beammap/grey_line.h"
#include "ui/beammap/projected_world.h"

#include <cmath>

namespace qvk::beammap {
namespace {

struct NamedPlace {
    const char* name;
    GeoPoint position;
};

const NamedPlace kLand[] = {
    {"Paris", {48.85, 2.35}},          {"Madrid", {40.4, -3.7}},          {"N'Djamena", {12.1, 15.0}},
    {"Kisangani", {0.5, 25.2}},        {"Alice Springs", {-23.7, 133.9}}, {"Dome C", {-75.1, 123.3}},
    {"Near the South Pole", {-88, 0}}, {"Brasilia", {-15.8, -47.9}},      {"Yakutsk", {62.0, 129.7}},
    {"Tulsa", {36.15, -95.99}},        {"Marie Byrd Land", {-78, -120}},
};
const NamedPlace kSea[] = {
    {"Equatorial Pacific", {0, -140}}, {"South Atlantic", {-30, -20}}, {"Indian Ocean", {-40, 80}},
    {"North Atlantic", {40, -40}},     {"Tasman Sea", {-40, 160}},     {"Arctic Ocean", {86, 30}},
};

bool onLand(const ProjectedWorld& world, QPointF metres)
{
    for (const MapArea& area : world.land())
        if (area.path.contains(metres)) return true;
    return false;
}

double longestEdge(const QPainterPath& path)
{
    double longest = 0;
    for (int i = 1; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (!element.isLineTo()) continue;
        const QPainterPath::Element previous = path.elementAt(i - 1);
        longest = std::max(longest, std::hypot(element.x - previous.x, element.y - previous.y));
    }
    return longest;
}

double longestEdge(const std::vector<MapLine>& lines)
{
    double longest = 0;
    for (const MapLine& line : lines)
        for (qsizetype i = 1; i < line.points.size(); ++i)
            longest = std::max(longest, std::hypot(line.points[i].x() - line.points[i - 1].x(),
                                                   line.points[i].y() - line.points[i - 1].y()));
    return longest;
}

class ProjectedWorldAtHome : public ::testing::TestWithParam<Home> {
protected:
    static void SetUpTestSuite() { data = shippedMapData(); }
    static inline std::shared_ptr<const BeamMapData> data;

    // Every level of the world a map draws, the lightest first.
    static std::vector<ProjectedWorld> everyLevel(const AzimuthalProjection& projection)
    {
        std::vector<ProjectedWorld> worlds;
        for (std::size_t level = 0; level < kWorldLevelCount; ++level)
            worlds.emplace_back(data->levels[level], projection,
                                ProjectedWorld::Work{kWorldLevels[level].longestEdgeDegrees});
        return worlds;
    }
};

TEST_P(ProjectedWorldAtHome, NoDrawnEdgeIsLongerThanATenthOfTheMap)
{
    const AzimuthalProjection projection(GetParam().position);
    const double tenthOfTheMap = 2 * projection.outlineRadius() / 10;
    for (const ProjectedWorld& world : everyLevel(projection)) {
        for (const MapArea& area : world.land()) EXPECT_LT(longestEdge(area.path), tenthOfTheMap);
        EXPECT_LT(longestEdge(world.coasts()), tenthOfTheMap);
        EXPECT_LT(longestEdge(world.borders()), tenthOfTheMap);
    }
    const GreyLine greyLine = greyLineAt(1782043200, projection);
    EXPECT_LT(longestEdge(greyLine.afterSunset), tenthOfTheMap);
    EXPECT_LT(longestEdge(greyLine.night), tenthOfTheMap);
}

TEST_P(ProjectedWorldAtHome, LandIsFilledAndTheSeaIsNot)
{
    const AzimuthalProjection projection(GetParam().position);
    for (const ProjectedWorld& world : everyLevel(projection)) {
        for (const NamedPlace& place : kLand) {
            if (projection.inAntipodeCap(place.position)) continue;
            EXPECT_TRUE(onLand(world, projection.forward(place.position))) << place.name;
        }
        for (const NamedPlace& place : kSea) {
            if (projection.inAntipodeCap(place.position)) continue;
            EXPECT_FALSE(onLand(world, projection.forward(place.position))) << place.name;
        }
    }
}

TEST_P(ProjectedWorldAtHome, EveryLineStaysOnTheEarth)
{
    const AzimuthalProjection projection(GetParam().position);
    const ProjectedWorld world(data->levels.back(), projection,
                               ProjectedWorld::Work{kWorldLevels[kWorldLevelCount - 1].longestEdgeDegrees});
    const double edge = projection.outlineRadius() + 1;
    for (const auto* lines : {&world.coasts(), &world.borders()})
        for (const MapLine& line : *lines)
            for (const QPointF& point : line.points) ASSERT_LT(std::hypot(point.x(), point.y()), edge);
}

INSTANTIATE_TEST_SUITE_P(Homes, ProjectedWorldAtHome, ::testing::ValuesIn(kHomes), homeName);

}  // namespace
}  // namespace qvk::beammap
