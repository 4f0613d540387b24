#pragma once
// What the program's two form windows, Home Parameters and Grid / Coordinate
// Calc, share: their look and place on the screen, and the coordinate boxes
// in which a double-click flips the hemisphere.

#include "core/angle_notation.h"
#include "ui/common/controls.h"

#include <QString>

class QDialog;
class QLineEdit;
class QWidget;

namespace qvk::ui {

// The captions of the latitude and longitude boxes, and the widest text
// either box has to show.
inline constexpr const char* kLatitudeCaption = "N\u00B0'/ S\u00B0'";
inline constexpr const char* kLongitudeCaption = "W\u00B0'/ E\u00B0'";
inline constexpr const char* kWidestCoordinate = "W\u00B0180.00";

// The program's 8-point face, navy texts on the forms' sand background.
void applyFormLook(QDialog& window);

// Centres the window on its screen, whatever window opens it (the main
// window starts there too).
void centreOnScreen(QWidget& window);

// From now on a double-click on the box flips the hemisphere prefix of its text
// (toggledHemisphere) and leaves the caret at the end instead of selecting a
// word, so that the operator can type on at once.
void flipHemisphereOnDoubleClick(QLineEdit& box, Axis axis);

}  // namespace qvk::ui
