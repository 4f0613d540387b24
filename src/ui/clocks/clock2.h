#pragma once
// The Clocks window: 24 places that the operator names with their offsets from
// GMT ("India   [5.5]"), each with its current time, beside the home time and
// GMT. Created at program start and never destroyed, so the clocks run from
// the start even while the window is hidden; OK hides it again.
//
// A change to a place box or to a place's daylight-saving choice pauses the
// clocks until Reset, which checks every offset and writes "tms.qvk". The row
// times themselves come from ComputePlaceTime; this class only shows them.
//
// A place may follow a time zone ("tmszones.qvk" beside "tms.qvk"): its
// daylight-saving flag then comes from the zone at every refresh, and the
// pop-up menu offers the zones of the place's offset. A place whose offset is
// changed to another loses its zone at Reset.
//
// Both files are written by Reset and by the main window's "Close", through
// this window: a "tms.qvk" that could not be read, or is read-only, is left
// alone by both, and so is its zones file, and that the changed clocks are
// not saved is told once.

#include "clocks/place_time.h"
#include "settings/clocks_file.h"
#include "settings/settings_file.h"
#include "ui/common/parameter_mode.h"

#include <QDialog>
#include <QTimeZone>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

namespace qvk::ui {

class Platform;

class TClock2 : public QDialog {
    Q_OBJECT
public:
    // Reads the clocks file; a missing one is reported and leaves every place empty.
    explicit TClock2(Platform& platform, QWidget* parent = nullptr);

    // Writes the DS flag line and the 24 place texts to "tms.qvk", and the
    // places' zones to "tmszones.qvk", as Reset and the main window's "Close"
    // do. false when they were not written: a failure has been reported, or
    // the files are left alone (which is told once, if the clocks changed).
    bool writeClocksFile();

    // OK is the way out: Escape does nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // creation, in clock2_layout.cpp
    void buildControls();
    void buildPopupMenu();

    // Reads or writes the clocks file as the mode says; false when it could
    // not be read or written.
    bool InitializeParameters(ParameterMode mode);
    bool readClocksFile();
    // An older settings folder has no zones file: every place then keeps its own flag.
    void readClockZones();
    // What the files receive: the clocks as they stand now.
    std::vector<std::string> clocksLines() const;
    std::vector<std::string> zonesLines() const;
    // false when not saved; a message has been shown if there was one
    bool save(SettingsFile& file, const std::vector<std::string>& lines);

    void UpdateClocks();
    void RxClock2GetTime();
    void clockTick();
    void showHomeTime();
    UtcTimeOfDay utcNow() const;
    void followZone(std::size_t index);
    void dropZonesOfOtherOffsets();

    void enterEditing();
    // While a change waits for Reset, OK is disabled and Reset enabled; a
    // successful Reset turns them back.
    void awaitReset(bool awaiting);
    void placeBoxEdited();
    void timePanelPressed(std::size_t index);
    void timePanelReleased(std::size_t index, Qt::MouseButton button, QPoint globalPosition);
    void chooseDaylightSaving(bool on);
    void fillZoneMenu(std::size_t index);
    void chooseZone(const QTimeZone& zone);
    void militaryClick();
    void okClick();
    void resetClick();

    static constexpr int kNoMinute = 99;

    Platform& platform_;
    SettingsFile clocksFile_;
    SettingsFile zonesFile_;
    std::string dsFlagLine_ = kBuiltInFlagLine;  // shared with the main window's write
    std::array<bool, kClockPlaces> daylightSaving_{};
    std::array<QTimeZone, kClockPlaces> zones_;  // invalid: the place has no zone
    bool homeClockMilitary_ = false;             // as the last computed row set it
    int lastMinuteShown_ = kNoMinute;
    bool paused_ = false;
    bool fractionRejected_ = false;
    std::optional<std::size_t> popupTarget_;  // the row whose time panel was last pressed

    QLineEdit* homeCaptionBox_ = nullptr;
    QLabel* homeClock_ = nullptr;
    QLineEdit* gmtCaptionBox_ = nullptr;
    QLabel* gmtPanel_ = nullptr;
    std::array<QLabel*, kClockPlaces> timePanels_{};
    std::array<QLineEdit*, kClockPlaces> placeBoxes_{};
    QLabel* helpLabel_ = nullptr;
    QFrame* helpPanel_ = nullptr;
    QCheckBox* militaryBox_ = nullptr;
    QToolButton* okButton_ = nullptr;
    QToolButton* resetButton_ = nullptr;
    QMenu* daylightSavingMenu_ = nullptr;
    QAction* standardTimeChoice_ = nullptr;
    QAction* daylightSavingChoice_ = nullptr;
    QMenu* zoneMenu_ = nullptr;
    QTimer* clockTimer_ = nullptr;
};

}  // namespace qvk::ui
