// The main window's controls at their places. Positions are client
// coordinates of the 462 x 336 window.

#include "catalogue/state_table.h"
#include "ui/common/colours.h"
#include "ui/common/controls.h"
#include "ui/common/flat_button.h"
#include "ui/common/program_style.h"
#include "ui/common/screen_text.h"
#include "ui/common/search_combo_box.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/mainwindow/ham_df1.h"
#include "ui/mainwindow/result_texts.h"
#include "ui/mainwindow/status_bar.h"

#include <QLabel>
#include <QLineEdit>

namespace qvk::ui {
namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeIcon(QWidget* parent, const QString& icon, int x)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QIcon(":/icons/" + icon + ".png").pixmap(16, 16));
    label->setGeometry(x, 4, 16, 16);
    return label;
}

}  // namespace

QToolButton* THamDF1::addButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                                const QColor& colour, void (THamDF1::*handler)())
{
    QToolButton* button = makeFlatButton(parent, name, text, geometry, colour);
    connect(button, &QToolButton::clicked, this, handler);
    pushButtons_.push_back(button);
    return button;
}

void THamDF1::buildToolbar()
{
    QFrame* toolbar = makePanel(this, "ToolBar1", QRect(0, 0, 462, 25));
    setColours(*toolbar, kTan, kNavy);
    makeIcon(toolbar, "sunrise", 3);
    sunriseLabel_ = makeLabel(toolbar, "SunriseLabel", "Rise", QRect(22, 0, 42, 25));
    sunriseLabel_->setToolTip("Sunrise");
    makeIcon(toolbar, "sunset", 66);
    sunsetLabel_ = makeLabel(toolbar, "SunsetLabel", "Set", QRect(85, 0, 43, 25));
    sunsetLabel_->setToolTip("Sunset");
    makeIcon(toolbar, "clock", 130);
    localClock_ = makeLabel(toolbar, "LocalClock", "Clock", QRect(149, 0, 42, 25));
    makeIcon(toolbar, "clock", 193);
    utcClock_ = makeLabel(toolbar, "UtcClock", "Clock", QRect(212, 0, 48, 25));

    // both picture buttons carry the hint "Help", which is never shown
    QToolButton* about =
        addButton(toolbar, "SpeedButton59", QString(), QRect(418, 3, 19, 19), kNavy, &THamDF1::aboutClick);
    about->setIcon(QIcon(":/icons/about.png"));
    QToolButton* hide =
        addButton(toolbar, "SpeedButton60", QString(), QRect(439, 3, 19, 19), kNavy, &THamDF1::hideClick);
    hide->setIcon(QIcon(":/icons/hide.png"));
}

void THamDF1::buildCompassAndList()
{
    compass_ = new CompassFrame(this);
    compass_->setObjectName("CompassFrame");
    compass_->move(6, 30);
    compass_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(compass_, &QWidget::customContextMenuRequested, this, &THamDF1::compassMenuRequested);

    QFrame* divider = makePanel(this, "Panel1", QRect(267, 30, 3, 256));
    divider->setFrameStyle(QFrame::Panel | QFrame::Raised);
    divider_ = divider;
    divider_->setFocusPolicy(Qt::ClickFocus);

    locationList_ = new SearchComboBox(this);
    locationList_->setObjectName("ComboBox2");
    locationList_->setFont(programFont(12));
    locationList_->setGeometry(279, 31, 174, 22);
    locationList_->setMaxVisibleItems(13);
    locationList_->setFocusParking(divider_);
    locationList_->setEditRule([this](SearchComboBox& list) {
        if (!prefixSearch_) return;
        list.applyPrefixAlias();
        list.putCaretAtEnd();
    });
    connect(locationList_, &SearchComboBox::keyAboutToBeTyped, this, &THamDF1::relocatePointerBeforeTyping);
    connect(locationList_, &SearchComboBox::listOpened, this, [this] { statusBar_->setDistanceText(QString()); });
    connect(locationList_, &SearchComboBox::commitRequested, this, &THamDF1::ComboBox2Exit);

    sortToggle_ = addButton(this, "SpeedButton62", "S ", QRect(454, 32, 8, 19), kNavy, &THamDF1::sortToggleClick);
    sortToggle_->setCheckable(true);
    sortToggle_->setToolTip("Sort");
    sortToggle_->hide();
}

