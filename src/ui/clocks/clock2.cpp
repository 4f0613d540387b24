#include "ui/clocks/clock2.h"

#include "core/line_file.h"
#include "core/messages.h"
#include "ui/common/flat_button.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace qvk::ui {
namespace {

const QColor kInvalidPlaceColour(255, 0, 0);
constexpr int kTickMilliseconds = 450;

// Rows count from 1 in the clocks file and the DS flag line.
int rowNumber(std::size_t index) { return static_cast<int>(index) + 1; }

}  // namespace

TClock2::TClock2(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    buildControls();

    for (QLineEdit* box : placeBoxes_) connect(box, &QLineEdit::textEdited, this, &TClock2::placeBoxEdited);
    connect(standardTimeChoice_, &QAction::triggered, this, [this] { chooseDaylightSaving(false); });
    connect(daylightSavingChoice_, &QAction::triggered, this, [this] { chooseDaylightSaving(true); });
    connect(militaryBox_, &QCheckBox::clicked, this, &TClock2::militaryClick);
    connect(okButton_, &QToolButton::clicked, this, &TClock2::okClick);
    connect(resetButton_, &QToolButton::clicked, this, &TClock2::resetClick);

    if (InitializeParameters(ParameterMode::ProgramStart)) UpdateClocks();

    // the clocks run from the start, shown or not
    showHomeTime();
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("RxClock2Timer");
    connect(clockTimer_, &QTimer::timeout, this, &TClock2::clockTick);
    clockTimer_->start(kTickMilliseconds);
}

bool TClock2::writeClocksFile()
{
    ClocksFile file;
    file.flagLine = dsFlagLine_;
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) file.places[k] = fromScreen(placeBoxes_[k]->text());
    const QString path = clocksFilePath();
    if (writeLinesAtomically(toFileSystemPath(path), clocksFileLines(file))) return true;
    platform_.showError(toScreen(cannotCreateFileMessage(fromScreen(path))));
    return false;
}

void TClock2::reject() {}

void TClock2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // no caret in the "Home Time" caption: the focus rests on the first time
    timePanels_.front()->setFocus(Qt::OtherFocusReason);
}

bool TClock2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == helpLabel_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        helpPanel_->setVisible(event->type() == QEvent::Enter);
        return false;
    }
    const auto panel = std::find(timePanels_.begin(), timePanels_.end(), watched);
    if (panel == timePanels_.end()) return QDialog::eventFilter(watched, event);
    const auto index = static_cast<std::size_t>(panel - timePanels_.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        timePanelPressed(index);
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        timePanelReleased(index, mouse->button(), mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::ContextMenu:
        return true;  // the menu opens on release, and only over a time
    default:
        return QDialog::eventFilter(watched, event);
    }
}

bool TClock2::InitializeParameters(ParameterMode mode)
{
    switch (mode) {
    case ParameterMode::ProgramStart:
        return readClocksFile();
    case ParameterMode::ParameterUpdate:
        return writeClocksFile();
    case ParameterMode::ProgramUpdate:
        break;  // the main window's mode: nothing to do here
    }
    return true;
}

bool TClock2::readClocksFile()
{
    const QString path = clocksFilePath();
    const auto lines = readLines(toFileSystemPath(path));
    if (!lines) {
        platform_.showError(toScreen(cannotOpenFileMessage(fromScreen(path))));
        return false;
    }
    const ClocksFile file = parseClocksFile(*lines);
    dsFlagLine_ = file.flagLine;
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) {
        daylightSaving_[k] = daylightSavingFlag(dsFlagLine_, rowNumber(k));
        placeBoxes_[k]->setText(toScreen(file.places[k]));
        placeBoxes_[k]->home(false);
    }
    return true;
}

