// The grey line and the beam as the map draws them.

#include "beam_map_test_data.h"
#include "ui/beammap/beam_map_painter.h"
#include "ui/beammap/grey_line.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace qvk::beammap {
namespace {

// 2026-06-21 10:00, 2025-09-22 21:00 and 2030-01-01 05:00 UTC
const double kInstants[] = {1782036000, 1758574800, 1893474000};

class GreyLineAtHome : public ::testing::TestWithParam<Home> {};

TEST_P(GreyLineAtHome, LocalNoonIsOnTheDaySideAndLocalMidnightOnTheNightSide)
{
    const AzimuthalProjection projection(GetParam().position);
    for (const double instant : kInstants) {
        const GreyLine greyLine = greyLineAt(instant, projection);
        const double noonLongitude = greyLine.sun.longitude;
        for (const double latitude : {-40.0, 0.0, 35.0}) {
            const GeoPoint noon{latitude, noonLongitude};
            const GeoPoint midnight{latitude, std::remainder(noonLongitude + 180, 360.0)};
            if (!projection.inAntipodeCap(noon)) {
                EXPECT_FALSE(greyLine.afterSunset.contains(projection.forward(noon))) << "noon at " << latitude;
            }
            if (!projection.inAntipodeCap(midnight)) {
                EXPECT_TRUE(greyLine.night.contains(projection.forward(midnight))) << "midnight at " << latitude;
            }
        }
        if (greyLine.subsolar) {
            const QPointF sun = projection.forward({greyLine.sun.latitude, greyLine.sun.longitude});
            EXPECT_NEAR(greyLine.subsolar->x(), sun.x(), 1e-6);
            EXPECT_NEAR(greyLine.subsolar->y(), sun.y(), 1e-6);
        }
    }
}

TEST_P(GreyLineAtHome, TwilightLiesBetweenDayAndNight)
{
    const AzimuthalProjection projection(GetParam().position);
    const GreyLine greyLine = greyLineAt(1782036000, projection);
    // three degrees past the sunset circle along the Sun's meridian: civil twilight
    const GeoPoint dusk{std::min(89.0, std::max(-89.0, greyLine.sun.latitude - 90.833 - 3)), greyLine.sun.longitude};
    if (projection.inAntipodeCap(dusk)) GTEST_SKIP();
    const QPointF at = projection.forward(dusk);
    EXPECT_TRUE(greyLine.afterSunset.contains(at));
    EXPECT_FALSE(greyLine.night.contains(at));
}

INSTANTIATE_TEST_SUITE_P(Homes, GreyLineAtHome, ::testing::ValuesIn(kHomes), homeName);

TEST(Beam, TheShortPathEndsOnTheTargetAtItsHeadingAndDistance)
{
    const SignedPosition home{32.65L, 86.72L}, japan{35.68L, -139.77L};  // west positive
    const auto target = beamTargetFor("Tokyo", home, japan);
    ASSERT_TRUE(target);
    const AzimuthalProjection projection(mapPoint(home));
    const MapView view(QSizeF(1000, 1000), projection.outlineRadius());
    const BeamLines lines = beamLines(*target, projection);
    const QLineF onScreen = view.transform().map(lines.shortPath);
    const QPointF tokyo = view.toPixel(projection.forward({35.68, 139.77}));
    EXPECT_LT(QLineF(onScreen.p2(), tokyo).length(), 0.01);
    EXPECT_EQ(onScreen.p1(), view.toPixel({0, 0}));
    EXPECT_NEAR(lines.shortPath.length(), target->distanceMetres, 1);
    EXPECT_NEAR(azimuthOf(lines.shortPath.p2()), target->heading, 1e-6);
    // the long path leaves home the other way and comes in past the target
    EXPECT_NEAR(azimuthOf(lines.longPathStart.p2()), target->longPath, 1e-6);
    EXPECT_NEAR(azimuthOf(lines.beyondTarget.p2()), target->heading, 1e-6);
    EXPECT_NEAR(lines.beyondTarget.p2().x(), projection.outlineAt(target->heading).x(), 1e-6);
}

}  // namespace
}  // namespace qvk::beammap
