// Window tests run the real widgets, named as the program names them, on
// Qt's off-screen platform unless told otherwise.

#include "ui/common/program_name.h"
#include "ui/common/program_style.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    qvk::ui::nameTheProgram(application);
    qvk::ui::applyProgramLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
