#include "app/qvk/program_windows.h"

#include "ui/common/form_window.h"

namespace qvk::ui {

ProgramWindows::ProgramWindows(Platform& platform)
    : mainWindow_(platform),
      home_(platform, &mainWindow_),
      about_(&mainWindow_),
      usBands_(platform, &mainWindow_),
      usMap_(platform, &mainWindow_),
      worldMap_(platform, &mainWindow_),
      grid_(platform, mainWindow_, &mainWindow_),
      clocks_(platform, &mainWindow_),
      rotator_(platform, &mainWindow_),
      beamMap_(platform),
      beamMapLink_(platform, mainWindow_, home_, beamMap_)
{
    SecondaryWindows windows;
    windows.home = &home_;
    windows.about = &about_;
    windows.usBands = &usBands_;
    windows.usMap = &usMap_;
    windows.worldMap = &worldMap_;
    windows.grid = &grid_;
    windows.clocks = &clocks_;
    windows.writeClocksFile = [this] { return clocks_.writeClocksFile(); };
    mainWindow_.setSecondaryWindows(windows);
    mainWindow_.setRotatorControl(&rotator_);
}

void ProgramWindows::showMainWindow()
{
    centreOnScreen(mainWindow_);
    mainWindow_.show();
}

}  // namespace qvk::ui
