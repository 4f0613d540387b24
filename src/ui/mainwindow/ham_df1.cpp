#include "ui/mainwindow/ham_df1.h"

#include "catalogue/list_entry.h"
#include "catalogue/master_list.h"
#include "catalogue/state_table.h"
#include "clocks/toolbar_clock.h"
#include "core/line_file.h"
#include "settings/preferences.h"
#include "ui/common/flat_button.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"
#include "ui/common/search_combo_box.h"
#include "ui/home/home.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/mainwindow/result_texts.h"
#include "ui/mainwindow/status_bar.h"
#include "ui/rotator/rotator_control.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

namespace qvk::ui {
namespace {

constexpr const char* kListPrompt = "DXCC / Country / City List";
constexpr const char* kResetPromptEntry = "Click on a state or dxcc first.";
// The prompt entry of "Clear": committing it only restores the prompt.
constexpr const char* kClearPromptEntry = "Click on state or dxcc first.";

// A typed key opens the list, which reaches this far below the list's top;
// a pointer over that area is moved down beside the divider, off the list.
constexpr int kOpenListReach = 365;
constexpr int kPointerDropBesideList = 100;

}  // namespace

THamDF1::THamDF1(Platform& platform, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      preferencesFile_(toFileSystemPath(platform.settingsFolder() + kPreferencesFileName))
{
    setObjectName("HamDF1");
    applyWindowLook();
    buildToolbar();
    buildCompassAndList();
    buildStatePanel();
    buildHomeAndHeading();
    buildButtonBar();
    setListPrompt(kListPrompt, kResetPromptEntry);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this), &QShortcut::activated, this,
            &THamDF1::beamMapRequested);

    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("Timer2");
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, &THamDF1::clockTick);
    clockTimer_->start();

    if (platform_.trayIconAvailable()) {
        trayIcon_ = new QSystemTrayIcon(QIcon(":/icons/app.png"), this);
        trayIcon_->setToolTip(windowTitle());
        connect(trayIcon_, &QSystemTrayIcon::activated, this, &THamDF1::bringToFront);
        trayIcon_->show();
    }
    FormCreate();
}

THamDF1::~THamDF1() = default;

void THamDF1::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

void THamDF1::setSecondaryWindows(const SecondaryWindows& windows)
{
    windows_ = windows;
    if (!windows_.home) return;
    connect(windows_.home, &THome::longPathToggled, longPathLabel_, &QWidget::setVisible, Qt::UniqueConnection);
    connect(windows_.home, &THome::homeSaved, this, &THamDF1::showHomeStation, Qt::UniqueConnection);
}

void THamDF1::setRotatorControl(RotatorControl* rotator)
{
    if (rotator_) disconnect(rotator_, nullptr, compass_, nullptr);
    compass_->setRotatorAzimuth(std::nullopt);
    compass_->setRotatorStatus(QString(), false);
    rotator_ = rotator;
    if (!rotator_) return;
    connect(rotator_, &RotatorControl::antennaHeadingChanged, compass_, &CompassFrame::setRotatorAzimuth);
    connect(rotator_, &RotatorControl::statusChanged, compass_, &CompassFrame::setRotatorStatus);
    // what it told before it was attached: its file's trouble, read at start
    compass_->setRotatorStatus(rotator_->statusText(), rotator_->statusIsProblem());
}

// Both paths of the result on show, for the rotator to turn to, and the Beam Map.
void THamDF1::compassMenuRequested(const QPoint& position)
{
    QMenu menu(this);
    menu.setObjectName("CompassMenu");
    if (rotator_) {
        std::optional<BeamHeadings> headings;
        if (shownResult_) headings = BeamHeadings{shownResult_->bearing, longPathHeading(shownResult_->bearing)};
        rotator_->addCompassActions(menu, headings);
        menu.addSeparator();
    }
    menu.addAction("Beam map...", this, &THamDF1::beamMapRequested)->setObjectName("OpenBeamMap");
    menu.exec(compass_->mapToGlobal(position));
}

