#pragma once
// Plain controls as the windows build them: a panel at its place, and a
// control given its object name within the expression that creates it.

#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace qvk::ui {

// A frameless panel in the parent, named and placed.
QFrame* makePanel(QWidget* parent, const QString& objectName, const QRect& geometry);

// Names the control and hands it back: new QCheckBox(...) named in one line.
template <typename Control> Control* named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

}  // namespace qvk::ui
