#include "app/qvk/program_run.h"

#include "core/line_file.h"
#include "rotator/rotator_settings.h"
#include "settings/beam_map_settings.h"
#include "settings/clock_zones_file.h"
#include "settings/clocks_file.h"
#include "settings/preferences.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"

namespace qvk::ui {

ProgramRun::ProgramRun(Platform& platform)
    : platform_(platform),
      instance_(platform.settingsFolder(), [this] {
          if (windows_) windows_->mainWindow().bringToFront();
      })
{
}

ProgramRun::~ProgramRun() = default;

bool ProgramRun::claimSettingsFolder() { return instance_.claim() == SingleInstance::Start::First; }

void ProgramRun::start()
{
    // no save of this copy has begun yet, and no other copy saves here
    removeAbandonedSaves(settingsFilesIn(platform_.settingsFolder()));
    windows_ = std::make_unique<ProgramWindows>(platform_);
    windows_->showMainWindow();
}

std::vector<std::filesystem::path> settingsFilesIn(const QString& settingsFolder)
{
    std::vector<std::filesystem::path> files;
    for (const char* name :
         {kPreferencesFileName, kClocksFileName, kClockZonesFileName, rotator::kRotatorFileName, kBeamMapFileName})
        files.push_back(toFileSystemPath(settingsFolder + name));
    return files;
}

}  // namespace qvk::ui
