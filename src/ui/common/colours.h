#pragma once
// The program's colours: navy for every text, maroon for what is chosen or
// closes the program, the tan of the toolbar, the panels and the place boxes,
// the wheat of the main window, and the sand behind the settings, Clocks and
// About windows and the status bar.

#include <QColor>

namespace qvk::ui {

inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kTan(192, 176, 144);
inline const QColor kWheat(224, 200, 120);
inline const QColor kSand(224, 208, 168);

}  // namespace qvk::ui
