// The Clocks window's controls at their fixed places, and their looks.

#include "ui/clocks/clock2.h"

#include "ui/clocks/clocks_help.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"

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

const QColor kBackground(224, 208, 168);
const QColor kPlaceBoxColour(192, 176, 144);
const QColor kClockFace(0, 0, 255);
const QColor kClockDigits(255, 255, 0);

// Rows run left to right, then top to bottom: 6 lines of 4.
struct GridCell {
    int line;
    int column;
};
GridCell cellOf(int row) { return {(row - 1) / 4, (row - 1) % 4}; }

QLineEdit* makeBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {})
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFrame(false);
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    setColours(*box, kPlaceBoxColour, kNavy);
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

// The help lines were laid out for a narrower 8-point face: where ours is
// wider, its letters are narrowed, not cut off, until the longest line fits.
void narrowToFit(QLabel& label, int width)
{
    QFont font = label.font();
    // unhinted advances narrow evenly with the stretch
    font.setHintingPreference(QFont::PreferVerticalHinting);
    for (int stretch = 100; stretch > 50; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).size(0, label.text()).width() <= width) break;
    }
    label.setFont(font);
    label.adjustSize();
}

}  // namespace

void TClock2::buildControls()
{
    setObjectName("Clocks");
    setWindowTitle("Clocks");
    // a title but no close button: OK is the way out
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(414, 348);
    setFont(programFont(8));
    setColours(*this, kBackground, kNavy);

    Edit0 = makeBox(this, "Edit0", QRect(53, 1, 96, 15), "       Home Time");
    RxClock2 = makeClockPanel(this, "RxClock2", QRect(52, 17, 98, 22));
    Edit26 = makeBox(this, "Edit26", QRect(261, 1, 96, 15), "            GMT");
    Panel25 = makeClockPanel(this, "Panel25", QRect(260, 17, 98, 22));

    for (int row = 1; row <= kClockPlaces; ++row) {
        const auto [line, column] = cellOf(row);
        const auto index = static_cast<std::size_t>(row - 1);
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

    RxLabel1 = new QLabel("Help", this);
    RxLabel1->setObjectName("RxLabel1");
    RxLabel1->setGeometry(390, 0, 21, 12);
    RxLabel1->setAlignment(Qt::AlignCenter);
    QFont small = RxLabel1->font();
    small.setPixelSize(9);
    RxLabel1->setFont(small);
    setColours(*RxLabel1, kNavy, kClockDigits);
    RxLabel1->installEventFilter(this);

    Panel26 = new QFrame(this);
    Panel26->setObjectName("Panel26");
    Panel26->setGeometry(57, 114, 300, 133);
    Panel26->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setColours(*Panel26, kBackground, kNavy);
    auto* help = new QLabel(clocksHelpText(), Panel26);
    help->setObjectName("HelpText");
    help->setTextFormat(Qt::PlainText);
    help->move(8, 8);
    narrowToFit(*help, Panel26->width() - 2 * 8);
    Panel26->hide();

    CheckBox1 = new QCheckBox("Military", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->move(4, 328);
    CheckBox1->adjustSize();

    SpeedButton1 = makeFlatButton(this, "SpeedButton1", "OK", QRect(128, 323, 76, 24));
    SpeedButton2 = makeFlatButton(this, "SpeedButton2", "Reset", QRect(209, 323, 76, 24));
    SpeedButton2->setEnabled(false);

    buildPopupMenu();

    // opened at the centre of the desktop
    if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void TClock2::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    StdTime1 = PopupMenu1->addAction("Std Time");
    StdTime1->setObjectName("StdTime1");
    DSTime1 = PopupMenu1->addAction("DS Time");
    DSTime1->setObjectName("DSTime1");
    auto* choices = new QActionGroup(PopupMenu1);
    for (QAction* choice : {StdTime1, DSTime1}) {
        choice->setCheckable(true);
        choices->addAction(choice);
    }
}

}  // namespace qvk::ui