void THamDF1::buildStatePanel()
{
    QFrame* statePanel = makePanel(this, "Panel4", QRect(277, 55, 178, 171));
    statePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statePanel_ = statePanel;
    statePanel_->installEventFilter(this);
    statePanel_->setMouseTracking(true);
    markableButtons_.assign(kGridButton + 1, nullptr);
    // seven rows of seven states, the last state alone at the end of the eighth row
    const auto& states = usStates();
    const int stateCount = static_cast<int>(states.size());
    for (int number = 1; number <= stateCount; ++number) {
        const UsState& state = states[static_cast<std::size_t>(number - 1)];
        const bool last = number == stateCount;
        const int column = last ? 6 : (number - 1) % 7;
        const int row = last ? 7 : (number - 1) / 7;
        QToolButton* button = makeFlatButton(statePanel_, QString("SpeedButton%1").arg(number), toScreen(state.code),
                                             QRect(2 + 25 * column, 2 + 21 * row, 24, 20));
        button->setToolTip(toScreen(state.hint));
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, number] { stateButtonClick(number); });
        pushButtons_.push_back(button);
        markableButtons_[static_cast<std::size_t>(number)] = button;
    }
    // the eighth row: "GRID/N°S°" and "DXCC", two buttons wide each
    QToolButton* grid = addButton(statePanel_, "SpeedButton61", "GRID/N\u00B0S\u00B0", QRect(2, 149, 49, 20), kNavy,
                                  &THamDF1::gridClick);
    grid->setToolTip("GRID");
    QToolButton* dxcc =
        addButton(statePanel_, "SpeedButton51", "DXCC", QRect(77, 149, 49, 20), kNavy, &THamDF1::dxccClick);
    dxcc->setToolTip("DXCC");
    for (QToolButton* wide : {grid, dxcc}) wide->setFont(programFont(7));
    markableButtons_[kGridButton] = grid;
    markableButtons_[kDxccButton] = dxcc;
}

void THamDF1::buildHomeAndHeading()
{
    QFrame* home = makePanel(this, "HomePanel", QRect(277, 232, 178, 25));
    makeLabel(home, "LatitudeCaption", "N/S\u00B0'", QRect(2, 4, 30, 17));
    homeLatitudeBox_ = new QLineEdit(home);
    homeLatitudeBox_->setObjectName("HomeLatitude");
    homeLatitudeBox_->setGeometry(32, 2, 55, 21);
    makeLabel(home, "LongitudeCaption", "W/E\u00B0'", QRect(91, 4, 31, 17));
    homeLongitudeBox_ = new QLineEdit(home);
    homeLongitudeBox_->setObjectName("HomeLongitude");
    homeLongitudeBox_->setGeometry(122, 2, 55, 21);
    for (QLineEdit* box : {homeLatitudeBox_, homeLongitudeBox_}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
    }

    QFrame* headingBox = makePanel(this, "HeadingBox", QRect(277, 263, 178, 22));
    headingBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = font();
    bold.setBold(true);
    headingLabel_ = makeLabel(headingBox, "HeadingLabel", "Degrees: ", QRect(7, 3, 115, 16));
    headingLabel_->setFont(bold);
    headingLabel_->installEventFilter(this);
    longPathLabel_ = makeLabel(headingBox, "LongPathLabel", QString(), QRect(118, 3, 58, 16));
    longPathLabel_->setFont(bold);
    longPathLabel_->hide();
}

void THamDF1::buildButtonBar()
{
    QFrame* bar = makePanel(this, "ButtonBar", QRect(6, 292, 449, 21));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    addButton(bar, "SpeedButton52", "Preferences", QRect(2, 1, 74, 19), kNavy, &THamDF1::preferencesClick);
    closeButton_ = addButton(bar, "SpeedButton53", "Close", QRect(78, 1, 58, 19), kMaroon, &THamDF1::closeClick);
    addButton(bar, "SpeedButton54", "US Map", QRect(138, 1, 60, 19), kNavy, &THamDF1::usMapClick);
    addButton(bar, "SpeedButton55", "World Map", QRect(200, 1, 60, 19), kNavy, &THamDF1::worldMapClick);
    addButton(bar, "SpeedButton56", "US Bands", QRect(262, 1, 60, 19), kNavy, &THamDF1::usBandsClick);
    addButton(bar, "SpeedButton57", "Clocks", QRect(324, 1, 60, 19), kNavy, &THamDF1::clocksClick);
    clearButton_ = addButton(bar, "SpeedButton58", "Clear", QRect(386, 1, 60, 19), Qt::white, &THamDF1::clearClick);

    statusBar_ = new StatusBar(this);
    statusBar_->setGeometry(0, 318, 462, 18);
}

void THamDF1::applyWindowLook()
{
    setWindowTitle("Amateur Radio QVK");
    setFixedSize(462, 336);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setColours(*this, kWheat, kNavy);
}

}  // namespace qvk::ui