void TClock2::UpdateClocks()
{
    const bool military = militaryBox_->isChecked();
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) {
        QLineEdit& box = *placeBoxes_[k];
        QLabel& panel = *timePanels_[k];
        const std::string placeText = fromScreen(box.text());
        // each row reads the clock for itself
        const PlaceTime time = ComputePlaceTime(placeText, daylightSaving_[k], military, utcNow());
        switch (time.status) {
        case PlaceTime::Status::NoOffset:
            panel.clear();
            break;
        case PlaceTime::Status::Invalid:
            setColours(box, kInvalidPlaceColour, kNavy);
            panel.setText(toScreen(time.text));
            break;
        case PlaceTime::Status::BadFraction:
            setColours(box, kTan, kNavy);
            fractionRejected_ = true;
            warnNearCentre(platform_, toScreen(badFractionWarning(placeText)));
            break;
        case PlaceTime::Status::Shown:
            setColours(box, kTan, kNavy);
            panel.setText(toScreen(time.text));
            homeClockMilitary_ = military;
            break;
        }
    }
}

// Runs on every read of the home clock; the rows follow the UTC minute.
void TClock2::RxClock2GetTime()
{
    if (paused_) return;
    const UtcTimeOfDay utc = utcNow();
    if (utc.minute == lastMinuteShown_) return;
    lastMinuteShown_ = utc.minute;
    gmtPanel_->setText(toScreen(gmtRowText(utc, militaryBox_->isChecked())));
    UpdateClocks();
}

void TClock2::clockTick()
{
    RxClock2GetTime();
    showHomeTime();
}

void TClock2::showHomeTime()
{
    const QTime local = platform_.currentLocal().time();
    homeClock_->setText(QLocale::c().toString(local, homeClockMilitary_ ? "hh:mm" : "h:mm AP"));
}

UtcTimeOfDay TClock2::utcNow() const
{
    const QTime utc = platform_.currentUtc().toUTC().time();
    return {utc.hour(), utc.minute()};
}

QString TClock2::clocksFilePath() const { return platform_.settingsFolder() + kClocksFileName; }

void TClock2::enterEditing()
{
    paused_ = true;
    awaitReset(true);
}

void TClock2::awaitReset(bool awaiting)
{
    okButton_->setEnabled(!awaiting);
    resetButton_->setEnabled(awaiting);
}

void TClock2::placeBoxEdited()
{
    if (isActiveWindow()) enterEditing();
}

void TClock2::timePanelPressed(std::size_t index)
{
    popupTarget_ = index;
    (daylightSaving_[index] ? daylightSavingChoice_ : standardTimeChoice_)->setChecked(true);
}

void TClock2::timePanelReleased(std::size_t index, Qt::MouseButton button, QPoint globalPosition)
{
    // an empty panel has no time to switch
    if (button != Qt::RightButton || timePanels_[index]->text().isEmpty()) return;
    daylightSavingMenu_->popup(globalPosition);
}

void TClock2::chooseDaylightSaving(bool on)
{
    if (!popupTarget_) return;
    daylightSaving_[*popupTarget_] = on;
    // the panel shows the change at the next Reset
    if (isActiveWindow()) enterEditing();
}

void TClock2::militaryClick()
{
    // the clocks keep running: the next minute already shows the new form
    awaitReset(true);
    timePanels_.front()->setFocus(Qt::OtherFocusReason);
}

// OK: the flags go into the DS flag line, to be written by the next Reset or "Close".
void TClock2::okClick()
{
    for (std::size_t k = 0; k < daylightSaving_.size(); ++k)
        setDaylightSavingFlag(dsFlagLine_, rowNumber(k), daylightSaving_[k]);
    accept();
}

// Reset: checks every offset, and only when all pass stores them and restarts the clocks.
void TClock2::resetClick()
{
    fractionRejected_ = false;
    UpdateClocks();
    if (fractionRejected_) return;

    // every box shows its text from the first character again, hiding pushed-out offsets
    std::vector<QLineEdit*> boxes(placeBoxes_.begin(), placeBoxes_.end());
    boxes.insert(boxes.end(), {homeCaptionBox_, gmtCaptionBox_});
    for (QLineEdit* box : boxes) {
        box->setText(box->text());
        box->home(false);
    }
    // a failed write has been reported; staying in editing would leave no way out
    InitializeParameters(ParameterMode::ParameterUpdate);
    paused_ = false;
    lastMinuteShown_ = kNoMinute;
    awaitReset(false);
}

}  // namespace qvk::ui
