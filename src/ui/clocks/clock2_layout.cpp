// The Clocks window's controls at their fixed places, and their looks.

#include "ui/clocks/clock2.h"

#include "ui/clocks/clocks_help.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/common/window_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace qvk::ui {
namespace {

const QColor kClockFace(0, 0, 255);
const QColor kClockDigits(255, 255, 0);

// Rows run left to right, then top to bottom: 6 lines of 4.
constexpr int kRowsPerLine = 4;
struct GridCell {
    int line;
    int column;
};
GridCell cellOf(std::size_t index)
{
    const int position = static_cast<int>(index);
    return {position / kRowsPerLine, position % kRowsPerLine};
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {})
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFrame(false);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    setColours(*box, kTan, kNavy);
    box->home(false);
    return box;
}

QLabel* makeClockPanel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignCenter);
    panel->setTextFormat(Qt::PlainText);
    setColours(*panel, kClockFace, kClockDigits);
    QFont digits = panel->font();
    digits.setBold(true);
    panel->setFont(digits);
    return panel;
}

// The help lines were laid out for a narrower 8-point face.
void narrowToFit(QLabel& label, int width)
{
    label.setFont(narrowedToFit(label.font(), [&label, width](const QFontMetrics& metrics) {
        return metrics.size(0, label.text()).width() <= width;
    }));
    label.adjustSize();
}

}  // namespace

void TClock2::buildControls()
{
    setObjectName("Clocks");
    setWindowTitle("Clocks");
    // a title but no close button: OK is the way out
    setWindowFlags(kTitleOnly);
    setFixedSize(414, 348);
    setFont(programFont(8));
    setColours(*this, kSand, kNavy);

    homeCaptionBox_ = makeBox(this, "Edit0", QRect(53, 1, 96, 15), "       Home Time");
    homeClock_ = makeClockPanel(this, "RxClock2", QRect(52, 17, 98, 22));
    gmtCaptionBox_ = makeBox(this, "Edit26", QRect(261, 1, 96, 15), "            GMT");
    gmtPanel_ = makeClockPanel(this, "Panel25", QRect(260, 17, 98, 22));

    for (std::size_t index = 0; index < timePanels_.size(); ++index) {
        const auto [line, column] = cellOf(index);
        const qsizetype row = static_cast<qsizetype>(index) + 1;  // the controls count from 1
        QLabel* panel =
            makeClockPanel(this, QString("Panel%1").arg(row), QRect(2 + 104 * column, 44 + 48 * line, 98, 22));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->installEventFilter(this);
        timePanels_[index] = panel;
        QLineEdit* box = makeBox(this, QString("Edit%1").arg(row), QRect(3 + 104 * column, 67 + 48 * line, 96, 15));
        // Tab passes the place boxes by
        box->setFocusPolicy(Qt::ClickFocus);
        placeBoxes_[index] = box;
    }

    helpLabel_ = new QLabel("Help", this);
    helpLabel_->setObjectName("RxLabel1");
    helpLabel_->setGeometry(390, 0, 21, 12);
    helpLabel_->setAlignment(Qt::AlignCenter);
    QFont small = helpLabel_->font();
    small.setPixelSize(9);
    helpLabel_->setFont(small);
    setColours(*helpLabel_, kNavy, kClockDigits);
    helpLabel_->installEventFilter(this);

    helpPanel_ = new QFrame(this);
    helpPanel_->setObjectName("Panel26");
    helpPanel_->setGeometry(57, 114, 300, 133);
    helpPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setColours(*helpPanel_, kSand, kNavy);
    auto* help = new QLabel(clocksHelpText(), helpPanel_);
    help->setObjectName("HelpText");
    help->setTextFormat(Qt::PlainText);
    help->move(8, 8);
    narrowToFit(*help, helpPanel_->width() - 2 * 8);
    helpPanel_->hide();

    militaryBox_ = new QCheckBox("Military", this);
    militaryBox_->setObjectName("CheckBox1");
    militaryBox_->move(4, 328);
    militaryBox_->adjustSize();

    okButton_ = makeFlatButton(this, "SpeedButton1", "OK", QRect(128, 323, 76, 24));
    resetButton_ = makeFlatButton(this, "SpeedButton2", "Reset", QRect(209, 323, 76, 24));
    resetButton_->setEnabled(false);

    buildPopupMenu();

    // opened at the centre of the desktop
    if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void TClock2::buildPopupMenu()
{
    daylightSavingMenu_ = new QMenu(this);
    daylightSavingMenu_->setObjectName("PopupMenu1");
    standardTimeChoice_ = daylightSavingMenu_->addAction("Std Time");
    standardTimeChoice_->setObjectName("StdTime1");
    daylightSavingChoice_ = daylightSavingMenu_->addAction("DS Time");
    daylightSavingChoice_->setObjectName("DSTime1");
    auto* choices = new QActionGroup(daylightSavingMenu_);
    for (QAction* choice : {standardTimeChoice_, daylightSavingChoice_}) {
        choice->setCheckable(true);
        choices->addAction(choice);
    }
    daylightSavingMenu_->addSeparator();
    // filled for the place each time the menu opens
    zoneMenu_ = daylightSavingMenu_->addMenu("Time Zone");
    zoneMenu_->setObjectName("TimeZoneMenu");
}

}  // namespace qvk::ui
