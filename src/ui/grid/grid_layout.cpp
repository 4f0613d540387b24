// The Grid / Coordinate Calc window's controls and looks: the mode buttons on
// top, the locator panel with the coordinate panel lying over it, and "Calc"
// and "Cancel" below.

#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/grid/grid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace qvk::ui {
namespace {

const QColor kBackground(224, 208, 168);

template <typename Control> Control* named(Control* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

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
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(programFont(8));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) colours.setColor(role, kNavy);
    setPalette(colours);
    setAutoFillBackground(true);

    RadioButton1 = named(new QRadioButton("GRID"), "RadioButton1");
    RadioButton2 = named(new QRadioButton("Coordinates"), "RadioButton2");
    RadioButton1->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(RadioButton1);
    modes->addSpacing(12);
    modes->addWidget(RadioButton2);
    modes->addStretch();

    // every box holds the widest coordinate, W°180.00, with room to spare
    const int boxWidth =
        fontMetrics().horizontalAdvance(QString("W\u00B0180.00")) + 6 * fontMetrics().averageCharWidth();
    Edit1 = named(new QLineEdit, "Edit1");
    Edit2 = named(new QLineEdit("N\u00B0"), "Edit2");
    Edit3 = named(new QLineEdit("W\u00B0"), "Edit3");
    for (QLineEdit* box : {Edit1, Edit2, Edit3}) box->setFixedWidth(boxWidth);

    Panel3 = makePanel(this, "Panel3");
    PanelRows locatorRows(Panel3);
    locatorRows.boxRow("Enter GRID name:", Edit1);
    locatorRows.helpRow("Alpha Alpha Number Number or");
    locatorRows.helpRow("Alpha Alpha Number Number Alpha Alpha");
    locatorRows.helpRow("Ex:  EL29  or  EL29AB");

    Panel4 = makePanel(this, "Panel4");
    PanelRows coordinateRows(Panel4);
    coordinateRows.boxRow("N\u00B0'/ S\u00B0'", Edit2);
    coordinateRows.boxRow("W\u00B0'/ E\u00B0'", Edit3);
    coordinateRows.helpRow("Double click boxes to change degrees.");
    coordinateRows.helpRow("(Ex:  N\u00B029.18    W\u00B094.47)");

    // one cell for both panels, sized for the larger, so that showing the
    // coordinate panel covers the locator panel exactly and never resizes
    // the window
    const QSize panelSize = Panel3->sizeHint().expandedTo(Panel4->sizeHint());
    Panel3->setFixedSize(panelSize);
    Panel4->setFixedSize(panelSize);
    auto* panels = new QGridLayout;
    panels->addWidget(Panel3, 0, 0);
    panels->addWidget(Panel4, 0, 0);  // added last, so it lies on top

    auto* buttonBar = new QFrame;
    buttonBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SpeedButton54 = makeFlatButton(buttonBar, "SpeedButton54", "Calc", QRect());
    SpeedButton1 = makeFlatButton(buttonBar, "SpeedButton1", "Cancel", QRect());
    auto* buttons = new QHBoxLayout(buttonBar);
    buttons->setContentsMargins(4, 3, 4, 3);
    for (QToolButton* button : {SpeedButton54, SpeedButton1}) {
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

    Panel4->setVisible(false);  // "GRID" mode at start
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, RadioButton1);

    adjustSize();
    // centred on the screen, whatever window opens it
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace qvk::ui
