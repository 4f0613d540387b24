// The main window's start-up and shutdown: the master list at creation, the
// clocks file and the preferences at the first activation (which then sets
// the country file reading), the preferences written when the window closes.

#include "catalogue/master_list.h"
#include "core/line_file.h"
#include "core/sun.h"
#include "settings/clocks_file.h"
#include "settings/home_station.h"
#include "settings/preferences.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"
#include "ui/common/search_combo_box.h"
#include "ui/home/home.h"
#include "ui/mainwindow/compass_frame.h"
#include "ui/mainwindow/ham_df1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <QTimer>

namespace qvk::ui {

void THamDF1::FormCreate()
{
    const std::filesystem::path path = toFileSystemPath(platform_.dataFolder() + kMasterFileName);
    LineFileReading master = readLineFile(path);
    if (const auto message = readingMessage(path.string(), master)) platform_.showError(fromSystemText(*message));
    if (!master.read()) return;
    masterList_ = std::move(master.lines);
    compass_->showNorth();
    locationList_->closeWatch().start();
}

void THamDF1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) FormActivate();
}

void THamDF1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // a desktop without a window manager never activates the window: start anyway
    QTimer::singleShot(0, this, [this] {
        if (!activated_) FormActivate();
    });
}

// The start-up work, once, at the first activation.
void THamDF1::FormActivate()
{
    activated_ = true;
    InitializeParameters(ParameterMode::ProgramStart);
    LoadPreferences();
    byCountry_.clear();
    for (const auto& entry : dxccEntries(masterList_)) byCountry_.push_back(byCountryEntry(entry));
    startReadingCountryFile();
}

// The clocks file belongs to the Clocks window, which reads it at its creation
// and writes it through writeClocksFile.
void THamDF1::InitializeParameters(ParameterMode mode)
{
    switch (mode) {
    case ParameterMode::ProgramStart: {
        // the Clocks window reports a missing file itself; without one the
        // operator still learns of it, once
        if (windows_.clocks) return;
        const std::filesystem::path path = toFileSystemPath(platform_.settingsFolder() + kClocksFileName);
        if (const auto message = readingMessage(path.string(), readLineFile(path)))
            platform_.showError(fromSystemText(*message));
        return;
    }
    case ParameterMode::ParameterUpdate:
        if (windows_.writeClocksFile) windows_.writeClocksFile();
        return;
    case ParameterMode::ProgramUpdate:
        return;
    }
}

void THamDF1::LoadPreferences()
{
    const SettingsFile::Reading file = preferencesFile_.read();
    if (file.message) platform_.showError(fromSystemText(*file.message));
    if (file.status == LineFileReading::Status::Missing) {
        // a fresh install: ask for the home station instead of reporting a missing file
        if (windows_.home) windows_.home->takeComputersTimeZone();
        QTimer::singleShot(0, this, &THamDF1::preferencesClick);
        return;
    }
    if (!file.found()) {
        // the settings are in a file the program cannot read: the defaults serve until the operator mends it
        rememberUnchangedPreferences();
        return;
    }
    const PreferencesReading reading = parsePreferences(file.lines);
    if (!reading.error.empty())
        platform_.showError(aboutFileLine(preferencesFile_.path(), reading.errorLine, reading.error));
    const Preferences& preferences = reading.preferences;
    if (windows_.home) windows_.home->applyPreferences(preferences);
    rememberUnchangedPreferences();
    longPathLabel_->setVisible(preferences.longPath());
    militaryTime_ = preferences.military();
    homeLatitudeBox_->setText(toScreen(preferences.latitudeText));
    homeLongitudeBox_->setText(toScreen(preferences.longitudeText));
    if (preferences.latitudeText.empty() || preferences.longitudeText.empty()) {
        QTimer::singleShot(0, this, &THamDF1::preferencesClick);
        return;
    }

    const HomeReading home = homePosition(preferences.latitudeText, preferences.longitudeText);
    if (home.outcome == HomeReading::Outcome::InvalidDegrees) {
        platform_.showWarning(aboutFile(preferencesFile_.path(), home.message));
        return;
    }
    if (home.outcome == HomeReading::Outcome::InvalidNumber) {
        platform_.showError(aboutFile(preferencesFile_.path(), home.message));
        return;
    }
    home_ = home.position;
    showSunTimes(preferences.gmtOffset, SunNotices::EachRun);
}

void THamDF1::showSunTimes(double gmtOffset, SunNotices notices)
{
    if (!home_) return;
    // in the precision the sun takes, which is what a Save hands over
    const SunBasis basis{static_cast<double>(home_->latitude), static_cast<double>(home_->longitude), gmtOffset};
    if (sunShownFor_ == basis) return;
    sunShownFor_ = basis;

    SunRequest sun;
    sun.latitude = basis.latitude;
    sun.longitude = -basis.longitude;  // the sun counts east positive
    sun.gmtOffset = gmtOffset;
    sun.military = militaryTime_;
    const QDate today = platform_.currentLocal().date();
    sun.date = {today.year(), today.month(), today.day()};
    const SunDay day = sunTimesForDay(sun);
    for (const auto& notice : day.firstRunNotices) platform_.showMessage(toScreen(notice));
    sunriseLabel_->setText(toScreen(day.riseText));
    if (notices == SunNotices::EachRun)
        for (const auto& notice : day.secondRunNotices) platform_.showMessage(toScreen(notice));
    sunsetLabel_->setText(toScreen(day.setText));
}

void THamDF1::rememberUnchangedPreferences()
{
    if (windows_.home) preferencesFile_.setUnchangedLines(preferencesLines(windows_.home->currentPreferences()));
}

void THamDF1::SavePreferences()
{
    if (!windows_.home) return;
    if (const auto problem = preferencesFile_.save(preferencesLines(windows_.home->currentPreferences())))
        platform_.showError(fromSystemText(*problem));
}

void THamDF1::showHomeStation(const QString& latitudeText, const QString& longitudeText, double latitude,
                              double longitude)
{
    homeLatitudeBox_->setText(latitudeText);
    homeLongitudeBox_->setText(longitudeText);
    home_ = SignedPosition{latitude, longitude};
    if (windows_.home) showSunTimes(windows_.home->currentPreferences().gmtOffset, SunNotices::Once);
}

void THamDF1::closeClick()
{
    masterList_.clear();
    InitializeParameters(ParameterMode::ParameterUpdate);
    close();
}

void THamDF1::closeEvent(QCloseEvent* event)
{
    SavePreferences();
    if (trayIcon_) trayIcon_->hide();
    event->accept();
}

}  // namespace qvk::ui
