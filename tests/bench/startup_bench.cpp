// From the program's start to its main window shown with the start-up work
// done (preferences read, sunrise and sunset computed, the by-country list
// built), then to the country file read on its worker thread, and the peak
// memory by then. Built into the program folder, so that it reads the same
// files as the program.

#include "app/qvk/program_windows.h"
#include "ui/common/country_file_loader.h"
#include "ui/common/desktop_platform.h"
#include "ui/common/program_style.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    qvk::ui::applyProgramLook(application);
    qvk::ui::DesktopPlatform platform;
    qvk::ui::ProgramWindows windows(platform);
    windows.showMainWindow();
    // the start-up work runs from the event loop right after the first showing
    QTimer::singleShot(0, &application, [&] {
        const auto shown = std::chrono::steady_clock::now();
        windows.mainWindow().countryFile().file();  // waits, as a callsign typed now would
        const auto countryFileRead = std::chrono::steady_clock::now();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto since = [&](auto moment) {
            return std::chrono::duration<double, std::milli>(moment - start).count();
        };
        std::printf("main window shown after %.1f ms; country file read after %.1f ms; peak memory %.1f MB\n",
                    since(shown), since(countryFileRead), usage.ru_maxrss / 1024.0);
        application.quit();
    });
    return application.exec();
}
