#pragma once
// The main window, "Amateur Radio QVK": the toolbar with sunrise, sunset and
// the two clocks, the compass, the location list, the state buttons, the
// result display and the buttons that open every other window.
//
// Every result reaches the display through BreakOutCity. The window owns the
// master list, the country file, the home position, the result on show and
// the flags of the location list.

#include "core/geodesic.h"
#include "core/position.h"
#include "settings/settings_file.h"
#include "ui/common/parameter_mode.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;
class QSystemTrayIcon;
class QTimer;
class QToolButton;

namespace qvk::ui {

class CompassFrame;
class CountryFileLoader;
class Platform;
class RotatorControl;
class SearchComboBox;
class StatusBar;
class THome;

// The windows the main window opens, created after it (nullptr until then).
struct SecondaryWindows {
    THome* home = nullptr;
    QDialog* about = nullptr;
    QDialog* usBands = nullptr;
    QDialog* usMap = nullptr;
    QDialog* worldMap = nullptr;
    QDialog* grid = nullptr;
    QDialog* clocks = nullptr;
    // Writes the clocks file from the Clocks window ("Close" does this).
    std::function<bool()> writeClocksFile;
};

class THamDF1 : public QWidget {
    Q_OBJECT
public:
    explicit THamDF1(Platform& platform, QWidget* parent = nullptr);
    ~THamDF1() override;

    void setSecondaryWindows(const SecondaryWindows& windows);
    // The rotator behind the compass's right-click menu, its second needle
    // and its status; without one the menu offers only the Beam Map.
    void setRotatorControl(RotatorControl* rotator);
    // Shows the window again, hidden or minimised, over the others and
    // ready for keys: a click on the tray icon, or a second start of the program.
    void bringToFront();

    // The buttons ChgButtonColors marks: 1 to 50 are the states in button
    // order, and no number marks none.
    static constexpr int kNoButton = 0;
    static constexpr int kDxccButton = 51;
    static constexpr int kGridButton = 61;

    // The single road of every result to the display. Positions are signed
    // decimal degrees, north and west positive; without a home station or a
    // target (the "DXCC" button's list) the display is reset instead.
    void BreakOutCity(std::string_view tag, const QString& name, const std::optional<SignedPosition>& home,
                      const std::optional<SignedPosition>& target);
    // Marks the button of the current choice (a state's number, kDxccButton
    // or kGridButton) and unmarks the others.
    void ChgButtonColors(int number);
    // Returns the location list and the result display to their empty state.
    void ResetComboBox();
    // Writes the distance of the result on show into the distance panel, in
    // the unit the preferences choose; without a result it shows none.
    void showDistanceOfLastResult();
    // Readies the display for a target from the grid window: markers north,
    // texts emptied, the location list cleared with the text "Grid/N°S° Calculation".
    void prepareForGridTarget();

    // None until a home station has been stored.
    const std::optional<SignedPosition>& home() const { return home_; }
    SearchComboBox& locationList() const { return *locationList_; }
    // The country file that callsigns typed into the location list are looked up in.
    CountryFileLoader& countryFile();

signals:
    // A result went on show: the name that follows its heading and the
    // target's position, signed decimal degrees, north and west positive.
    void resultShown(const QString& name, double targetLatitude, double targetLongitude);
    // The display shows no result any more.
    void resultCleared();
    // Ctrl+B or the compass menu's "Beam map...": the map has no button, so
    // the fixed layout stays as it is.
    void beamMapRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // creation, in ham_df1_layout.cpp
    void buildToolbar();
    void buildCompassAndList();
    void buildStatePanel();
    void buildHomeAndHeading();
    void buildButtonBar();
    void applyWindowLook();
    QToolButton* addButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                           const QColor& colour, void (THamDF1::*handler)());

    void FormCreate();
    void FormActivate();
    void InitializeParameters(ParameterMode mode);
    void LoadPreferences();
    void SavePreferences();
    // What closing writes when the operator changes nothing: no change to
    // tell of when the file is not to be saved.
    void rememberUnchangedPreferences();
    void showHomeStation(const QString& latitudeText, const QString& longitudeText, double latitude, double longitude);
    // How often a notice of a polar day or night is shown: at start once for
    // each of the two runs, as the program always has; after a Save once.
    enum class SunNotices { EachRun, Once };
    // Today's sunrise and sunset at the home station into the toolbar, unless
    // they show already for this home and offset.
    void showSunTimes(double gmtOffset, SunNotices notices);

    // handlers
    void stateButtonClick(int number);
    void dxccClick();
    void sortToggleClick();
    void preferencesClick();
    void closeClick();
    void clearClick();
    void gridClick();
    void hideClick();
    void aboutClick() { openWindow(windows_.about); }
    void usMapClick() { openWindow(windows_.usMap); }
    void worldMapClick() { openWindow(windows_.worldMap); }
    void usBandsClick() { openWindow(windows_.usBands); }
    void clocksClick() { openWindow(windows_.clocks); }
    void openWindow(QDialog* window);
    void ComboBox2Exit();
    // The end of every commit that found a target: its heading, the list
    // readied for the next entry, and the distance.
    void showCommittedTarget(const QString& name, const SignedPosition& target);
    // in ham_df1_callsign.cpp
    void startReadingCountryFile();
    bool commitCallsign(const QString& text);
    void relocatePointerBeforeTyping();
    void clockTick();
    void compassMenuRequested(const QPoint& position);
    void longPathToggle();
    // Empties the heading texts and points the compass north: no result on show.
    void resetDisplay();
    void fillDxccInPrefixOrder();
    void setListPrompt(const QString& text, const QString& onlyEntry);

    Platform& platform_;
    SecondaryWindows windows_;
    RotatorControl* rotator_ = nullptr;

    // toolbar
    QLabel* sunriseLabel_ = nullptr;
    QLabel* sunsetLabel_ = nullptr;
    QLabel* localClock_ = nullptr;
    QLabel* utcClock_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QSystemTrayIcon* trayIcon_ = nullptr;

    CompassFrame* compass_ = nullptr;
    QWidget* divider_ = nullptr;
    SearchComboBox* locationList_ = nullptr;
    QToolButton* sortToggle_ = nullptr;
    QWidget* statePanel_ = nullptr;
    std::vector<QToolButton*> markableButtons_;  // index = ChgButtonColors number
    std::vector<QToolButton*> pushButtons_;
    QToolButton* closeButton_ = nullptr;
    QToolButton* clearButton_ = nullptr;
    QLineEdit* homeLatitudeBox_ = nullptr;
    QLineEdit* homeLongitudeBox_ = nullptr;
    QLabel* headingLabel_ = nullptr;
    QLabel* longPathLabel_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    CountryFileLoader* countryFile_ = nullptr;

    // state for the whole run
    SettingsFile preferencesFile_;
    std::vector<std::string> masterList_;
    std::vector<std::string> byCountry_;
    std::optional<SignedPosition> home_;
    bool militaryTime_ = false;
    // the home station and GMT offset the toolbar's sunrise and sunset are for
    struct SunBasis {
        double latitude = 0;
        double longitude = 0;
        double gmtOffset = 0;
        friend bool operator==(const SunBasis&, const SunBasis&) = default;
    };
    std::optional<SunBasis> sunShownFor_;
    // the heading and distance the display shows; none while it shows no heading
    std::optional<BearingResult> shownResult_;
    bool longPathToggledOn_ = false;  // by a double-click on the heading
    int lastShownMinute_ = 0;
    bool hoverResetRequested_ = false;
    bool listOffered_ = false;
    bool prefixSearch_ = true;
    bool activated_ = false;
};

}  // namespace qvk::ui
