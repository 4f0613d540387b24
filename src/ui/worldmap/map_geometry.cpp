#include "ui/worldmap/map_geometry.h"

namespace qvk::ui {
namespace {

// An arrow's anchor stands this far above the spot its tail names.
constexpr int kArrowAnchorRise = 8;
// The arrow's tip lies this far right of and below the anchor's corner.
constexpr QPoint kArrowTipFromAnchor(1, 2);
// Where the follow toggle turns to the map's right and bottom edges: a little
// right of and below the map's middle.
constexpr int kFollowRightFromColumn = 568;
constexpr int kFollowBottomBelowRow = 300;

// The number of a tail between a marker letter and the next one.
int numberBetween(const QString& tail, const QString& from, const QString& to)
{
    const qsizetype start = tail.indexOf(from) + from.size();
    return tail.mid(start, tail.indexOf(to) - start).toInt();
}

// The number after a marker letter: up to 10 characters, as the list holds
// nothing else after the second number.
int numberAfter(const QString& tail, const QString& from)
{
    return tail.mid(tail.indexOf(from) + from.size(), 10).toInt();
}

int clampAxis(int position, int viewport, int map)
{
    if (map > viewport) {
        if (position > 0) return 0;
        if (position < -(map - viewport)) return -(map - viewport);
        return position;
    }
    // A map that fits the viewport: both rules apply one after the other, so
    // it ends at either 0 or viewport - map.
    if (position <= 0) position = 0;
    if (position >= viewport - map) position = viewport - map;
    return position;
}

}  // namespace

std::optional<MapMarker> markerFromTail(const QString& tail)
{
    if (!tail.contains('#')) return std::nullopt;
    if (!tail.contains("#a"))
        return MapMarker{MapMarker::Square, numberBetween(tail, "#c", "#d"), numberAfter(tail, "#d")};
    return MapMarker{MapMarker::Arrow, numberBetween(tail, "#a", "#b"), numberAfter(tail, "#b")};
}

QPoint anchorPosition(const MapMarker& marker)
{
    return marker.kind == MapMarker::Arrow ? QPoint(marker.x, marker.y - kArrowAnchorRise) : QPoint(marker.x, marker.y);
}

QPoint squarePosition(QPoint anchor) { return anchor + QPoint(kAnchorSize.width(), 0); }

QPoint arrowPosition(QPoint anchor, QPoint tip) { return anchor + kArrowTipFromAnchor - tip; }

QPoint panPosition(MapEdge edge, QPoint current, QSize viewport, QSize map)
{
    const int right = viewport.width() - map.width();
    const int bottom = viewport.height() - map.height();
    switch (edge) {
    case MapEdge::TopLeft:
        return {0, 0};
    case MapEdge::Top:
        return {current.x(), 0};
    case MapEdge::TopRight:
        return {right, 0};
    case MapEdge::Left:
        return {0, current.y()};
    // the horizontal centre is one pixel further left than the vertical one rounds
    case MapEdge::Centre:
        return {(right - 1) / 2, bottom / 2};
    case MapEdge::Right:
        return {right, current.y()};
    case MapEdge::BottomLeft:
        return {0, bottom};
    case MapEdge::Bottom:
        return {current.x(), bottom};
    case MapEdge::BottomRight:
        return {right, bottom};
    }
    return current;
}

QPoint followPosition(QPoint anchor, QPoint current, QSize viewport, QSize map)
{
    const MapEdge side = anchor.x() < kFollowRightFromColumn ? MapEdge::Left : MapEdge::Right;
    const MapEdge end = anchor.y() <= kFollowBottomBelowRow ? MapEdge::Top : MapEdge::Bottom;
    return panPosition(end, panPosition(side, current, viewport, map), viewport, map);
}

QPoint clampAfterDrag(QPoint position, QSize viewport, QSize map)
{
    return QPoint(clampAxis(position.x(), viewport.width(), map.width()),
                  clampAxis(position.y(), viewport.height(), map.height()));
}

}  // namespace qvk::ui
