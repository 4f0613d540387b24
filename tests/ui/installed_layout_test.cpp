// The program as a package installs it: its data in a shared folder the
// operator cannot write, its settings in the operator's own folder. Each file
// is read from and written to the folder it belongs to.

#include "app/qvk/program_windows.h"
#include "mainwindow/main_window_fixture.h"

#include <QDirIterator>

namespace qvk::ui {
namespace {

QStringList filesIn(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) files << it.next();
    files.sort();
    return files;
}

using InstalledLayout = MainWindowTest;

TEST_F(InstalledLayout, DataComesFromTheSharedFolderAndSettingsGoToTheOperatorsOwn)
{
    platform.keepSettingsApart();
    platform.writeFile("states.txt", shippedFile("states.txt"));
    platform.writeFile("statedata/AL.txt", shippedFile("statedata/AL.txt"));
    platform.writeSettingsFile("prefs.qvk", kMontgomeryPrefs);
    platform.writeSettingsFile("tms.qvk", shippedFile("tms.qvk"));
    const QStringList shipped = filesIn(platform.dataFolder());

    {
        ProgramWindows windows(platform);
        THamDF1& main = windows.mainWindow();
        windows.showMainWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return main.home().has_value(); }));

        QTest::mouseClick(&child<QToolButton>(main, "SpeedButton1"), Qt::LeftButton);  // Alabama's cities
        EXPECT_EQ(main.locationList().count(), shippedFile("statedata/AL.txt").count('\n'));
        QTest::mouseClick(&child<QToolButton>(main, "SpeedButton53"), Qt::LeftButton);  // Close
        EXPECT_FALSE(main.isVisible());
    }

    EXPECT_EQ(platform.errors, QStringList{});
    EXPECT_EQ(filesIn(platform.dataFolder()), shipped) << "nothing is written among the shipped data";
    EXPECT_EQ(platform.readSettingsFile("prefs.qvk"), kMontgomeryPrefs);
    EXPECT_EQ(platform.readSettingsFile("tms.qvk"), shippedFile("tms.qvk"));
}

}  // namespace
}  // namespace qvk::ui
