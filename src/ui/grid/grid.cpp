#include "ui/grid/grid.h"

#include "catalogue/list_entry.h"
#include "core/byte_text.h"
#include "core/maidenhead.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"
#include "ui/mainwindow/ham_df1.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace qvk::ui {
namespace {

using Status = EntryPosition::Status;

// The warning (or, for a number that cannot be read, the error box) of a
// target that could not be resolved.
void reportFailure(Platform& platform, const EntryPosition& target, bool nearCentre)
{
    const QString text = toScreen(target.message);
    if (target.status == Status::InvalidNumber)
        platform.showError(text);
    else if (nearCentre)
        warnNearCentre(platform, text);
    else
        platform.showWarning(text);
}

}  // namespace

TGrid::TGrid(Platform& platform, THamDF1& mainWindow, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      mainWindow_(mainWindow)
{
    buildControls();

    connect(coordinatesModeButton_, &QRadioButton::toggled, coordinatePanel_, &QWidget::setVisible);
    connect(calcButton_, &QToolButton::clicked, this, &TGrid::calcClick);
    connect(cancelButton_, &QToolButton::clicked, this, &QDialog::reject);
    for (QLineEdit* box : {locatorBox_, latitudeBox_, longitudeBox_}) box->installEventFilter(this);
}

void TGrid::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool TGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            calcClick();
            return true;  // the dialog must not see the key as well
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TGrid::FormActivate()
{
    locatorBox_->selectAll();
    // the caret goes where the operator can see it: the locator box lies
    // under the coordinate panel in "Coordinates" mode
    (coordinatesModeButton_->isChecked() ? latitudeBox_ : locatorBox_)->setFocus(Qt::OtherFocusReason);
    mainWindow_.prepareForGridTarget();
}

void TGrid::calcClick()
{
    if (coordinatesModeButton_->isChecked())
        calcFromCoordinates();
    else
        calcFromLocator();
}

void TGrid::calcFromLocator()
{
    locatorBox_->setText(toScreen(text::upperAscii(fromScreen(locatorBox_->text()))));
    const std::string locator = fromScreen(locatorBox_->text());
    if (const auto warning = locatorWarning(locator)) return platform_.showWarning(toScreen(*warning));

    const std::string corner = locatorCorner(locator);
    const EntryPosition target = positionOfEntry(corner);
    if (target.status != Status::Found) return reportFailure(platform_, target, false);
    handOver(locator, corner, target.position);
}

void TGrid::calcFromCoordinates()
{
    // the checks read the upper-cased pair; the description keeps the texts as typed
    const std::string typed = fromScreen(latitudeBox_->text()) + "\\" + fromScreen(longitudeBox_->text());
    locatorBox_->clear();
    const EntryPosition target = positionOfEntry(text::upperAscii(typed));
    if (target.status != Status::Found) {
        reportFailure(platform_, target, true);
        if (target.status == Status::NoLatitude || target.status == Status::NoLongitude)
            locatorBox_->setFocus(Qt::OtherFocusReason);
        return;
    }
    handOver(GridCalc(target.position.latitude, target.position.longitude), typed, target.position);
}

void TGrid::handOver(const std::string& locator, const std::string& coordinates, const SignedPosition& target)
{
    const std::string description = "   " + locator + "    " + coordinates;
    mainWindow_.BreakOutCity(kChosenTargetTag, toScreen(description), mainWindow_.home(), target);
    mainWindow_.showDistanceOfLastResult();
    accept();
}

}  // namespace qvk::ui
