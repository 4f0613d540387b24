#pragma once
// Driving a window in a test as the operator would: show it, click its
// buttons, switch away and back.

#include "named_child.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <ostream>

namespace qvk::ui {

// Shows the window and waits until it is the active window.
void showAndActivate(QWidget& window);

// Activates another window and then this one again, as the closing of a
// modal box does.
void reactivate(QWidget& window);

// Clicks the named button of the window with the mouse.
void click(QWidget& window, const QString& buttonName);

QPixmap picture(QWidget& window);  // shown by Image1
QRect screenRect(const QWidget& widget);

}  // namespace qvk::ui

// Readable test failures.
inline void PrintTo(const QPoint& point, std::ostream* out) { *out << "(" << point.x() << ", " << point.y() << ")"; }
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << " x " << size.height(); }
inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << " x " << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}
