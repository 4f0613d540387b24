// The Grid / Coordinate Calc window's controls and looks: the mode buttons on
// top, the locator panel with the coordinate panel lying over it, and "Calc"
// and "Cancel" below.

#include "ui/common/flat_button.h"
#include "ui/common/form_window.h"
#include "ui/common/window_frame.h"
#include "ui/grid/grid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qvk::ui {
namespace {

// Parented at once, so that its size is measured in the window's font.
QFrame* makePanel(QWidget* window, const char* objectName)
{
    auto* panel = named(new QFrame(window), objectName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);  // so the coordinate panel hides what lies under it
    return panel;
}

// A panel's rows: a caption with its box, or a line of help across the panel.
class PanelRows {
public:
    explicit PanelRows(QFrame* panel) : grid_(new QGridLayout(panel))
    {
        grid_->setContentsMargins(10, 8, 10, 8);
        grid_->setHorizontalSpacing(8);
        grid_->setVerticalSpacing(4);
        grid_->setColumnStretch(1, 1);
    }
    void boxRow(const QString& caption, QLineEdit* box)
    {
        grid_->addWidget(plainLabel(caption), row_, 0);
        grid_->addWidget(box, row_++, 1, Qt::AlignLeft);
    }
    void helpRow(const QString& text) { grid_->addWidget(plainLabel(text), row_++, 0, 1, 2); }

private:
    // plain text keeps the double blanks of the examples
    static QLabel* plainLabel(const QString& text)
    {
        auto* label = new QLabel(text);
        label->setTextFormat(Qt::PlainText);
        return label;
    }

    QGridLayout* grid_;
    int row_ = 0;
};

}  // namespace

void TGrid::buildControls()
{
    setObjectName("Grid");
    setWindowTitle("Grid / Coordinate Calc");
    setWindowFlags(kTitleAndCloseBox);
    applyFormLook(*this);

    gridModeButton_ = named(new QRadioButton("GRID"), "RadioButton1");
    coordinatesModeButton_ = named(new QRadioButton("Coordinates"), "RadioButton2");
    gridModeButton_->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(gridModeButton_);
    modes->addSpacing(12);
    modes->addWidget(coordinatesModeButton_);
    modes->addStretch();

    // every box holds the widest coordinate with room to spare
    const int boxWidth = fontMetrics().horizontalAdvance(kWidestCoordinate) + 6 * fontMetrics().averageCharWidth();
    locatorBox_ = named(new QLineEdit, "Edit1");
    latitudeBox_ = named(new QLineEdit("N\u00B0"), "Edit2");
    longitudeBox_ = named(new QLineEdit("W\u00B0"), "Edit3");
    for (QLineEdit* box : {locatorBox_, latitudeBox_, longitudeBox_}) box->setFixedWidth(boxWidth);
    flipHemisphereOnDoubleClick(*latitudeBox_, Axis::Latitude);
    flipHemisphereOnDoubleClick(*longitudeBox_, Axis::Longitude);

    locatorPanel_ = makePanel(this, "Panel3");
    PanelRows locatorRows(locatorPanel_);
    locatorRows.boxRow("Enter GRID name:", locatorBox_);
    locatorRows.helpRow("Alpha Alpha Number Number or");
    locatorRows.helpRow("Alpha Alpha Number Number Alpha Alpha");
    locatorRows.helpRow("Ex:  EL29  or  EL29AB");

    coordinatePanel_ = makePanel(this, "Panel4");
    PanelRows coordinateRows(coordinatePanel_);
    coordinateRows.boxRow(kLatitudeCaption, latitudeBox_);
    coordinateRows.boxRow(kLongitudeCaption, longitudeBox_);
    coordinateRows.helpRow("Double click boxes to change degrees.");
    coordinateRows.helpRow("(Ex:  N\u00B029.18    W\u00B094.47)");

    // one cell for both panels, sized for the larger, so that showing the
    // coordinate panel covers the locator panel exactly and never resizes
    // the window
    const QSize panelSize = locatorPanel_->sizeHint().expandedTo(coordinatePanel_->sizeHint());
    locatorPanel_->setFixedSize(panelSize);
    coordinatePanel_->setFixedSize(panelSize);
    auto* panels = new QGridLayout;
    panels->addWidget(locatorPanel_, 0, 0);
    panels->addWidget(coordinatePanel_, 0, 0);  // added last, so it lies on top

    auto* buttonBar = new QFrame;
    buttonBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    calcButton_ = makeFlatButton(buttonBar, "SpeedButton54", "Calc", QRect());
    cancelButton_ = makeFlatButton(buttonBar, "SpeedButton1", "Cancel", QRect());
    auto* buttons = new QHBoxLayout(buttonBar);
    buttons->setContentsMargins(4, 3, 4, 3);
    for (QToolButton* button : {calcButton_, cancelButton_}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance("Cancel") + 8 * fontMetrics().averageCharWidth());
        buttons->addWidget(button);
    }

    auto* form = new QVBoxLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);
    form->setContentsMargins(10, 8, 10, 10);
    form->setSpacing(8);
    form->addLayout(modes);
    form->addLayout(panels);
    form->addWidget(buttonBar, 0, Qt::AlignHCenter);

    coordinatePanel_->setVisible(false);  // "GRID" mode at start
    setTabOrder(locatorBox_, latitudeBox_);
    setTabOrder(latitudeBox_, longitudeBox_);
    setTabOrder(longitudeBox_, gridModeButton_);

    adjustSize();
    centreOnScreen(*this);
}

}  // namespace qvk::ui
