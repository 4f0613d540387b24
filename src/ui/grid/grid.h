#pragma once
// The Grid / Coordinate Calc window: a target typed as a Maidenhead locator
// ("GRID" mode) or as a latitude and longitude in degrees.minutes
// ("Coordinates" mode), handed to the main window, which shows the heading and
// distance to it as for any entry of the location list.
//
// The window is created once and keeps its mode and its three texts between
// openings. Each opening readies the main window for a grid target; a
// successful "Calc" closes the window, a failed one leaves it open with its
// texts after a single warning.

#include <QDialog>

#include <string>

class QFrame;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace qvk {
struct SignedPosition;
}

namespace qvk::ui {

class Platform;
class THamDF1;

class TGrid : public QDialog {
    Q_OBJECT
public:
    TGrid(Platform& platform, THamDF1& mainWindow, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();  // in grid_layout.cpp

    void FormActivate();
    void SpeedButton54Click();  // "Calc"
    void calcFromLocator();
    void calcFromCoordinates();
    // Shows the target through the main window's BreakOutCity and closes.
    void handOver(const std::string& locator, const std::string& coordinates, const SignedPosition& target);

    Platform& platform_;
    THamDF1& mainWindow_;

    QFrame* Panel3 = nullptr;              // locator entry
    QLineEdit* Edit1 = nullptr;            // locator text
    QFrame* Panel4 = nullptr;              // coordinate entry, over Panel3
    QLineEdit* Edit2 = nullptr;            // latitude text
    QLineEdit* Edit3 = nullptr;            // longitude text
    QRadioButton* RadioButton1 = nullptr;  // "GRID"
    QRadioButton* RadioButton2 = nullptr;  // "Coordinates"
    QToolButton* SpeedButton54 = nullptr;  // "Calc"
    QToolButton* SpeedButton1 = nullptr;   // "Cancel"
};

}  // namespace qvk::ui
