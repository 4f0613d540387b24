#pragma once
// The Clocks window: 24 places that the operator names with their offsets from
// GMT ("India   [5.5]"), each with its current time, beside the home time and
// GMT. Created at program start and never destroyed, so the clocks run from
// the start even while the window is hidden; OK hides it again.
//
// A change to a place box or to a place's daylight-saving choice pauses the
// clocks until Reset, which checks every offset and writes "tms.qvk". The row
// times themselves come from ComputePlaceTime; this class only shows them.

#include "clocks/place_time.h"
#include "settings/clocks_file.h"

#include <QDialog>

#include <array>
#include <string>

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

    // Writes the DS flag line and the 24 place texts to "tms.qvk", as Reset
    // and the main window's "Close" do. false after the failure has been
    // reported.
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

    // "PgmStart" reads the clocks file, "ParmUpdate" writes it, "PgmUpdate"
    // does nothing; false when the file could not be read or written.
    bool InitializeParameters(const QString& mode);
    bool readClocksFile();

    void UpdateClocks();
    void RxClock2GetTime();
    void clockTick();
    void showHomeTime();
    UtcTimeOfDay utcNow() const;
    QString clocksFilePath() const;

    void enterEditing();
    void placeBoxEdited();
    void timePanelPressed(int row);
    void timePanelReleased(int row, Qt::MouseButton button, QPoint globalPosition);
    void chooseDaylightSaving(bool on);
    void CheckBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();

    static constexpr int kNoMinute = 99;

    Platform& platform_;
    std::string dsFlagLine_ = kBuiltInFlagLine;  // shared with the main window's write
    std::array<bool, kClockPlaces> daylightSaving_{};
    bool homeClockMilitary_ = false;  // as the last computed row set it
    int lastMinuteShown_ = kNoMinute;
    bool paused_ = false;
    bool fractionRejected_ = false;
    int popupTarget_ = 0;  // row whose time panel was last pressed

    QLineEdit* Edit0 = nullptr;                          // "Home Time" caption
    QLabel* RxClock2 = nullptr;                          // home clock
    QLineEdit* Edit26 = nullptr;                         // "GMT" caption
    QLabel* Panel25 = nullptr;                           // GMT row
    std::array<QLabel*, kClockPlaces> timePanels_{};     // Panel1..Panel24
    std::array<QLineEdit*, kClockPlaces> placeBoxes_{};  // Edit1..Edit24
    QLabel* RxLabel1 = nullptr;                          // "Help"
    QFrame* Panel26 = nullptr;                           // help text
    QCheckBox* CheckBox1 = nullptr;                      // "Military"
    QToolButton* SpeedButton1 = nullptr;                 // "OK"
    QToolButton* SpeedButton2 = nullptr;                 // "Reset"
    QMenu* PopupMenu1 = nullptr;
    QAction* StdTime1 = nullptr;
    QAction* DSTime1 = nullptr;
    QTimer* clockTimer_ = nullptr;
};

}  // namespace qvk::ui
