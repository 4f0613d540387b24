#include "ui/common/window_frame.h"

#include <QWidget>
#include <QWindow>

namespace qvk::ui {

QMargins outerFrameMargins(const QWidget& window)
{
    // Asked of the window system each time: the widget's own copy can lag
    // behind a window manager that has just framed the window.
    const QWindow* handle = window.windowHandle();
    const QMargins reported = handle ? handle->frameMargins() : QMargins();
    return reported.isNull() ? kClassicFrame : reported;
}

QRect outerGeometry(const QWidget& window) { return window.geometry().marginsAdded(outerFrameMargins(window)); }

void setOuterGeometry(QWidget& window, const QRect& outer)
{
    const QRect client = outer.marginsRemoved(outerFrameMargins(window));
    window.setFixedSize(client.size());
    window.setGeometry(client);
}

QPoint centredTopLeft(QSize desktop, QSize outer)
{
    return QPoint(desktop.width() / 2 - outer.width() / 2, desktop.height() / 2 - outer.height() / 2);
}

}  // namespace qvk::ui
