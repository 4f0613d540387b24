#pragma once
// The compass card under the heading arrow, drawn rather than loaded.
//
// 251 x 251 pixels: a yellow disc filling the square, centred on pixel 125, 125;
// a black tick ring along its rim (every 5 degrees, longer every 10); the
// headings 0 to 350 in navy, upright, just inside the ring, 0 at the top and
// increasing clockwise; red cross-hairs through the centre with a small red
// ring where they cross. The numbers keep beyond radius 96, outside the marker
// circle (85 to 94 pixels), so the arrow's tips point at them without covering
// them. Outside the disc the card is transparent.

#include <QColor>
#include <QImage>

namespace qvk::ui {

inline constexpr int kCompassCardSize = 251;
// Beyond this radius the numbers and the ticks begin.
inline constexpr double kCompassScaleRadius = 96;
inline const QColor kCompassDiscYellow(255, 255, 0);

// The card at the given pixel density (2 for a high-density screen).
QImage compassCardImage(qreal devicePixelRatio = 1.0);

}  // namespace qvk::ui
