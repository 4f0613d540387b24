#pragma once
// Runs a window's activation work once per showing: at the first activation
// after the window is shown. The boxes that work may show, and an open list's
// popup, hand the activation back to the window when they close, which is no
// new showing and must not run the work again.

#include <QObject>

#include <functional>

class QWidget;

namespace qvk::ui {

class OncePerShowing : public QObject {
public:
    // Watches the window, whose child it becomes.
    OncePerShowing(QWidget& window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> work_;
    bool pending_ = false;
};

}  // namespace qvk::ui