void THamDF1::BreakOutCity(std::string_view tag, const QString& name, const std::optional<SignedPosition>& home,
                           const std::optional<SignedPosition>& target)
{
    if (tag != kDxccTag && tag != kChosenTargetTag) {
        prefixSearch_ = false;
        sortToggle_->hide();
    }
    if (home && target) {
        shownResult_ = CalculateBearing(home->latitude, home->longitude, target->latitude, target->longitude);
        const HeadingTexts texts = headingTexts(shownResult_->bearing, fromScreen(name));
        statusBar_->setHeadingText(toScreen(texts.headingPanel));
        headingLabel_->setText(toScreen(texts.headingLabel));
        longPathLabel_->setText(toScreen(texts.longPathLabel));
        compass_->showHeading(evenHeading(shownResult_->bearing));
        emit resultShown(name, static_cast<double>(target->latitude), static_cast<double>(target->longitude));
    } else {
        resetDisplay();
        statusBar_->setDistanceText(QString());
    }
    if (tag == kDxccTag) {
        locationList_->clearAll();
        fillDxccInPrefixOrder();
    }
}

void THamDF1::resetDisplay()
{
    shownResult_.reset();
    compass_->showNorth();
    statusBar_->setHeadingText(kNoHeading);
    headingLabel_->setText(kNoHeading);
    longPathLabel_->setText(QString());
    emit resultCleared();
}

void THamDF1::fillDxccInPrefixOrder()
{
    for (const auto& entry : dxccEntries(masterList_)) locationList_->addSorted(toScreen(entry));
}

void THamDF1::showDistanceOfLastResult()
{
    // a target without a heading (no home station yet) shows no distance either
    if (!shownResult_) return;
    const bool miles = windows_.home && windows_.home->milesSelected();
    statusBar_->setDistanceText(toScreen(distanceText(shownResult_->distance, miles)));
}

void THamDF1::ChgButtonColors(int number)
{
    for (QToolButton* button : pushButtons_) {
        if (button == closeButton_ || button == clearButton_) continue;  // they keep their colours
        setButtonLook(*button, kNavy, false);
    }
    if (number > 0 && number < static_cast<int>(markableButtons_.size()) && markableButtons_[number])
        setButtonLook(*markableButtons_[number], kMaroon, true);
}

void THamDF1::setListPrompt(const QString& text, const QString& onlyEntry)
{
    locationList_->clearAll();
    locationList_->addItem(onlyEntry);
    locationList_->showText(text);
}

void THamDF1::ResetComboBox()
{
    ChgButtonColors(kNoButton);
    setListPrompt(kListPrompt, kResetPromptEntry);
    resetDisplay();
    statusBar_->setDistanceText(kNoDistance);
}

void THamDF1::prepareForGridTarget()
{
    resetDisplay();
    statusBar_->setDistanceText(QString());
    locationList_->clearAll();
    locationList_->showText("Grid/N\u00B0S\u00B0 Calculation");
}

void THamDF1::clearClick()
{
    resetDisplay();
    statusBar_->setDistanceText(kNoDistance);
    setListPrompt(kListPrompt, kClearPromptEntry);
    statusBar_->collapse();
    sortToggle_->hide();
    ChgButtonColors(kNoButton);
}

// A state button: the heading to the state's centre, then the state's city list.
void THamDF1::stateButtonClick(int number)
{
    const UsState& state = usStates()[static_cast<std::size_t>(number - 1)];
    BreakOutCity(state.tag(), toScreen(state.centreCaption()), home_,
                 SignedPosition{state.centreLatitude, state.centreLongitude});
    locationList_->clearAll();
    const std::filesystem::path path = toFileSystemPath(platform_.dataFolder() + toScreen(state.cityListFile()));
    const LineFileReading cities = readLineFile(path);
    if (cities.status == LineFileReading::Status::Missing) {
        locationList_->showText(toScreen(state.noListText()));
        ChgButtonColors(kNoButton);
        return;
    }
    locationList_->showText(toScreen(state.listText()));
    // told before the list opens: a box would close it
    if (const auto message = readingMessage(path.string(), cities)) platform_.showError(fromSystemText(*message));
    if (!cities.read()) return;
    for (const auto& city : cities.lines) locationList_->addSorted(toScreen(city));
    locationList_->openList();
    locationList_->setFocus(Qt::OtherFocusReason);
    ChgButtonColors(number);
    listOffered_ = true;
}

void THamDF1::dxccClick()
{
    prefixSearch_ = true;
    sortToggle_->show();
    BreakOutCity(kDxccTag, QString(), home_, std::nullopt);
    locationList_->openList();
    locationList_->setFocus(Qt::OtherFocusReason);
    ChgButtonColors(kDxccButton);
    listOffered_ = true;
}

void THamDF1::sortToggleClick()
{
    if (sortToggle_->isChecked()) {
        locationList_->clearAll();
        for (const auto& entry : byCountry_) locationList_->addSorted(toScreen(entry));
        prefixSearch_ = false;
        locationList_->showText("DXCC sorted by country.");
    } else {
        locationList_->clearAll();
        fillDxccInPrefixOrder();
        prefixSearch_ = true;
        locationList_->showText("DXCC sorted by prefix.");
    }
    locationList_->setFocus(Qt::OtherFocusReason);
}

