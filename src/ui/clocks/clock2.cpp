#include "ui/clocks/clock2.h"

#include "core/line_file.h"
#include "core/messages.h"
#include "settings/clock_zones_file.h"
#include "ui/clocks/clock_zones.h"
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

// Rows count from 1 in the clocks files and the DS flag line.
int rowNumber(std::size_t index) { return static_cast<int>(index) + 1; }

}  // namespace

TClock2::TClock2(Platform& platform, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      clocksFile_(toFileSystemPath(platform.settingsFolder() + kClocksFileName)),
      zonesFile_(toFileSystemPath(platform.settingsFolder() + kClockZonesFileName))
{
    buildControls();

    for (QLineEdit* box : placeBoxes_) connect(box, &QLineEdit::textEdited, this, &TClock2::placeBoxEdited);
    connect(standardTimeChoice_, &QAction::triggered, this, [this] { chooseDaylightSaving(false); });
    connect(daylightSavingChoice_, &QAction::triggered, this, [this] { chooseDaylightSaving(true); });
    connect(militaryBox_, &QCheckBox::clicked, this, &TClock2::militaryClick);
    connect(okButton_, &QToolButton::clicked, this, &TClock2::okClick);
    connect(resetButton_, &QToolButton::clicked, this, &TClock2::resetClick);

    if (InitializeParameters(ParameterMode::ProgramStart)) UpdateClocks();
    // as the first refresh shows them, with the flags of their zones
    clocksFile_.setUnchangedLines(clocksLines());
    zonesFile_.setUnchangedLines(zonesLines());

    // the clocks run from the start, shown or not
    showHomeTime();
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName("RxClock2Timer");
    connect(clockTimer_, &QTimer::timeout, this, &TClock2::clockTick);
    clockTimer_->start(kTickMilliseconds);
}

bool TClock2::writeClocksFile()
{
    // the zones belong to the places: never written beside a clocks file left as it was
    return save(clocksFile_, clocksLines()) && save(zonesFile_, zonesLines());
}

std::vector<std::string> TClock2::clocksLines() const
{
    ClocksFile file;
    file.flagLine = dsFlagLine_;
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) file.places[k] = fromScreen(placeBoxes_[k]->text());
    return clocksFileLines(file);
}

std::vector<std::string> TClock2::zonesLines() const
{
    ClockZones names;
    for (std::size_t k = 0; k < zones_.size(); ++k)
        if (zones_[k].isValid()) names[k] = zones_[k].id().toStdString();
    return clockZonesLines(names);
}

bool TClock2::save(SettingsFile& file, const std::vector<std::string>& lines)
{
    const bool toBeSaved = file.toBeSaved();
    const auto problem = file.save(lines);
    if (problem) platform_.showError(fromSystemText(*problem));
    return toBeSaved && !problem;
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
    const SettingsFile::Reading reading = clocksFile_.read();
    if (reading.status == LineFileReading::Status::Missing)
        platform_.showError(fromSystemText(cannotOpenFileMessage(clocksFile_.path().string())));
    if (reading.message) platform_.showError(fromSystemText(*reading.message));
    if (!reading.found()) return false;
    const ClocksFile file = parseClocksFile(reading.lines);
    dsFlagLine_ = file.flagLine;
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) {
        daylightSaving_[k] = daylightSavingFlag(dsFlagLine_, rowNumber(k));
        placeBoxes_[k]->setText(toScreen(file.places[k]));
        placeBoxes_[k]->home(false);
    }
    readClockZones();
    return true;
}

void TClock2::readClockZones()
{
    const SettingsFile::Reading reading = zonesFile_.read();
    if (reading.message) platform_.showError(fromSystemText(*reading.message));
    if (!reading.found()) return;
    const ClockZones names = parseClockZones(reading.lines);
    QStringList unknown;
    for (std::size_t k = 0; k < names.size(); ++k) {
        zones_[k] = clockZoneNamed(names[k]);
        if (!names[k].empty() && !zones_[k].isValid())
            unknown << fromSystemText(unknownClockZoneMessage(zonesFile_.path().string(), rowNumber(k), names[k]));
    }
    // one box for the whole file, however many of its lines tzdata does not know
    if (!unknown.isEmpty()) platform_.showError(unknown.join('\n'));
}

void TClock2::UpdateClocks()
{
    const bool military = militaryBox_->isChecked();
    for (std::size_t k = 0; k < placeBoxes_.size(); ++k) {
        QLineEdit& box = *placeBoxes_[k];
        QLabel& panel = *timePanels_[k];
        const std::string placeText = fromScreen(box.text());
        followZone(k);
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

void TClock2::followZone(std::size_t index)
{
    if (!zones_[index].isValid()) return;
    daylightSaving_[index] = zones_[index].isDaylightTime(platform_.currentUtc());
    // the flag line holds the flags as shown, for "tms.qvk" and whoever else reads it
    setDaylightSavingFlag(dsFlagLine_, rowNumber(index), daylightSaving_[index]);
}

// A place box that now names a place of another offset is another place.
void TClock2::dropZonesOfOtherOffsets()
{
    const QDateTime now = platform_.currentUtc();
    for (std::size_t k = 0; k < zones_.size(); ++k) {
        if (!zones_[k].isValid()) continue;
        const auto offset = placeOffsetMinutes(fromScreen(placeBoxes_[k]->text()));
        if (!offset || keepsStandardOffset(zones_[k], *offset, now)) continue;
        zones_[k] = QTimeZone();
        // standard time until the operator says otherwise; the zone's flag goes with it
        daylightSaving_[k] = false;
        setDaylightSavingFlag(dsFlagLine_, rowNumber(k), false);
    }
}

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
    // a place with a zone has its flag from the zone
    const bool byHand = !zones_[index].isValid();
    standardTimeChoice_->setEnabled(byHand);
    daylightSavingChoice_->setEnabled(byHand);
}

void TClock2::timePanelReleased(std::size_t index, Qt::MouseButton button, QPoint globalPosition)
{
    // an empty panel has no time to switch
    if (button != Qt::RightButton || timePanels_[index]->text().isEmpty()) return;
    fillZoneMenu(index);
    daylightSavingMenu_->popup(globalPosition);
}

void TClock2::chooseDaylightSaving(bool on)
{
    if (!popupTarget_) return;
    daylightSaving_[*popupTarget_] = on;
    // the panel shows the change at the next Reset
    if (isActiveWindow()) enterEditing();
}

// "None", then the zones of the offset in the place box as it reads now.
void TClock2::fillZoneMenu(std::size_t index)
{
    zoneMenu_->clear();
    const QTimeZone& current = zones_[index];
    QAction* none = zoneMenu_->addAction("None", this, [this] { chooseZone(QTimeZone()); });
    none->setObjectName("NoTimeZone");
    none->setCheckable(true);
    none->setChecked(!current.isValid());
    const auto offset = placeOffsetMinutes(fromScreen(placeBoxes_[index]->text()));
    if (!offset) return;
    zoneMenu_->addSeparator();
    for (const QByteArray& id : zonesOfStandardOffset(*offset, platform_.currentUtc())) {
        QAction* zone = zoneMenu_->addAction(QString::fromLatin1(id), this, [this, id] { chooseZone(QTimeZone(id)); });
        zone->setCheckable(true);
        zone->setChecked(current.isValid() && current.id() == id);
    }
}

void TClock2::chooseZone(const QTimeZone& zone)
{
    if (!popupTarget_) return;
    zones_[*popupTarget_] = zone;
    // the panel shows the zone's flag at the next Reset
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
    dropZonesOfOtherOffsets();
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
