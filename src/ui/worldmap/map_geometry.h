#pragma once
// Where the World Map puts its markers and its map, as plain arithmetic.
//
// All positions are pixels: markers in the map panel (which is the picture,
// 1133 x 556, at 0, 0), the map panel in the viewport. A left or top of the
// map panel below 0 scrolls the map towards its right or bottom edge.

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace qvk::ui {

inline constexpr QSize kMapSize(1133, 556);
inline constexpr QSize kAnchorSize(4, 4);

// What a coordinate tail of the search list marks: "#a577#b162" an arrow
// pointing near column 577, row 162 of the picture, "#c865#d225" a square
// framing the area right of column 865, below row 225.
struct MapMarker {
    enum Kind { Arrow, Square };
    Kind kind;
    int x;
    int y;
};

// nullopt for a tail without "#" (the text matched no entry).
std::optional<MapMarker> markerFromTail(const QString& tail);

// The invisible anchor's top-left: x, y - 8 for an arrow, x, y for a square.
QPoint anchorPosition(const MapMarker& marker);
// The square stands right of the anchor.
QPoint squarePosition(QPoint anchor);
// Where the arrow's box goes so that it hangs left of the anchor with its tip
// 1 right of and 2 below the anchor's corner: at x + 1, y - 6 of an arrow
// tail, the spot the list's positions were measured for. tip is the tip's
// place in the arrow's own box: for an arrow drawn to 91, 15 of a 96 x 20
// box the box's corner is x - 90, y - 21.
QPoint arrowPosition(QPoint anchor, QPoint tip);

// The pan pad's nine buttons, by the edge or corner of the map each shows.
enum class MapEdge { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };

// The map panel's position after a pan pad button: an edge of the map
// against the viewport's edge, the other axis unchanged; no clamping.
QPoint panPosition(MapEdge edge, QPoint current, QSize viewport, QSize map);

// The follow toggle's scrolling after a commit: to the map's left edge for an
// anchor left of 568, else the right; to its top edge for an anchor top of
// 300 or less, else the bottom.
QPoint followPosition(QPoint anchor, QPoint current, QSize viewport, QSize map);

// The map panel's position after a drag, pulled back so that a map larger
// than the viewport leaves no gap and a smaller one stays at the near edge.
QPoint clampAfterDrag(QPoint position, QSize viewport, QSize map);

}  // namespace qvk::ui
