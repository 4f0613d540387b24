#include "ui/common/controls.h"

#include <QFrame>

namespace qvk::ui {

QFrame* makePanel(QWidget* parent, const QString& objectName, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(objectName);
    panel->setGeometry(geometry);
    return panel;
}

}  // namespace qvk::ui
