#include "ui/common/once_per_showing.h"

#include <QEvent>
#include <QWidget>

namespace qvk::ui {

OncePerShowing::OncePerShowing(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work))
{
    window.installEventFilter(this);
}

bool OncePerShowing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        pending_ = true;
    } else if (event->type() == QEvent::WindowActivate && pending_) {
        pending_ = false;
        work_();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qvk::ui
