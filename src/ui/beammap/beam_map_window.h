#pragma once
// The Beam Map window: the world on an azimuthal map centred on the home
// station, where the straight line from the middle to any place is the beam
// heading and its length the distance, with the grey line of the current
// minute and the beam to the current target.
//
// The main window tells it the home station, the target and the distance
// unit; the map tells back the point the operator clicks. Hovering shows a
// point's position, locator, heading and distance in the status line. The
// window's size and zoom are kept in "beammap.qvk" in the settings folder.
//
// The land is read on a thread of its own from the window's creation, at the
// program's start, so that neither the start nor the first opening waits for
// it; the world is projected for the home at the first showing.

#include "settings/settings_file.h"
#include "ui/beammap/beam_map.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <future>
#include <memory>
#include <optional>

class QLabel;
class QMenu;

namespace qvk::ui {

class BeamMapCanvas;
class Platform;

class BeamMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit BeamMapWindow(Platform& platform, QWidget* parent = nullptr);
    ~BeamMapWindow() override;

    // Signed decimal degrees, north and west positive, as the main window holds them.
    void setHome(SignedPosition home);
    // The target and its name; heading, long path and distance come from the
    // program's own computation.
    void setTarget(const QString& name, SignedPosition target);
    void clearTarget();
    void setDistanceUnit(beammap::DistanceUnit unit);

    // Projects the map from the files read since the window's creation
    // (waiting for them if need be, or reading them again after a failure);
    // false (with the reason shown in the window) when the land cannot be read.
    bool loadMap();
    // Whether the reading begun at creation is over: the map opens without
    // waiting for its files.
    bool hasReadMapFiles() const;
    const beammap::BeamMap* map() const { return map_.get(); }
    BeamMapCanvas& canvas() const { return *canvas_; }
    QString statusText() const;
    QMenu& contextMenu() const { return *contextMenu_; }

    // Draws the grey line of the platform clock's current minute.
    void updateSunlight();
    // Asks for a file name and writes the map as it shows now.
    void saveAsPng();

signals:
    // The operator clicked a point of the map: its position (north and west
    // positive, as its degrees.minutes text reads back) and its locator.
    void pointChosen(double latitude, double longitude, const QString& locator);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showPointer(std::optional<QPointF> metres);
    void choosePoint(QPointF metres);
    void refreshTarget();
    void scheduleSunlight();
    void writeSettings();

    Platform& platform_;
    SettingsFile settingsFile_;  // "beammap.qvk": an unreadable or read-only one is left alone
    BeamMapCanvas* canvas_ = nullptr;
    QLabel* status_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QTimer minuteTimer_;
    std::future<beammap::BeamMapDataReading> mapFiles_;
    std::unique_ptr<beammap::BeamMap> map_;
    SignedPosition home_;
    std::optional<std::pair<QString, SignedPosition>> target_;
    beammap::DistanceUnit unit_ = beammap::DistanceUnit::Kilometres;
    double savedRadiusKm_ = 0;
};

}  // namespace qvk::ui
