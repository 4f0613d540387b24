#pragma once
// The main window, "Amateur Radio QVK": the toolbar with sunrise, sunset and
// the two clocks, the compass, the location list, the state buttons, the
// result display and the buttons that open every other window.
//
// Every result reaches the display through BreakOutCity. The window owns the
// master list, the home position and the flags of the location list.

#include <QWidget>

#include <functional>
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
    // and its status; without one the compass has no menu.
    void setRotatorControl(RotatorControl* rotator);

    // The single road of every result to the display. The four positions are
    // signed decimal degrees, north and west positive; a position of exactly
    // 0 means none, and the display is reset instead.
    void BreakOutCity(std::string_view tag, const QString& name, double homeLatitude, double homeLongitude,
                      double targetLatitude, double targetLongitude);
    // Marks the button of the current choice: 1 to 50 a state, 51 "DXCC", 61 "GRID/N°S°".
    void ChgButtonColors(int number);
    // Returns the location list and the result display to their empty state.
    void ResetComboBox();
    // Writes the distance of the last result into the distance panel, in the
    // unit the preferences choose; a target without a heading shows none.
    void showDistanceOfLastResult();
    // Readies the display for a target from the grid window: markers north,
    // texts emptied, the location list cleared with the text "Grid/N°S° Calculation".
    void prepareForGridTarget();

    double homeLatitude() const { return homeLatitude_; }
    double homeLongitude() const { return homeLongitude_; }
    SearchComboBox& locationList() const { return *locationList_; }

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
    void InitializeParameters(const QString& mode);
    void LoadPreferences();
    void SavePreferences();
    void showHomeStation(const QString& latitudeText, const QString& longitudeText, double latitude, double longitude);

    // handlers
    void stateButtonClick(int number);  // SpeedButton1 to SpeedButton50
    void SpeedButton51Click();          // DXCC
    void SpeedButton62Click();          // sort toggle
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
    void relocatePointerBeforeTyping();
    void clockTick();
    void compassMenuRequested(const QPoint& position);
    void longPathToggle();
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
    QLineEdit* homeLatitudeBox_ = nullptr;
    QLineEdit* homeLongitudeBox_ = nullptr;
    QLabel* headingLabel_ = nullptr;
    QLabel* longPathLabel_ = nullptr;
    StatusBar* statusBar_ = nullptr;

    // state for the whole run
    std::vector<std::string> masterList_;
    std::vector<std::string> byCountry_;
    std::vector<std::string> clocksBuffer_;
    double homeLatitude_ = 0;
    double homeLongitude_ = 0;
    bool militaryTime_ = false;
    double longPathHeading_ = 0;
    int longPathToggle_ = 0;
    int lastShownMinute_ = 0;
    bool hoverResetRequested_ = false;
    bool listOffered_ = false;
    bool prefixSearch_ = true;
    bool activated_ = false;
};

}  // namespace qvk::ui
