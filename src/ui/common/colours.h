#pragma once
// The program's two text colours: navy for everything, maroon for what is
// chosen or closes the program.

#include <QColor>

namespace qvk::ui {

inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);

}  // namespace qvk::ui
