// Amateur Radio QVK: where to point the antenna.

#include "ui/common/desktop_platform.h"
#include "ui/common/program_style.h"
#include "ui/charts/about.h"
#include "ui/charts/us_bands.h"
#include "ui/charts/us_map.h"
#include "ui/clocks/clock2.h"
#include "ui/grid/grid.h"
#include "ui/home/home.h"
#include "ui/mainwindow/ham_df1.h"
#include "ui/rotator/rotator_control.h"
#include "ui/worldmap/world_map.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName("qvk");
    application.setApplicationDisplayName("Amateur Radio QVK");
    qvk::ui::applyProgramLook(application);
    application.setWindowIcon(QIcon(":/icons/app.png"));

    // Every window exists for the whole run, created in this order.
    qvk::ui::DesktopPlatform platform;
    qvk::ui::THamDF1 mainWindow(platform);
    qvk::ui::THome home(platform, &mainWindow);
    qvk::ui::TAbout about(&mainWindow);
    qvk::ui::TUSBands usBands(platform, &mainWindow);
    qvk::ui::TUSMap usMap(platform, &mainWindow);
    qvk::ui::TWorldMap worldMap(platform, &mainWindow);
    qvk::ui::TGrid grid(platform, mainWindow, &mainWindow);
    qvk::ui::TClock2 clocks(platform, &mainWindow);

    qvk::ui::SecondaryWindows windows;
    windows.home = &home;
    windows.about = &about;
    windows.usBands = &usBands;
    windows.usMap = &usMap;
    windows.worldMap = &worldMap;
    windows.grid = &grid;
    windows.clocks = &clocks;
    windows.writeClocksFile = [&clocks] { return clocks.writeClocksFile(); };
    mainWindow.setSecondaryWindows(windows);

    // Idle until "rotator.qvk" exists; the compass menu offers its settings.
    qvk::ui::RotatorControl rotator(platform, &mainWindow);
    mainWindow.setRotatorControl(&rotator);

    mainWindow.move(mainWindow.screen()->availableGeometry().center() - mainWindow.rect().center());
    mainWindow.show();
    return application.exec();
}