// Commits the chosen entry, each time the location list loses the focus.
void THamDF1::ComboBox2Exit()
{
    const QString text = locationList_->currentText();
    if (text.isEmpty()) return;
    // a call heard needs no list first: typing it is the quickest way to a heading
    if (!listOffered_) {
        commitCallsign(text);
        return;
    }
    if (text == kClearPromptEntry) {
        locationList_->showText(kListPrompt);
        if (locationList_->count() == 0)
            locationList_->addItem(kClearPromptEntry);
        else
            locationList_->setItemText(0, kClearPromptEntry);
        return;
    }

    const EntryPosition entry = positionOfEntry(fromScreen(text));
    switch (entry.status) {
    case EntryPosition::Status::NoLatitude:
        if (commitCallsign(text)) return;
        [[fallthrough]];
    case EntryPosition::Status::NoLongitude:
        warnNearCentre(platform_, toScreen(entry.message));
        locationList_->setFocus(Qt::OtherFocusReason);
        return;
    case EntryPosition::Status::InvalidDegrees:
        platform_.showWarning(toScreen(entry.message));
        return;
    case EntryPosition::Status::InvalidNumber:
        platform_.showError(toScreen(entry.message));
        return;
    case EntryPosition::Status::Found:
        break;
    }
    showCommittedTarget("   " + text, entry.position);
}

void THamDF1::showCommittedTarget(const QString& name, const SignedPosition& target)
{
    BreakOutCity(kChosenTargetTag, name, home_, target);
    locationList_->setFocus(Qt::OtherFocusReason);
    locationList_->selectAllForReplacement();
    clockTimer_->start();
    showDistanceOfLastResult();
}

// Keeps the pointer off the list that a typed key is about to open.
void THamDF1::relocatePointerBeforeTyping()
{
    const QPoint pointer = platform_.cursorPosition();
    if (pointer.x() >= locationList_->x() && pointer.y() <= locationList_->y() + kOpenListReach)
        platform_.setCursorPosition(mapToGlobal(QPoint(divider_->x(), divider_->y() + kPointerDropBesideList)));
}

void THamDF1::clockTick()
{
    if (hoverResetRequested_) {
        // clears a hover highlight left on a state button
        for (QToolButton* button : pushButtons_) {
            button->setEnabled(false);
            button->setEnabled(true);
        }
        hoverResetRequested_ = false;
    }
    const QDateTime utc = platform_.currentUtc();
    if (utc.time().minute() == lastShownMinute_) return;
    lastShownMinute_ = utc.time().minute();
    statusBar_->collapse();
    const QTime local = platform_.currentLocal().time();
    localClock_->setText(toScreen(toolbarLocalText(local.hour(), local.minute(), militaryTime_)));
    utcClock_->setText(toScreen(toolbarUtcText(utc.time().hour(), utc.time().minute(), militaryTime_)));
}

void THamDF1::longPathToggle()
{
    if (!shownResult_) return;
    if (!longPathToggledOn_) {
        if (longPathHeading(shownResult_->bearing) > 0 && windows_.home) windows_.home->setLongPathChecked(true);
        longPathLabel_->show();
        longPathToggledOn_ = true;
    } else {
        longPathToggledOn_ = false;
        longPathLabel_->hide();
        if (windows_.home) windows_.home->setLongPathChecked(false);
    }
}

bool THamDF1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == headingLabel_ && event->type() == QEvent::MouseButtonDblClick) {
        longPathToggle();
        return true;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == statePanel_ || widget->parentWidget() == statePanel_)) hoverResetRequested_ = true;
    }
    return QWidget::eventFilter(watched, event);
}

void THamDF1::preferencesClick()
{
    sortToggle_->hide();
    ResetComboBox();
    openWindow(windows_.home);
}

void THamDF1::gridClick()
{
    sortToggle_->hide();
    ResetComboBox();
    openWindow(windows_.grid);
    ChgButtonColors(kGridButton);
}

void THamDF1::openWindow(QDialog* window)
{
    if (window) platform_.runModal(*window);
}

void THamDF1::hideClick()
{
    // without a notification area there is no way back from hiding
    if (trayIcon_ && platform_.trayIconAvailable())
        hide();
    else
        showMinimized();
}

}  // namespace qvk::ui
