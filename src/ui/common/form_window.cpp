#include "ui/common/form_window.h"

#include "ui/common/colours.h"
#include "ui/common/program_style.h"
#include "ui/common/screen_text.h"

#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QScreen>

namespace qvk::ui {
namespace {

// Owned by its box, so it lives exactly as long as the box does.
class HemisphereFlip : public QObject {
public:
    HemisphereFlip(QLineEdit& box, Axis axis) : QObject(&box), box_(box), axis_(axis) { box.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_ || event->type() != QEvent::MouseButtonDblClick) return false;
        box_.setText(toScreen(toggledHemisphere(fromScreen(box_.text()), axis_)));
        box_.end(false);
        return true;
    }

private:
    QLineEdit& box_;
    Axis axis_;
};

}  // namespace

void applyFormLook(QDialog& window)
{
    window.setFont(programFont(8));
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, kSand);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) colours.setColor(role, kNavy);
    window.setPalette(colours);
    window.setAutoFillBackground(true);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

void flipHemisphereOnDoubleClick(QLineEdit& box, Axis axis) { new HemisphereFlip(box, axis); }

}  // namespace qvk::ui
