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
    void calcClick();
    void calcFromLocator();
    void calcFromCoordinates();
    // Shows the target through the main window's BreakOutCity and closes.
    void handOver(const std::string& locator, const std::string& coordinates, const SignedPosition& target);

    Platform& platform_;
    THamDF1& mainWindow_;

    QFrame* locatorPanel_ = nullptr;
    QLineEdit* locatorBox_ = nullptr;
    QFrame* coordinatePanel_ = nullptr;  // lies over the locator panel
    QLineEdit* latitudeBox_ = nullptr;
    QLineEdit* longitudeBox_ = nullptr;
    QRadioButton* gridModeButton_ = nullptr;
    QRadioButton* coordinatesModeButton_ = nullptr;
    QToolButton* calcButton_ = nullptr;
    QToolButton* cancelButton_ = nullptr;
};

}  // namespace qvk::ui
