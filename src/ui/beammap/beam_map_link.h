#pragma once
// Keeps the Beam Map in step with the main window. The map opens when the
// main window asks for it (Ctrl+B, the compass menu's "Beam map..."), centred
// on the home station the main window holds, in the unit the Home Parameters
// choose; from then on it follows each result the main window shows and each
// home station the Home Parameters save. A point clicked on the map goes to
// the main window as a target named by its locator, as a committed entry does,
// so the heading, the arrow and the rotator menu turn to it.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace qvk::ui {

class BeamMapWindow;
class Platform;
class THamDF1;
class THome;

class BeamMapLink : public QObject {
    Q_OBJECT
public:
    BeamMapLink(Platform& platform, THamDF1& mainWindow, THome& home, BeamMapWindow& beamMap);

    // Shows the map, or brings it to the front when it is open.
    void openBeamMap();

private:
    void homeSaved(double latitude, double longitude);
    void pointChosen(double latitude, double longitude, const QString& locator);

    Platform& platform_;
    THamDF1& mainWindow_;
    THome& home_;
    BeamMapWindow& beamMap_;
    bool placed_ = false;
};

// The target's name as the map's legend shows it: the main window's name
// without its leading spaces and without the position text a list entry ends
// with ("   JA  Japan (AS CQ25 ITU45) N°35.41\E°139.46" is "JA  Japan (AS
// CQ25 ITU45)"); a name that is nothing but a position stays whole.
QString legendName(const QString& resultName);

// Where the map's window goes at its first opening: beside the main window
// (its frame), to the right where the desktop has room and else to the left,
// so that neither hides the other; where neither side has room, at the edge
// of the wider side, over as little of the main window as it can.
QPoint besideMainWindow(const QRect& mainFrame, QSize mapFrame, QSize desktop);

}  // namespace qvk::ui
