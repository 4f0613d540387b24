#pragma once
// A window's outer frame, caption and borders included. The chart windows
// size and centre themselves by their outer frame, while Qt sizes and places
// the client area; the conversion between the two lives here.
//
// Where the window system reports no frame (a desktop without a window
// manager, or a window not yet framed) the window is taken to have the
// classic fixed frame the windows were laid out for.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

namespace qvk::ui {

// A 3-pixel border, and 26 pixels of caption and border above the client area.
inline constexpr QMargins kClassicFrame(3, 26, 3, 3);

// The secondary windows are of fixed size, so their captions offer neither
// minimise nor maximise: a close box only, or nothing where the window's own
// button is the one way out.
inline constexpr Qt::WindowFlags kTitleAndCloseBox =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
inline constexpr Qt::WindowFlags kTitleOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QMargins outerFrameMargins(const QWidget& window);

// The window's outer rectangle on the screen.
QRect outerGeometry(const QWidget& window);

// Gives the window the outer rectangle, fixing the client size to what the
// frame leaves inside.
void setOuterGeometry(QWidget& window, const QRect& outer);

// Centres a window of the given outer size on the desktop: left = desktop
// width div 2 - window width div 2, and the same for the top.
QPoint centredTopLeft(QSize desktop, QSize outer);

}  // namespace qvk::ui
