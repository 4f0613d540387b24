#pragma once
// Right-clicking the compass as the operator does, for the window tests.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace qvk::ui {

struct MenuItem {
    QString name;
    QString text;
    bool enabled = false;
};

// Right-clicks the compass and picks the item of that name (none: the menu
// is closed); returns what the menu offered.
inline std::vector<MenuItem> rightClickCompass(QWidget& compass, const QString& pick = QString())
{
    auto offered = std::make_shared<std::vector<MenuItem>>();
    QTimer::singleShot(0, [offered, pick] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) offered->push_back({action->objectName(), action->text(), action->isEnabled()});
        QAction* chosen = pick.isEmpty() ? nullptr : menu->findChild<QAction*>(pick);
        if (chosen && chosen->isEnabled())
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
    // the right-click as the window system hands it to the frame
    const QPoint at(200, 60);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, compass.mapToGlobal(at));
    QApplication::sendEvent(&compass, &event);
    QCoreApplication::processEvents();
    return *offered;
}

}  // namespace qvk::ui
