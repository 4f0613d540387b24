// qvk-calc map as a script runs it: with no display at all, writing a PNG
// that reads back at the requested size with land and sea where they belong.

#include "app/qvk_calc_process.h"

#include <GeographicLib/Geodesic.hpp>

#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const QColor kLand(236, 226, 200);
const QColor kSea(219, 229, 236);

CalcRun qvkCalcMap(const QStringList& arguments)
{
    return runQvkCalc(QStringList{"map"} + arguments, DisplayAccess::Removed);
}

// Where a place lies in the picture, from the printed centre and scale and
// GeographicLib's own inverse problem (east-positive longitudes).
QPoint pixelOf(const QString& printed, double homeLatitude, double homeLongitude, double latitude, double longitude)
{
    const QRegularExpressionMatch match =
        QRegularExpression(R"(^centre=([0-9.]+),([0-9.]+) scale=([0-9.e-]+)\n$)").match(printed);
    EXPECT_TRUE(match.hasMatch()) << printed.toStdString();
    double distance = 0, azimuth = 0, finalAzimuth = 0;
    GeographicLib::Geodesic::WGS84().Inverse(homeLatitude, homeLongitude, latitude, longitude, distance, azimuth,
                                             finalAzimuth);
    const double pixelsPerMetre = match.captured(3).toDouble() / 1000, radians = azimuth * std::numbers::pi / 180;
    return QPointF(match.captured(1).toDouble() + distance * std::sin(radians) * pixelsPerMetre,
                   match.captured(2).toDouble() - distance * std::cos(radians) * pixelsPerMetre)
        .toPoint();
}

class QvkCalcMap : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString png(const char* name) const { return folder.filePath(name); }
};

TEST_F(QvkCalcMap, DrawsTheRequestedSizeWithLandAndSeaWhereTheyBelongWithoutADisplay)
{
    // Alabama at 15:00 UTC on midsummer's day: the Atlantic and South America in daylight
    const CalcRun run = qvkCalcMap({QString::fromUtf8("N°32.39\\W°86.43"), "--png", png("alabama.png"), "--size", "800",
                                    "--utc", "2026-06-21T15:00"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("centre=400,400 scale=")) << run.out.toStdString();
    const QImage picture(png("alabama.png"));
    ASSERT_EQ(picture.size(), QSize(800, 800));
    const auto colourAt = [&](double latitude, double longitude) {
        return picture.pixelColor(pixelOf(run.out, 32.65, -86.72, latitude, longitude));
    };
    EXPECT_EQ(colourAt(-8.0, -41.0), kLand);   // north-east Brazil
    EXPECT_EQ(colourAt(-25.0, -62.0), kLand);  // the Chaco
    EXPECT_EQ(colourAt(-35.0, -20.0), kSea);   // South Atlantic
    EXPECT_EQ(colourAt(10.0, -35.0), kSea);    // North Atlantic
    // Chinese midnight: the land is shaded
    const QColor night = colourAt(33.0, 112.0);
    EXPECT_LT(night.lightness(), kLand.lightness() - 20);
}

TEST_F(QvkCalcMap, ARadiusZoomsInAndTheScaleTellsHowFar)
{
    const CalcRun whole = qvkCalcMap({"EM72", "--png", png("whole.png")});
    const CalcRun close = qvkCalcMap({"EM72", "--png", png("close.png"), "--radius", "1000", "--target", "IO91"});
    ASSERT_EQ(whole.status, 0) << whole.err.toStdString();
    ASSERT_EQ(close.status, 0) << close.err.toStdString();
    EXPECT_TRUE(close.out.startsWith("centre=500,500 scale=0.5\n")) << close.out.toStdString();  // 500 px for 1000 km
    EXPECT_EQ(QImage(png("close.png")).size(), QSize(1000, 1000));
}

TEST_F(QvkCalcMap, ACallsignTargetEndsTheBeamOnItsEntity)
{
    // JA1ABC is Japan: 36.40 N, 138.38 E in the shipped country file
    const CalcRun run = qvkCalcMap({QString::fromUtf8("N°32.39\\W°86.43"), "--png", png("ja.png"), "--target", "JA1ABC",
                                    "--utc", "2026-06-21T15:00"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QColor mark = QImage(png("ja.png")).pixelColor(pixelOf(run.out, 32.65, -86.72, 36.40, 138.38));
    EXPECT_GT(mark.red(), 100);  // the maroon heart of the target's ring
    EXPECT_LT(mark.green(), 40);
    EXPECT_LT(mark.blue(), 40);
}

TEST_F(QvkCalcMap, BadArgumentsAndPositionsSayWhy)
{
    EXPECT_EQ(qvkCalcMap({"EM72"}).status, 64);  // no --png
    EXPECT_EQ(qvkCalcMap({"EM72", "--png", png("x.png"), "--size", "12"}).status, 64);
    EXPECT_EQ(qvkCalcMap({"EM72", "--png", png("x.png"), "--radius", "100"}).status, 64);
    EXPECT_EQ(qvkCalcMap({"EM72", "--png", png("x.png"), "--utc", "2026-13-01T00:00"}).status, 64);
    // neither a locator, a pair nor a callsign: the reason bearing gives
    const CalcRun badTarget = qvkCalcMap({"EM72", "--png", png("x.png"), "--target", "K1 ABC"});
    EXPECT_EQ(badTarget.status, 1);
    EXPECT_EQ(badTarget.err, "Invalid Grid description - 1\n");
    const CalcRun unwritable = qvkCalcMap({"EM72", "--png", folder.filePath("missing/x.png")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.startsWith("Cannot write file")) << unwritable.err.toStdString();
}

}  // namespace
