// The arrows of the search list against the map picture: each points at its
// entity's land, where the window draws its tip. A position computed with a
// wrong sign or with its axes swapped lands in an ocean or off the map and
// shows here at once, and so does an arrow hung a few pixels beside its spot.

#include "fake_platform.h"
#include "named_child.h"
#include "qstring_printer.h"
#include "ui/common/pie_arrow.h"
#include "ui/worldmap/map_geometry.h"
#include "ui/worldmap/search_list.h"
#include "ui/worldmap/world_map.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

// The picture's land is tan; islands too small for a tan patch show as a
// dot of coastline colour. The palette blends a few shades of each.
bool isLand(QRgb pixel)
{
    const auto near = [pixel](int red, int green, int blue) {
        const int dr = qRed(pixel) - red, dg = qGreen(pixel) - green, db = qBlue(pixel) - blue;
        return dr * dr + dg * dg + db * db < 30 * 30;
    };
    return near(234, 210, 160) || near(92, 84, 112);
}

// Outside the map's oval the picture is near-white paper.
bool isPaper(QRgb pixel) { return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 240; }

bool landWithin(const QImage& picture, QPoint spot, int reach)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint point = spot + QPoint(dx, dy);
            if (picture.rect().contains(point) && isLand(picture.pixel(point))) return true;
        }
    return false;
}

// How near the tip must come to land, in pixels.
constexpr int kReach = 4;

// Islands of the open ocean that the map's coastlines do not carry: their
// arrows point at empty sea, where the island lies.
const QSet<QString> kIslandsTooSmallForThePicture = {
    "3B6  Agalega Island",
    "3B9  Rodrigues Island",
    "3C0  Annobon Island",
    "3D2  Conway Reef",
    "3D2  Rotuma Island",
    "3Y  Bouvet",
    "3Y  Peter I Island",
    "BS7  Scarborough Reef",
    "BV9P  Pratas Island",
    "C2  Nauru",
    "CE0  Juan Fernandez Island",
    "CT3  Madeira Island",
    "FO  Clipperton Island",
    "FR/T  Tromelin Island",
    "T  Tromelin Island",
    "HK0  Malpelo Island",
    "HK0  San Andres & Providencia",
    "JD1  Minami Torishima",
    "KH4  Midway Island",
    "KH7K  Kure Island",
    "KH9  Wake Island",
    "LU  South Sandwich Island",
    "VP8  South Sandwich Island",
    "PP0-PY0  Fernando de Noronha",
    "PP0-PY0  St. Peter & St. Paul Rocks",
    "T33  Banaba Island (Ocean Island)",
    "TI9  Cocos Island",
    "VK9L  Lord Howe Island",
    "VK9M  Mellish Reef",
    "VK9N  Norfolk Island",
    "VK9W  Willis Island",
    "VK9X  Christmas Island",
    "VP6  Ducie Island",
    "VP6  Pitcairn Island",
    "VP9  Bermuda",
    "ZD7  St. Helena",
    "ZD8  Ascension Island",
};

// The rows whose positions the window's design fixes, whatever the picture.
const QSet<QString> kTellingEntries = {
    "1A0  Malta",
    "K  United States of America",
    "N  United States of America",
    "W  United States of America",
    "AA-AK  United States of America",
    "W  United States",
    "KC4  Antarctica",
    "JW  Svalbard",
    "5W  Samoa",
};

class WorldMapLand : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture = QImage(":/worldmap/world_map.gif").convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), kMapSize);
        list = splitSearchList(builtInSearchEntries());
        ASSERT_EQ(list.shown.size(), 398);
    }

    // The picture point that the window's arrow touches for an arrow tail:
    // the map panel's coordinates are the picture's.
    QPoint drawnTip(const QString& tail)
    {
        window.markTail(tail);
        const auto& arrow = child<TPieArrow>(window, "PieArrow1");
        return QPoint(arrow.TargetX(), arrow.TargetY());
    }

    QImage picture;
    SearchList list;
    FakePlatform platform;
    TWorldMap window{platform};
};

TEST_F(WorldMapLand, EveryArrowPointsAtLandOrWithinFourPixelsOfIt)
{
    int checked = 0;
    for (qsizetype i = 0; i < list.shown.size(); ++i) {
        const auto marker = markerFromTail(list.tails[i]);
        const QString& entry = list.shown[i];
        if (marker->kind != MapMarker::Arrow || kTellingEntries.contains(entry)) continue;
        if (kIslandsTooSmallForThePicture.contains(entry)) continue;
        EXPECT_TRUE(landWithin(picture, drawnTip(list.tails[i]), kReach))
            << entry.toStdString() << " " << list.tails[i].toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 260);
}

TEST_F(WorldMapLand, TheIslandsMissingFromThePictureStillLieOnItsSea)
{
    int found = 0;
    for (qsizetype i = 0; i < list.shown.size(); ++i) {
        if (!kIslandsTooSmallForThePicture.contains(list.shown[i])) continue;
        ++found;
        const auto marker = markerFromTail(list.tails[i]);
        ASSERT_EQ(marker->kind, MapMarker::Arrow) << list.shown[i].toStdString();
        const QPoint tip = drawnTip(list.tails[i]);
        // on the map, not on the paper round it
        EXPECT_FALSE(isPaper(picture.pixel(tip))) << list.shown[i].toStdString();
        // an island that the picture gains leaves this list
        EXPECT_FALSE(landWithin(picture, tip, kReach)) << list.shown[i].toStdString();
    }
    EXPECT_EQ(found, kIslandsTooSmallForThePicture.size()) << "a name above is not in the list";
}

TEST_F(WorldMapLand, TheTellingArrowsOfMaltaAndTheUsaPointAtTheirLand)
{
    for (const char* tail : {"#a577#b162", "#a200#b152", "#a199#b151"})
        EXPECT_TRUE(landWithin(picture, drawnTip(tail), kReach)) << tail;
}

}  // namespace
}  // namespace qvk::ui
