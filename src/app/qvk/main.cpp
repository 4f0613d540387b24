// Amateur Radio QVK: where to point the antenna.

#include "app/qvk/program_windows.h"
#include "ui/common/desktop_platform.h"
#include "ui/common/program_style.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName("qvk");
    application.setApplicationDisplayName("Amateur Radio QVK");
    qvk::ui::applyProgramLook(application);
    application.setWindowIcon(QIcon(":/icons/app.png"));

    qvk::ui::DesktopPlatform platform;
    if (!platform.settingsProblem().isEmpty()) platform.showWarning(platform.settingsProblem());
    qvk::ui::ProgramWindows windows(platform);
    windows.showMainWindow();
    return application.exec();
}
