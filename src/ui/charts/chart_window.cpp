#include "ui/charts/chart_window.h"

#include "ui/charts/picture_file.h"
#include "ui/common/flat_button.h"
#include "ui/common/once_per_showing.h"
#include "ui/common/platform.h"
#include "ui/common/window_frame.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace qvk::ui {
namespace {

// From the window's classic corner plus the OK panel's place to the middle of
// the OK button once the window has taken its picture's size.
constexpr QPoint kPointerOnOkButton(48, 30);
// The outer window around its picture: the classic frame's borders and
// caption, and a strip for the OK panel below the picture.
constexpr QSize kRoomAroundPicture(6, 51);
// The OK panel's place, figured from the outer size: left of its middle, and
// above its bottom.
constexpr int kOkPanelLeftOfMiddle = 35;
constexpr int kOkPanelAboveBottom = 50;

}  // namespace

ChartWindow::ChartWindow(Platform& platform, const ChartDesign& design, QWidget* parent)
    : QDialog(parent, kTitleAndCloseBox),
      platform_(platform),
      design_(design)
{
    setObjectName(design.windowName);
    setWindowTitle(design.caption);
    setFixedSize(design.clientSize);
    setColours(*this, design.background, kNavy);

    image_ = new QLabel(this);
    image_->setObjectName("Image1");
    image_->setGeometry(QRect(QPoint(0, 0), design.pictureSize));
    if (!design.builtInPicture.isEmpty()) showPicture(QPixmap(design.builtInPicture));

    okPanel_ = addOkPanel(*this, design.okPanel);
    new OncePerShowing(*this, [this] { FormActivate(); });
}

void ChartWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown centred on the desktop at its present size; the picture's size comes at activation.
    const QSize outer = outerGeometry(*this).size();
    setOuterGeometry(*this, QRect(centredTopLeft(platform_.desktopSize(), outer), outer));
}

void ChartWindow::FormActivate()
{
    const QString path = platform_.dataFolder() + design_.fileName;
    if (!QFileInfo::exists(path)) {
        warnNearCentre(platform_, QStringLiteral("File: '%1' not found.").arg(design_.fileName));
        return;
    }
    const PictureRead read = readPicture(path);
    if (read.picture.isNull()) {
        platform_.showError(read.error);
        return;
    }
    showPicture(read.picture);

    // The pointer goes to where the OK button sits, as the window stands
    // before the resizing: onto the button from the second showing on, when
    // the window's place is the same, so that a glance and a click close it.
    // The offset is measured from the corner of the classic frame, whatever
    // frame the window has, so that it reaches into the button.
    const QPoint classicCorner = geometry().topLeft() - QPoint(kClassicFrame.left(), kClassicFrame.top());
    platform_.setCursorPosition(classicCorner + okPanel_->pos() + kPointerOnOkButton);

    const QSize outer = read.picture.size() + kRoomAroundPicture;
    setOuterGeometry(*this, QRect(centredTopLeft(platform_.desktopSize(), outer), outer));

    // A caption taller than the classic one leaves less room below the
    // picture: the button then rises rather than being cut off.
    okPanel_->move(outer.width() / 2 - kOkPanelLeftOfMiddle,
                   std::min(outer.height() - kOkPanelAboveBottom, height() - okPanel_->height()));
}

void ChartWindow::showPicture(const QPixmap& picture)
{
    image_->setPixmap(picture);
    image_->resize(picture.size());
}

}  // namespace qvk::ui
