#include "ui/common/platform.h"

namespace qvk::ui {
namespace {

// About where a small box centred on the desktop shows its "OK" button, so
// that the operator can dismiss the warning without a reach for the mouse.
constexpr QPoint kWarningPointerFromCentre(10, 30);

}  // namespace

void warnNearCentre(Platform& platform, const QString& text)
{
    const QSize desktop = platform.desktopSize();
    platform.setCursorPosition(QPoint(desktop.width() / 2, desktop.height() / 2) + kWarningPointerFromCentre);
    platform.showWarning(text);
}

}  // namespace qvk::ui
