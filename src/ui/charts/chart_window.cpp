#include "ui/charts/chart_window.h"

#include "ui/charts/picture_file.h"
#include "ui/common/flat_button.h"
#include "ui/common/platform.h"
#include "ui/common/window_frame.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace qvk::ui {

ChartWindow::ChartWindow(Platform& platform, const ChartDesign& design, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
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
}

void ChartWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown centred on the desktop at its present size; the picture's size comes at activation.
    const QSize outer = outerGeometry(*this).size();
    setOuterGeometry(*this, QRect(centredTopLeft(platform_.desktopSize(), outer), outer));
    activationPending_ = true;
}

bool ChartWindow::event(QEvent* event)
{
    // Only the first activation of a showing does the work: the boxes it may
    // show re-activate the window when they close.
    if (event->type() == QEvent::WindowActivate && activationPending_) {
        activationPending_ = false;
        FormActivate();
    }
    return QDialog::event(event);
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

    // The pointer goes 48, 30 from the window's corner to where the OK button
    // sits, as it stands before the resizing: onto the button from the second
    // showing on. The offset is measured from the corner of the classic frame,
    // whatever frame the window has, so that it reaches into the button.
    const QPoint classicCorner = geometry().topLeft() - QPoint(kClassicFrame.left(), kClassicFrame.top());
    platform_.setCursorPosition(classicCorner + okPanel_->pos() + QPoint(48, 30));

    const QSize outer = read.picture.size() + QSize(6, 51);
    setOuterGeometry(*this, QRect(centredTopLeft(platform_.desktopSize(), outer), outer));

    // A caption taller than the classic one leaves less room below the
    // picture: the button then rises rather than being cut off.
    okPanel_->move(outer.width() / 2 - 35, std::min(outer.height() - 50, height() - okPanel_->height()));
}

void ChartWindow::showPicture(const QPixmap& picture)
{
    image_->setPixmap(picture);
    image_->resize(picture.size());
}

}  // namespace qvk::ui
