#pragma once
// The Home Parameters window: the home station's latitude and longitude, its
// GMT offset and the display options. It holds the preference state for the
// whole run; the main window fills it from "prefs.qvk" (applyPreferences) and
// writes the file from it at close (currentPreferences).
//
// "Save" is the only way out: it checks the minutes, converts the position and
// hands it over (homeSaved). It writes no file; a failed check leaves the
// window open with nothing applied.

#include "settings/preferences.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace qvk::ui {

class Platform;

class THome : public QDialog {
    Q_OBJECT
public:
    explicit THome(Platform& platform, QWidget* parent = nullptr);

    // Fills the controls from the file's values; the flags line is kept so
    // that its fourth and later characters are written back as read.
    void applyPreferences(const qvk::Preferences& preferences);
    // A first start, without "prefs.qvk": the offset of the computer's time
    // zone and the list's entry for it. The list names standard times, so
    // the zone's standard offset is taken, summer or winter.
    void takeComputersTimeZone();
    // The values as they stand in the window now: what the file receives.
    qvk::Preferences currentPreferences() const;

    bool milesSelected() const;
    bool longPathChecked() const;
    // For the main window's long-path toggle: ticks or unticks the box without
    // emitting longPathToggled.
    void setLongPathChecked(bool checked);

    // Save has nowhere else to go: Escape and the window manager's close do
    // nothing.
    void reject() override;

signals:
    // The operator clicked "Display Long Path".
    void longPathToggled(bool shown);
    // A successful Save, just before the window closes. The texts are as
    // typed; the values are signed decimal degrees, north and WEST positive.
    void homeSaved(const QString& latitudeText, const QString& longitudeText, double homeLatitude,
                   double homeLongitude);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setOffset(double hours);

    void FormActivate();
    void offsetBoxEntered();
    void offsetChosen(int index);
    void longPathClick(bool checked);
    void saveClick();

    Platform& platform_;
    std::string flags_;  // the flags line as read; characters 1 to 3 come from the controls
    double gmtOffset_ = 0;
    int offsetIndex_ = 0;

    QLineEdit* latitudeBox_ = nullptr;
    QLineEdit* longitudeBox_ = nullptr;
    QLineEdit* offsetBox_ = nullptr;  // the GMT offset, shown whole
    QComboBox* offsetList_ = nullptr;
    QCheckBox* militaryTimeBox_ = nullptr;
    QCheckBox* longPathBox_ = nullptr;
    QRadioButton* milesButton_ = nullptr;
    QRadioButton* kilometresButton_ = nullptr;
    QFrame* savePanel_ = nullptr;  // holds "Save" and the focus when shown
    QToolButton* saveButton_ = nullptr;
};

}  // namespace qvk::ui
