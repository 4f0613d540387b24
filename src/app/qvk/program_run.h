#pragma once
// One run of the program on its settings folder.
//
// Only one copy of the program runs on a settings folder at a time (see
// single_instance.h): a later start finds the folder claimed, brings the
// running copy's main window to the front and ends before it has read or
// written a single file. The copy that runs first clears away what saves of
// a killed copy left behind, then creates its windows.

#include "app/qvk/program_windows.h"
#include "app/qvk/single_instance.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace qvk::ui {

class ProgramRun {
public:
    explicit ProgramRun(Platform& platform);
    ~ProgramRun();

    // false when another copy runs on the settings folder: it has been asked
    // to come to the front, and this one has nothing more to do.
    bool claimSettingsFolder();
    // Creates every window and shows the main window; once claimed.
    void start();

    // The windows, once started.
    ProgramWindows& windows() const { return *windows_; }

private:
    Platform& platform_;
    SingleInstance instance_;
    std::unique_ptr<ProgramWindows> windows_;
};

// Every settings file the program writes, in the settings folder.
std::vector<std::filesystem::path> settingsFilesIn(const QString& settingsFolder);

}  // namespace qvk::ui
