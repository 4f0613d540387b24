#include "ui/home/home.h"

#include "core/number_text.h"
#include "settings/home_station.h"
#include "settings/offset_list.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace qvk::ui {

THome::THome(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    buildControls();
    applyPreferences(Preferences{});

    // activated, not currentIndexChanged: selecting the stored entry when the
    // window opens must not replace the offset read from the file
    connect(offsetList_, &QComboBox::activated, this, &THome::offsetChosen);
    connect(longPathBox_, &QCheckBox::clicked, this, &THome::longPathClick);
    connect(saveButton_, &QToolButton::clicked, this, &THome::saveClick);
    offsetBox_->installEventFilter(this);
}

void THome::applyPreferences(const Preferences& preferences)
{
    Preferences complete = preferences;
    // a flags line cut short still carries all three options
    if (complete.flags.size() < 3) complete.flags.resize(3, '0');
    flags_ = complete.flags;

    longPathBox_->setChecked(complete.longPath());
    militaryTimeBox_->setChecked(complete.military());
    (complete.miles() ? milesButton_ : kilometresButton_)->setChecked(true);
    longitudeBox_->setText(toScreen(complete.longitudeText));
    latitudeBox_->setText(toScreen(complete.latitudeText));
    setOffset(complete.gmtOffset);
    offsetIndex_ = complete.offsetIndex;
}

void THome::takeComputersTimeZone()
{
    const QTimeZone zone = platform_.systemTimeZone();
    const double hours = zone.standardTimeOffset(platform_.currentUtc()) / 3600.0;
    setOffset(hours);
    offsetIndex_ = offsetEntryForZone(hours, zone.id().toStdString());
}

Preferences THome::currentPreferences() const
{
    Preferences preferences;
    preferences.flags = flags_;
    preferences.setOptions(longPathChecked(), militaryTimeBox_->isChecked(), milesSelected());
    preferences.longitudeText = fromScreen(longitudeBox_->text());
    preferences.latitudeText = fromScreen(latitudeBox_->text());
    preferences.gmtOffset = gmtOffset_;
    preferences.offsetIndex = offsetIndex_;
    return preferences;
}

bool THome::milesSelected() const { return milesButton_->isChecked(); }

bool THome::longPathChecked() const { return longPathBox_->isChecked(); }

void THome::setLongPathChecked(bool checked) { longPathBox_->setChecked(checked); }

void THome::reject() {}

void THome::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool THome::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == offsetBox_) {
        offsetBoxEntered();
        return true;  // the box never shows a caret
    }
    return QDialog::eventFilter(watched, event);
}

void THome::setOffset(double hours)
{
    gmtOffset_ = hours;
    // whole hours only: India's 5.5 shows as 6 and is still written as 5.5
    offsetBox_->setText(QString::fromStdString(formatFixed(hours, 0)));
}

void THome::FormActivate()
{
    const bool listed = offsetIndex_ >= 0 && offsetIndex_ < offsetList_->count();
    offsetList_->setCurrentIndex(listed ? offsetIndex_ : -1);
    // no box holds the focus until the operator picks one
    savePanel_->setFocus(Qt::OtherFocusReason);
}

void THome::offsetBoxEntered()
{
    // the offset is set through the list only
    offsetList_->setFocus(Qt::OtherFocusReason);
}

void THome::offsetChosen(int index)
{
    offsetIndex_ = index;
    const auto& entries = offsetList();
    if (index >= 0 && index < static_cast<int>(entries.size()))
        setOffset(entries[static_cast<std::size_t>(index)].hours);
}

void THome::longPathClick(bool checked) { emit longPathToggled(checked); }

void THome::saveClick()
{
    const std::string latitudeText = fromScreen(latitudeBox_->text());
    const std::string longitudeText = fromScreen(longitudeBox_->text());

    const HomeTextsCheck check = checkHomeTexts(latitudeText, longitudeText);
    if (check.outcome == HomeTextsCheck::Outcome::Warning) return warnNearCentre(platform_, toScreen(check.text));
    if (check.outcome == HomeTextsCheck::Outcome::Error) return platform_.showError(toScreen(check.text));

    const HomeReading home = homePosition(latitudeText, longitudeText);
    if (home.outcome == HomeReading::Outcome::InvalidDegrees) return warnNearCentre(platform_, toScreen(home.message));
    if (home.outcome == HomeReading::Outcome::InvalidNumber) return platform_.showError(toScreen(home.message));

    emit homeSaved(latitudeBox_->text(), longitudeBox_->text(), static_cast<double>(home.position.latitude),
                   static_cast<double>(home.position.longitude));
    accept();
}

}  // namespace qvk::ui
