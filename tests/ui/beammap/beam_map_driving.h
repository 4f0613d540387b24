#pragma once
// The Beam Map's mouse as the operator moves it, for the window tests.

#include "ui/beammap/beam_map_canvas.h"
#include "ui/beammap/beam_map_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace qvk::ui {

// Where a place (east positive) lies on the window's canvas.
inline QPoint pixelOf(const BeamMapWindow& window, double latitude, double eastLongitude)
{
    return window.canvas().view().toPixel(window.map()->projection().forward({latitude, eastLongitude})).toPoint();
}

inline void sendMouse(BeamMapCanvas& canvas, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), canvas.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &event);
}

inline void hoverMap(BeamMapCanvas& canvas, QPoint at) { sendMouse(canvas, QEvent::MouseMove, at, Qt::NoButton, {}); }

// The map takes it as a click once no second click has followed.
inline void clickMap(BeamMapCanvas& canvas, QPoint at)
{
    sendMouse(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

inline void turnWheel(BeamMapCanvas& canvas, QPoint at, int notches)
{
    QWheelEvent event(QPointF(at), canvas.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&canvas, &event);
}

}  // namespace qvk::ui
