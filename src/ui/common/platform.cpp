#include "ui/common/platform.h"

namespace qvk::ui {

void warnNearCentre(Platform& platform, const QString& text)
{
    const QSize desktop = platform.desktopSize();
    platform.setCursorPosition(QPoint(desktop.width() / 2 + 10, desktop.height() / 2 + 30));
    platform.showWarning(text);
}

}  // namespace qvk::ui
