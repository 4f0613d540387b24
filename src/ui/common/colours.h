#pragma once
// The program's colours: navy for every text, maroon for what is chosen or
// closes the program, and the tan of the toolbar, the panels and the place
// boxes.

#include <QColor>

namespace qvk::ui {

inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kTan(192, 176, 144);

}  // namespace qvk::ui
