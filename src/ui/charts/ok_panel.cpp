#include "ui/charts/ok_panel.h"

#include "ui/common/flat_button.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QPalette>
#include <QToolButton>

namespace qvk::ui {

QFrame* addOkPanel(QDialog& window, const OkPanelDesign& design)
{
    auto* panel = new QFrame(&window);
    panel->setObjectName(design.panelName);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(design.geometry);
    const QColor systemWindowColour = QGuiApplication::palette().color(QPalette::Base);
    setColours(*panel, design.colour.isValid() ? design.colour : systemWindowColour, kNavy);

    QToolButton* ok = makeFlatButton(panel, design.buttonName, "OK", panel->rect());
    QObject::connect(ok, &QToolButton::clicked, &window, &QDialog::accept);
    return panel;
}

}  // namespace qvk::ui
