#include "ui/beammap/beam_map_window.h"

#include "settings/beam_map_settings.h"
#include "ui/beammap/beam_map_canvas.h"
#include "ui/beammap/map_point.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>

#include <malloc.h>

namespace qvk::ui {

BeamMapWindow::BeamMapWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(platform),
      settingsFile_(toFileSystemPath(platform.settingsFolder() + kBeamMapFileName))
{
    setObjectName("BeamMap");
    setWindowTitle("Beam Map");
    // closing the main window ends the program, whether the map is open or not
    setAttribute(Qt::WA_QuitOnClose, false);

    canvas_ = new BeamMapCanvas(this);
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("beamMapStatusBar");
    statusBar->setSizeGripEnabled(true);
    status_ = new QLabel(statusBar);
    status_->setObjectName("beamMapStatus");
    statusBar->addWidget(status_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_, 1);
    layout->addWidget(statusBar);

    contextMenu_ = new QMenu(this);
    contextMenu_->addAction("Save as PNG...", this, &BeamMapWindow::saveAsPng);
    connect(canvas_, &BeamMapCanvas::contextMenuWanted, this, [this](QPoint at) { contextMenu_->popup(at); });
    connect(canvas_, &BeamMapCanvas::pointerMoved, this, &BeamMapWindow::showPointer);
    connect(canvas_, &BeamMapCanvas::pointClicked, this, &BeamMapWindow::choosePoint);

    minuteTimer_.setSingleShot(true);
    connect(&minuteTimer_, &QTimer::timeout, this, [this] {
        updateSunlight();
        scheduleSunlight();
    });

    BeamMapSettings settings;
    const SettingsFile::Reading reading = settingsFile_.read();
    if (reading.found()) settings = parseBeamMapSettings(reading.lines);
    settingsFile_.setUnchangedLines(beamMapSettingsLines(settings));
    if (reading.message) platform_.showError(fromSystemText(*reading.message));
    resize(settings.width, settings.height);
    savedRadiusKm_ = settings.radiusKm;

    mapFiles_ = std::async(std::launch::async, [folder = platform_.dataFolder()] {
        beammap::BeamMapDataReading reading = beammap::readBeamMapData(folder);
        // decoding the TopoJSON passes through some 15 MB that the C library
        // would otherwise keep for this thread for the rest of the run
        malloc_trim(0);
        return reading;
    });
}

BeamMapWindow::~BeamMapWindow()
{
    // the program may end with the map open: no hide event comes then
    if (isVisible()) writeSettings();
}

bool BeamMapWindow::hasReadMapFiles() const
{
    return !mapFiles_.valid() || mapFiles_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool BeamMapWindow::loadMap()
{
    if (map_) return true;
    const beammap::BeamMapDataReading reading =
        mapFiles_.valid() ? mapFiles_.get() : beammap::readBeamMapData(platform_.dataFolder());
    if (!reading.data) {
        canvas_->setMessage(reading.error);
        status_->setText(reading.error);
        return false;
    }
    // the finer levels come in on another thread: draw them from this one
    map_ = std::make_unique<beammap::BeamMap>(reading.data, home_, [this] {
        QMetaObject::invokeMethod(
            this, [this] { canvas_->worldRefined(); }, Qt::QueuedConnection);
    });
    map_->setUnit(unit_);
    map_->setTime(static_cast<double>(platform_.currentUtc().toSecsSinceEpoch()));
    refreshTarget();
    canvas_->setMap(map_.get());
    if (savedRadiusKm_ > 0) canvas_->view().setRadiusKm(savedRadiusKm_);
    canvas_->viewChanged();
    return true;
}

void BeamMapWindow::setHome(SignedPosition home)
{
    // a home saved again unchanged keeps the operator's zoom
    const bool moved = home != home_;
    home_ = home;
    if (!map_ || !moved) return;
    map_->setHome(home);
    refreshTarget();
    canvas_->view().reset();
    canvas_->baseChanged();
}

void BeamMapWindow::setTarget(const QString& name, SignedPosition target)
{
    target_ = std::make_pair(name, target);
    refreshTarget();
}

void BeamMapWindow::clearTarget()
{
    target_.reset();
    refreshTarget();
}

void BeamMapWindow::setDistanceUnit(beammap::DistanceUnit unit)
{
    if (unit == unit_) return;
    unit_ = unit;
    if (!map_) return;
    map_->setUnit(unit);
    canvas_->baseChanged();
}

void BeamMapWindow::refreshTarget()
{
    if (!map_) return;
    map_->setTarget(target_ ? beammap::beamTargetFor(target_->first, home_, target_->second) : std::nullopt);
    canvas_->update();
}

QString BeamMapWindow::statusText() const { return status_->text(); }

void BeamMapWindow::showPointer(std::optional<QPointF> metres)
{
    const auto reading = map_ && metres ? beammap::readMapPoint(*map_, *metres) : std::nullopt;
    if (!reading) {
        status_->clear();
        return;
    }
    status_->setText(toScreen(reading->pairText) + "    " + toScreen(reading->locator) + "    Heading " +
                     beammap::degreesText(reading->fromHome.bearing) + "    " +
                     beammap::distanceText(reading->fromHome.distance, unit_));
}

void BeamMapWindow::choosePoint(QPointF metres)
{
    if (!map_) return;
    const auto reading = beammap::readMapPoint(*map_, metres);
    if (!reading) return;
    const QString locator = toScreen(reading->locator);
    setTarget(locator, reading->position);
    emit pointChosen(static_cast<double>(reading->position.latitude), static_cast<double>(reading->position.longitude),
                     locator);
}

void BeamMapWindow::updateSunlight()
{
    if (!map_) return;
    map_->setTime(static_cast<double>(platform_.currentUtc().toSecsSinceEpoch()));
    canvas_->update();
}

void BeamMapWindow::scheduleSunlight()
{
    // just after the next whole minute of the platform clock
    const QTime now = platform_.currentUtc().time();
    minuteTimer_.start(60000 - (now.second() * 1000 + now.msec()) + 50);
}

void BeamMapWindow::saveAsPng()
{
    const QString path = platform_.chooseSaveFile(this, "Save as PNG", platform_.settingsFolder() + "beammap.png",
                                                  "PNG pictures (*.png)");
    if (path.isEmpty()) return;
    if (!canvas_->picture().save(path, "PNG")) platform_.showError("Cannot write file " + path + ".");
}

void BeamMapWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // a map read now has this minute's grey line already
    if (map_)
        updateSunlight();
    else
        loadMap();
    scheduleSunlight();
}

void BeamMapWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    minuteTimer_.stop();
    writeSettings();
}

void BeamMapWindow::writeSettings()
{
    BeamMapSettings settings;
    settings.width = width();
    settings.height = height();
    settings.radiusKm = map_ && !canvas_->view().showsWholeEarth() ? canvas_->view().radiusKm() : 0;
    if (const auto problem = settingsFile_.save(beamMapSettingsLines(settings)))
        platform_.showError(fromSystemText(*problem));
}

}  // namespace qvk::ui
