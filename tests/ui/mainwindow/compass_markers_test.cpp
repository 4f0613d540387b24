// Where the compass markers go for an even heading.

#include "ui/mainwindow/compass_markers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace qvk::ui {
namespace {

struct HeadingCase {
    int evenHeading;
    MarkerPoint target;
    MarkerPoint start;
};

void PrintTo(const HeadingCase& example, std::ostream* os) { *os << "heading " << example.evenHeading; }

class CompassMarkersForHeading : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(CompassMarkersForHeading, PutTheTargetAtTheHeadingAndTheStartOpposite)
{
    const MarkerPoints markers = markersForEvenHeading(GetParam().evenHeading);
    EXPECT_EQ(markers.target, GetParam().target);
    EXPECT_EQ(markers.start, GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Compass, CompassMarkersForHeading,
                         ::testing::Values(HeadingCase{0, {128, 33}, {128, 217}},    // head at the top
                                           HeadingCase{90, {218, 127}, {42, 128}},   // head at the right
                                           HeadingCase{180, {128, 217}, {128, 33}},  // row of 0, ends swapped
                                           HeadingCase{270, {42, 128}, {218, 127}},  // row of 90, ends swapped
                                           HeadingCase{358, {125, 32}, {132, 217}},
                                           HeadingCase{360, {125, 32}, {132, 217}}),  // 359.x: the line of 358
                         [](const auto& info) { return "Heading" + std::to_string(info.param.evenHeading); });

// The compass direction of a point seen from the card's centre: 0 up, 90 right.
double directionOnCard(MarkerPoint point)
{
    constexpr double centre = 127;
    const double degrees = std::atan2(point.x - centre, centre - point.y) * 180 / std::numbers::pi;
    return std::fmod(degrees + 360, 360);
}

double radiusOnCard(MarkerPoint point) { return std::hypot(point.x - 127.0, point.y - 127.0); }

double angleBetween(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

// A row typed with x and y transposed, or with its ends the wrong way round,
// sends the arrow off its heading by far more than the few degrees the
// pixel positions allow.
TEST(CompassMarkerTable, EveryEvenHeadingPointsAcrossTheCentreAtItsNumber)
{
    for (int heading = 0; heading <= 360; heading += 2) {
        SCOPED_TRACE(heading);
        const MarkerPoints markers = markersForEvenHeading(heading);
        EXPECT_GE(radiusOnCard(markers.target), 80);
        EXPECT_LE(radiusOnCard(markers.target), 100);
        EXPECT_GE(radiusOnCard(markers.start), 80);
        EXPECT_LE(radiusOnCard(markers.start), 100);
        EXPECT_LE(angleBetween(directionOnCard(markers.target), heading), 4.0);
        EXPECT_LE(angleBetween(directionOnCard(markers.start), heading + 180), 4.0);
    }
}

}  // namespace
}  // namespace qvk::ui
