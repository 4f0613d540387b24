#include "window_driving.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qvk::ui {

void showAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString() << " never became active";
}

void reactivate(QWidget& window)
{
    QWidget other;
    showAndActivate(other);
    showAndActivate(window);
}

void click(QWidget& window, const QString& buttonName)
{
    QTest::mouseClick(&child<QAbstractButton>(window, buttonName), Qt::LeftButton);
}

QPixmap picture(QWidget& window) { return child<QLabel>(window, "Image1").pixmap(); }

QRect screenRect(const QWidget& widget) { return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()); }

}  // namespace qvk::ui
