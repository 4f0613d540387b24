#pragma once
// Every window of the program, each created once and existing for the whole
// run: the main window first, as the others are its children and the grid
// window works on it, and each wired to the main window.

#include "ui/beammap/beam_map_link.h"
#include "ui/beammap/beam_map_window.h"
#include "ui/charts/about.h"
#include "ui/charts/us_bands.h"
#include "ui/charts/us_map.h"
#include "ui/clocks/clock2.h"
#include "ui/grid/grid.h"
#include "ui/home/home.h"
#include "ui/mainwindow/ham_df1.h"
#include "ui/rotator/rotator_control.h"
#include "ui/worldmap/world_map.h"

namespace qvk::ui {

class ProgramWindows {
public:
    explicit ProgramWindows(Platform& platform);

    THamDF1& mainWindow() { return mainWindow_; }
    BeamMapWindow& beamMap() { return beamMap_; }
    // Shows the main window at the centre of its screen; its first showing
    // does the start-up work.
    void showMainWindow();

private:
    // members are created in this order: the main window first, the clocks last
    THamDF1 mainWindow_;
    THome home_;
    TAbout about_;
    TUSBands usBands_;
    TUSMap usMap_;
    TWorldMap worldMap_;
    TGrid grid_;
    TClock2 clocks_;
    // idle until "rotator.qvk" exists; the compass menu offers its settings
    RotatorControl rotator_;
    // not modal, and a window of its own that the main window can come in front
    // of: it follows the main window's results while the operator works there
    BeamMapWindow beamMap_;
    BeamMapLink beamMapLink_;
};

}  // namespace qvk::ui
