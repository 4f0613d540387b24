// Where the World Map's markers land and where its map scrolls to.

#include "point_printer.h"
#include "qstring_printer.h"
#include "ui/worldmap/map_geometry.h"

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

constexpr QSize kDesignedViewport(1017, 552);

struct TellingRow {
    const char* tail;
    MapMarker::Kind kind;
    QPoint anchor;
};

// The telling rows of the design: each tail with its marker and anchor.
const TellingRow kTellingRows[] = {
    {"#a577#b162", MapMarker::Arrow, {577, 154}},    // Malta
    {"#c865#d225", MapMarker::Square, {865, 225}},   // Spratly Island
    {"#a200#b152", MapMarker::Arrow, {200, 144}},    // United States of America
    {"#a199#b151", MapMarker::Arrow, {199, 143}},    // United States
    {"#c0#d210", MapMarker::Square, {0, 210}},       // Johnston Island
    {"#a878#b537", MapMarker::Arrow, {878, 529}},    // Antarctica
    {"#a567#b030", MapMarker::Arrow, {567, 22}},     // Svalbard: a leading zero
    {"#a1101#b328", MapMarker::Arrow, {1101, 320}},  // Samoa
    {"#c313#d211", MapMarker::Square, {313, 211}},   // Guadeloupe
    {"#c1#d222", MapMarker::Square, {1, 222}},       // Marshall Island
};

TEST(WorldMapGeometry, EachTellingTailPutsTheAnchorWhereTheDesignSays)
{
    for (const TellingRow& row : kTellingRows) {
        const auto marker = markerFromTail(row.tail);
        ASSERT_TRUE(marker) << row.tail;
        EXPECT_EQ(marker->kind, row.kind) << row.tail;
        EXPECT_EQ(anchorPosition(*marker), row.anchor) << row.tail;
    }
}

TEST(WorldMapGeometry, ATailWithoutAHashMarksNothing)
{
    EXPECT_FALSE(markerFromTail(QString()));
    EXPECT_FALSE(markerFromTail("a577b162"));
}

struct PanRow {
    MapEdge edge;
    QPoint expected;  // from a map standing at -30, -1
};

TEST(WorldMapGeometry, ThePanPadPutsTheMapAgainstTheEdgeItShows)
{
    const PanRow rows[] = {
        {MapEdge::TopLeft, {0, 0}},     {MapEdge::Top, {-30, 0}},     {MapEdge::TopRight, {-116, 0}},
        {MapEdge::Left, {0, -1}},       {MapEdge::Centre, {-58, -2}}, {MapEdge::Right, {-116, -1}},
        {MapEdge::BottomLeft, {0, -4}}, {MapEdge::Bottom, {-30, -4}}, {MapEdge::BottomRight, {-116, -4}},
    };
    for (const PanRow& row : rows)
        EXPECT_EQ(panPosition(row.edge, QPoint(-30, -1), kDesignedViewport, kMapSize), row.expected)
            << static_cast<int>(row.edge);
}

TEST(WorldMapGeometry, TheCentreRoundsTowardZero)
{
    // 1134 wide: (1 - 1) / 2 = 0; 1135 wide: (2 - 1) / 2 = 0, not 1; 1000 wide: -134 / 2 = -67
    EXPECT_EQ(panPosition(MapEdge::Centre, {}, QSize(1134, 557), kMapSize), QPoint(0, 0));
    EXPECT_EQ(panPosition(MapEdge::Centre, {}, QSize(1135, 559), kMapSize), QPoint(0, 1));
    EXPECT_EQ(panPosition(MapEdge::Centre, {}, QSize(1000, 551), kMapSize), QPoint(-67, -2));
}

struct FollowRow {
    QPoint anchor;
    QPoint expected;
};

TEST(WorldMapGeometry, TheFollowToggleScrollsToTheSideOfTheAnchor)
{
    const FollowRow rows[] = {
        {{567, 300}, {0, 0}},     {{568, 300}, {-116, 0}}, {{567, 301}, {0, -4}},
        {{568, 301}, {-116, -4}}, {{0, 0}, {0, 0}},        {{1101, 537}, {-116, -4}},
    };
    for (const FollowRow& row : rows)
        EXPECT_EQ(followPosition(row.anchor, QPoint(-58, -2), kDesignedViewport, kMapSize), row.expected)
            << row.anchor.x() << ", " << row.anchor.y();
}

struct ClampRow {
    QPoint dropped;
    QSize viewport;
    QPoint expected;
};

TEST(WorldMapGeometry, AfterADragTheMapIsPulledBackIntoPlace)
{
    const ClampRow rows[] = {
        // a map larger than the viewport leaves no gap at either side
        {{300, 200}, kDesignedViewport, {0, 0}},
        {{-500, -300}, kDesignedViewport, {-116, -4}},
        {{-50, -2}, kDesignedViewport, {-50, -2}},
        {{-116, -4}, kDesignedViewport, {-116, -4}},
        {{-117, 1}, kDesignedViewport, {-116, 0}},
        // a map that fits stays at 0 or lies against the far edge
        {{-20, -20}, QSize(1134, 560), {0, 0}},
        {{0, 0}, QSize(1134, 560), {0, 0}},
        {{1, 3}, QSize(1134, 560), {1, 3}},
        {{200, 200}, QSize(1134, 560), {1, 4}},
        {{200, 200}, QSize(1133, 556), {0, 0}},
    };
    for (const ClampRow& row : rows)
        EXPECT_EQ(clampAfterDrag(row.dropped, row.viewport, kMapSize), row.expected)
            << row.dropped.x() << ", " << row.dropped.y() << " in " << row.viewport.width() << " x "
            << row.viewport.height();
}

}  // namespace
}  // namespace qvk::ui
