#pragma once
// The Beam Map's colours: calm paper tones in the program's palette, so the
// navy texts, the maroon beam and the tan of the panels read as one program.

#include "ui/common/colours.h"

#include <QColor>

namespace qvk::beammap {

inline const QColor kOutsideEarth(246, 243, 236);
inline const QColor kSea(219, 229, 236);
inline const QColor kLand(236, 226, 200);  // a light tan
inline const QColor kCoast(128, 116, 90);
inline const QColor kBorder(168, 150, 118);
inline const QColor kOutline = qvk::ui::kNavy;
inline const QColor kRangeRing(0, 0, 128, 70);
inline const QColor kDxccDot(0, 0, 128, 200);
inline const QColor kTwilight(0, 0, 80, 26);
inline const QColor kNight(0, 0, 80, 34);  // drawn over the twilight: night is both shades
inline const QColor kBeam = qvk::ui::kMaroon;
inline const QColor kSun(255, 136, 72);  // the compass arrow's orange
inline const QColor kLegendPaper(255, 255, 250, 225);

}  // namespace qvk::beammap
