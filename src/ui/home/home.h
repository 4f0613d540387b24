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
    void CurrencyEditGMT3Enter();
    void ComboBox1Change(int index);
    void CheckBox1Click(bool checked);
    void SpeedButton54Click();

    Platform& platform_;
    std::string flags_;  // the flags line as read; characters 1 to 3 come from the controls
    double gmtOffset_ = 0;
    int offsetIndex_ = 0;

    QLineEdit* Edit1 = nullptr;             // latitude text
    QLineEdit* Edit2 = nullptr;             // longitude text
    QLineEdit* CurrencyEditGMT3 = nullptr;  // GMT offset, shown whole
    QComboBox* ComboBox1 = nullptr;         // offset list
    QCheckBox* CheckBox2 = nullptr;         // "Display Military Time"
    QCheckBox* CheckBox1 = nullptr;         // "Display Long Path"
    QRadioButton* RadioButton1 = nullptr;   // "Miles"
    QRadioButton* RadioButton2 = nullptr;   // "Kilometers"
    QFrame* Panel1 = nullptr;               // holds "Save" and the focus when shown
    QToolButton* SpeedButton54 = nullptr;   // "Save"
};

}  // namespace qvk::ui
