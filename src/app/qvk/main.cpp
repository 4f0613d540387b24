// Amateur Radio QVK: where to point the antenna.

#include "app/program_identity.h"
#include "app/qvk/command_line.h"
#include "app/qvk/program_run.h"
#include "ui/common/desktop_platform.h"
#include "ui/common/program_name.h"
#include "ui/common/program_style.h"

#include <QApplication>
#include <QIcon>

#include <iostream>

int main(int argc, char** argv)
{
    // before the application object, which needs a display
    const qvk::app::CommandLine commandLine = qvk::app::readCommandLine(argc, argv);
    switch (commandLine.action) {
    case qvk::app::CommandLine::Action::Help:
        std::cout << qvk::app::helpText();
        return 0;
    case qvk::app::CommandLine::Action::Version:
        std::cout << qvk::app::versionText();
        return 0;
    case qvk::app::CommandLine::Action::UsageError:
        std::cerr << "qvk: " << commandLine.problem << "\nTry 'qvk --help'.\n";
        return qvk::app::kUsageErrorStatus;
    case qvk::app::CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    qvk::ui::nameTheProgram(application);
    application.setApplicationVersion(qvk::kVersion);
    // the desktop entry's name, so that docks and the window manager match the two
    application.setDesktopFileName(qvk::kDesktopId);
    qvk::ui::applyProgramLook(application);
    application.setWindowIcon(QIcon(":/icons/app.png"));

    qvk::ui::DesktopPlatform platform;
    // held to the end: later starts on the same settings find it and bring this copy to the front
    qvk::ui::ProgramRun run(platform);
    if (!run.claimSettingsFolder()) return 0;
    if (!platform.settingsProblem().isEmpty()) platform.showWarning(platform.settingsProblem());
    run.start();
    return application.exec();
}
