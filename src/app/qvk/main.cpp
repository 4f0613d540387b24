// Amateur Radio QVK: where to point the antenna.

#include "ui/common/desktop_platform.h"
#include "ui/mainwindow/ham_df1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName("qvk");
    application.setApplicationDisplayName("Amateur Radio QVK");

    qvk::ui::DesktopPlatform platform;
    qvk::ui::THamDF1 mainWindow(platform);
    mainWindow.show();
    return application.exec();
}
