#include "ui/beammap/beam_map_link.h"

#include "catalogue/list_entry.h"
#include "ui/beammap/beam_map_window.h"
#include "ui/common/platform.h"
#include "ui/home/home.h"
#include "ui/mainwindow/ham_df1.h"

#include <algorithm>

namespace qvk::ui {
namespace {

// Between the two windows' frames, as far as the desktop allows.
constexpr int kGap = 8;

beammap::DistanceUnit unitOf(const THome& home)
{
    return home.milesSelected() ? beammap::DistanceUnit::Miles : beammap::DistanceUnit::Kilometres;
}

}  // namespace

BeamMapLink::BeamMapLink(Platform& platform, THamDF1& mainWindow, THome& home, BeamMapWindow& beamMap)
    : platform_(platform),
      mainWindow_(mainWindow),
      home_(home),
      beamMap_(beamMap)
{
    connect(&mainWindow_, &THamDF1::beamMapRequested, this, &BeamMapLink::openBeamMap);
    connect(&mainWindow_, &THamDF1::resultShown, this, [this](const QString& name, double latitude, double longitude) {
        beamMap_.setTarget(legendName(name), {latitude, longitude});
    });
    connect(&mainWindow_, &THamDF1::resultCleared, &beamMap_, &BeamMapWindow::clearTarget);
    connect(&home_, &THome::homeSaved, this, [this](const QString&, const QString&, double latitude, double longitude) {
        homeSaved(latitude, longitude);
    });
    connect(&beamMap_, &BeamMapWindow::pointChosen, this, &BeamMapLink::pointChosen);
}

void BeamMapLink::openBeamMap()
{
    // the preferences read at start reach the main window alone
    if (const auto home = mainWindow_.home()) beamMap_.setHome(*home);
    beamMap_.setDistanceUnit(unitOf(home_));
    if (!placed_) {
        beamMap_.move(
            besideMainWindow(mainWindow_.frameGeometry(), beamMap_.frameGeometry().size(), platform_.desktopSize()));
        placed_ = true;
    }
    beamMap_.show();
    beamMap_.raise();
    beamMap_.activateWindow();
}

void BeamMapLink::homeSaved(double latitude, double longitude)
{
    beamMap_.setHome({latitude, longitude});
    beamMap_.setDistanceUnit(unitOf(home_));
}

void BeamMapLink::pointChosen(double latitude, double longitude, const QString& locator)
{
    mainWindow_.BreakOutCity(kChosenTargetTag, "   " + locator, mainWindow_.home(),
                             SignedPosition{latitude, longitude});
    mainWindow_.showDistanceOfLastResult();
}

QString legendName(const QString& resultName)
{
    const QString name = resultName.trimmed();
    const qsizetype position =
        std::max(name.lastIndexOf(QString("N") + QChar(0xB0)), name.lastIndexOf(QString("S") + QChar(0xB0)));
    const QString before = position > 0 ? name.left(position).trimmed() : QString();
    return before.isEmpty() ? name : before;
}

QPoint besideMainWindow(const QRect& mainFrame, QSize mapFrame, QSize desktop)
{
    const int top = std::clamp(mainFrame.top(), 0, std::max(0, desktop.height() - mapFrame.height()));
    if (mainFrame.right() + kGap + mapFrame.width() <= desktop.width()) return {mainFrame.right() + kGap, top};
    if (mainFrame.left() - kGap - mapFrame.width() >= 0) return {mainFrame.left() - kGap - mapFrame.width(), top};
    const bool rightIsWider = desktop.width() - mainFrame.right() > mainFrame.left();
    return {rightIsWider ? std::max(0, desktop.width() - mapFrame.width()) : 0, top};
}

}  // namespace qvk::ui
