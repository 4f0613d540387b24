#include "ui/mainwindow/ham_df1.h"

#include "ui/common/platform.h"

namespace qvk::ui {

THamDF1::THamDF1(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    setObjectName("HamDF1");
    setWindowTitle("Amateur Radio QVK");
    setFixedSize(462, 336);
}

}  // namespace qvk::ui
