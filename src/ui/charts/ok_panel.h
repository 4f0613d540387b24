#pragma once
// The panel under a chart or the About text that holds the flat "OK" button
// closing the window.

#include <QColor>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;

namespace qvk::ui {

struct OkPanelDesign {
    QString panelName;
    QString buttonName;
    QRect geometry;  // in the window's client area
    QColor colour;   // an invalid colour: the system's window colour, white on most desktops
};

// The button fills the panel; a click accepts the window.
QFrame* addOkPanel(QDialog& window, const OkPanelDesign& design);

}  // namespace qvk::ui
