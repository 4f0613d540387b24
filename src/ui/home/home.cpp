#include "ui/home/home.h"

#include "core/angle_notation.h"
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
    connect(ComboBox1, &QComboBox::activated, this, &THome::ComboBox1Change);
    connect(CheckBox1, &QCheckBox::clicked, this, &THome::CheckBox1Click);
    connect(SpeedButton54, &QToolButton::clicked, this, &THome::SpeedButton54Click);
    for (QLineEdit* box : {Edit1, Edit2, CurrencyEditGMT3}) box->installEventFilter(this);
}

void THome::applyPreferences(const Preferences& preferences)
{
    Preferences complete = preferences;
    // a flags line cut short still carries all three options
    if (complete.flags.size() < 3) complete.flags.resize(3, '0');
    flags_ = complete.flags;

    CheckBox1->setChecked(complete.longPath());
    CheckBox2->setChecked(complete.military());
    (complete.miles() ? RadioButton1 : RadioButton2)->setChecked(true);
    Edit2->setText(toScreen(complete.longitudeText));
    Edit1->setText(toScreen(complete.latitudeText));
    setOffset(complete.gmtOffset);
    offsetIndex_ = complete.offsetIndex;
}

Preferences THome::currentPreferences() const
{
    Preferences preferences;
    preferences.flags = flags_;
    preferences.setOptions(longPathChecked(), CheckBox2->isChecked(), milesSelected());
    preferences.longitudeText = fromScreen(Edit2->text());
    preferences.latitudeText = fromScreen(Edit1->text());
    preferences.gmtOffset = gmtOffset_;
    preferences.offsetIndex = offsetIndex_;
    return preferences;
}

bool THome::milesSelected() const { return RadioButton1->isChecked(); }

bool THome::longPathChecked() const { return CheckBox1->isChecked(); }

void THome::setLongPathChecked(bool checked) { CheckBox1->setChecked(checked); }

void THome::reject() {}

void THome::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool THome::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && (watched == Edit1 || watched == Edit2)) {
        auto* box = static_cast<QLineEdit*>(watched);
        const Axis axis = box == Edit1 ? Axis::Latitude : Axis::Longitude;
        box->setText(toScreen(toggledHemisphere(fromScreen(box->text()), axis)));
        box->end(false);
        return true;  // no word selection: the caret stays at the end
    }
    if (event->type() == QEvent::FocusIn && watched == CurrencyEditGMT3) {
        CurrencyEditGMT3Enter();
        return true;  // the box never shows a caret
    }
    return QDialog::eventFilter(watched, event);
}

void THome::setOffset(double hours)
{
    gmtOffset_ = hours;
    // whole hours only: India's 5.5 shows as 6 and is still written as 5.5
    CurrencyEditGMT3->setText(QString::fromStdString(formatFixed(hours, 0)));
}

void THome::FormActivate()
{
    const bool listed = offsetIndex_ >= 0 && offsetIndex_ < ComboBox1->count();
    ComboBox1->setCurrentIndex(listed ? offsetIndex_ : -1);
    // no box holds the focus until the operator picks one
    Panel1->setFocus(Qt::OtherFocusReason);
}

void THome::CurrencyEditGMT3Enter()
{
    // the offset is set through the list only
    ComboBox1->setFocus(Qt::OtherFocusReason);
}

void THome::ComboBox1Change(int index)
{
    offsetIndex_ = index;
    const auto& entries = offsetList();
    if (index >= 0 && index < static_cast<int>(entries.size()))
        setOffset(entries[static_cast<std::size_t>(index)].hours);
}

void THome::CheckBox1Click(bool checked) { emit longPathToggled(checked); }

void THome::SpeedButton54Click()
{
    const std::string latitudeText = fromScreen(Edit1->text());
    const std::string longitudeText = fromScreen(Edit2->text());

    const HomeTextsCheck check = checkHomeTexts(latitudeText, longitudeText);
    if (check.outcome == HomeTextsCheck::Outcome::Warning) return warnNearCentre(platform_, toScreen(check.text));
    if (check.outcome == HomeTextsCheck::Outcome::Error) return platform_.showError(toScreen(check.text));

    const HomeReading home = homePosition(latitudeText, longitudeText);
    if (home.outcome == HomeReading::Outcome::InvalidDegrees) return warnNearCentre(platform_, toScreen(home.message));
    if (home.outcome == HomeReading::Outcome::InvalidNumber) return platform_.showError(toScreen(home.message));

    emit homeSaved(Edit1->text(), Edit2->text(), static_cast<double>(home.position.latitude),
                   static_cast<double>(home.position.longitude));
    accept();
}

}  // namespace qvk::ui
