#pragma once
// The World Map's pan pad: nine small buttons in a 3 x 3 block, each showing
// a navy triangle that points to the edge or corner of the map it brings
// into view (a maroon square for the centre).

#include "ui/worldmap/map_geometry.h"

#include <QIcon>

#include <array>

class QToolButton;
class QWidget;

namespace qvk::ui {

struct PanPadButton {
    const char* name;
    MapEdge edge;
    int column;  // 0 to 2, left to right
    int row;     // 0 to 2, top to bottom
};

// The nine buttons, in the order of their names.
const std::array<PanPadButton, 9>& panPadButtons();

// Creates the button in the parent at its place of the pad whose top-left
// corner is origin: columns 13 pixels wide, rows 13, 12 and 12 high.
QToolButton* makePanPadButton(QWidget* parent, const PanPadButton& button, QPoint origin);

// The button's picture, painted rather than stored: it is a few pixels only.
QIcon panPadIcon(MapEdge edge);

}  // namespace qvk::ui
