#include "ui/common/program_name.h"

#include <QGuiApplication>

namespace qvk::ui {

void nameTheProgram(QGuiApplication& application)
{
    application.setApplicationName("qvk");
    application.setApplicationDisplayName(kProgramName);
}

}  // namespace qvk::ui
