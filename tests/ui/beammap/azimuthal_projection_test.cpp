// The beam map's projection against GeographicLib's own geodesic: a place at
// a known azimuth and distance from home lands where the map says.

#include "beam_map_test_data.h"
#include "ui/beammap/azimuthal_projection.h"
#include "ui/beammap/map_view.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <numbers>

namespace qvk::beammap {
namespace {

class ProjectionAtHome : public ::testing::TestWithParam<Home> {};

TEST_P(ProjectionAtHome, APlaceAtAKnownAzimuthAndDistanceLandsWithinHalfAPixelAt1000)
{
    const GeoPoint home = GetParam().position;
    const AzimuthalProjection projection(home);
    const MapView view(QSizeF(1000, 1000), projection.outlineRadius());
    const auto& geodesic = GeographicLib::Geodesic::WGS84();
    for (double azimuth = 0; azimuth < 360; azimuth += 22.5) {
        for (double distance : {500e3, 2500e3, 7026e3, 14699e3, 19000e3, 19800e3}) {
            double latitude = 0, longitude = 0;
            geodesic.Direct(home.latitude, home.longitude, azimuth, distance, latitude, longitude);
            const double radians = azimuth * std::numbers::pi / 180;
            const QPointF expected(500 + distance * std::sin(radians) * view.pixelsPerMetre(),
                                   500 - distance * std::cos(radians) * view.pixelsPerMetre());
            const QPointF pixel = view.toPixel(projection.forward({latitude, longitude}));
            EXPECT_LT(std::hypot(pixel.x() - expected.x(), pixel.y() - expected.y()), 0.5)
                << "azimuth " << azimuth << ", " << distance / 1000 << " km";
        }
    }
}

TEST_P(ProjectionAtHome, AMapPositionReadsBackAsThePlaceItShows)
{
    const AzimuthalProjection projection(GetParam().position);
    for (const GeoPoint place : {GeoPoint{51.5, -0.12}, GeoPoint{35.68, 139.77}, GeoPoint{-54.8, -68.3}}) {
        if (projection.inAntipodeCap(place)) continue;
        const GeoPoint back = projection.reverse(projection.forward(place));
        EXPECT_NEAR(back.latitude, place.latitude, 1e-7);
        EXPECT_NEAR(std::remainder(back.longitude - place.longitude, 360.0), 0, 1e-7);
    }
}

TEST_P(ProjectionAtHome, TheOutlineGoesRoundOnceJustShortOfTheAntipode)
{
    const AzimuthalProjection projection(GetParam().position);
    const auto& azimuths = projection.outlineAzimuths();
    ASSERT_GT(azimuths.size(), 360u);
    for (std::size_t i = 1; i < azimuths.size(); ++i) EXPECT_GT(azimuths[i], azimuths[i - 1]);
    EXPECT_LT(azimuths.front(), 1);
    EXPECT_GT(azimuths.back(), 359);
    // half a meridian is 20,004 km; the cap takes a degree (111 km) off it
    EXPECT_GT(projection.outlineRadius(), 19800e3);
    EXPECT_LT(projection.outlineRadius(), 20000e3);
    for (double azimuth : {0.0, 137.0, 359.9}) EXPECT_NEAR(azimuthOf(projection.outlineAt(azimuth)), azimuth, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Homes, ProjectionAtHome, ::testing::ValuesIn(kHomes), homeName);

}  // namespace
}  // namespace qvk::beammap
