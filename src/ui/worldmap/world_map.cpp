#include "ui/worldmap/world_map.h"

#include "ui/common/flat_button.h"
#include "ui/common/once_per_showing.h"
#include "ui/common/pie_arrow.h"
#include "ui/common/platform.h"
#include "ui/common/search_combo_box.h"
#include "ui/common/window_frame.h"
#include "ui/worldmap/map_panel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

namespace qvk::ui {
namespace {

// The window takes the desktop up to this outer size.
constexpr QSize kLargestWindow(1139, 627);
const QColor kWindowColour(224, 192, 120);
// Each showing starts with the arrow here, near the map's top-left corner,
// until an entry is marked.
constexpr QPoint kArrowAtShowing(26, 35);
// The open list, 20 entries high, reaches about this far below the search
// box's top.
constexpr int kListReach = 350;
// Left of the search box, where the pointer is out of the open list's way.
constexpr int kPointerAsideX = 403;

}  // namespace

TWorldMap::TWorldMap(Platform& platform, QWidget* parent) : QDialog(parent, kTitleAndCloseBox), platform_(platform)
{
    setObjectName("WorldMap");
    setWindowTitle("World Map");
    setColours(*this, kWindowColour, kNavy);
    setFixedSize(1016, 591);
    buildToolbar();
    buildMap();
    watchKeys();
    new OncePerShowing(*this, [this] { FormActivate(); });
}

// The window sees every typed key before the control that has the focus.
void TWorldMap::watchKeys()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool TWorldMap::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // A key is seen once, where it is first delivered: at the focus, or
        // at the open list's view, not again on its way up to the parents
        // nor when the search box hands it on to its text.
        QWidget* focus = QApplication::focusWidget();
        const bool firstReceiver = watched == focus || watched == searchBox_->view() || (!focus && watched == this);
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (firstReceiver && !typed.isEmpty()) windowKey(typed);
    }
    return QDialog::eventFilter(watched, event);
}

void TWorldMap::windowKey(const QString& typed)
{
    if (typed == "1")
        nudgeStep_ = 1;
    else if (typed == "2")
        nudgeStep_ = 10;
    else if (typed == "3")
        nudgeStep_ = 20;
    else if (typed == "w")
        anchor_->move(anchor_->pos() + QPoint(0, -nudgeStep_));
    else if (typed == "s")
        anchor_->move(anchor_->pos() + QPoint(0, nudgeStep_));
    else if (typed == "a")
        anchor_->move(anchor_->pos() + QPoint(-nudgeStep_, 0));
    else if (typed == "d")
        anchor_->move(anchor_->pos() + QPoint(nudgeStep_, 0));
    attachArrow();
}

// The arrow keeps its tip at 10 pixels from the right and the top of its box
// (TPieArrow leaves a margin of ArrowWidth + 1 round its points), so it is
// placed by where its tip is rather than by its size.
void TWorldMap::attachArrow()
{
    const QPoint tip = QPoint(arrow_->TargetX(), arrow_->TargetY()) - arrow_->pos();
    arrow_->move(arrowPosition(anchor_->pos(), tip));
}

// Only the close button and the title bar's close box close the window.
void TWorldMap::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TWorldMap::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QSize desktop = platform_.desktopSize();
    const QSize outer = desktop.boundedTo(kLargestWindow);
    setOuterGeometry(*this, QRect(centredTopLeft(desktop, outer), outer));
}

void TWorldMap::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    toolbar_->resize(width() + kToolbarOverhang, toolbar_->height());
    toolbarInner_->resize(width() + kToolbarOverhang, toolbarInner_->height());
    viewport_->resize(width() + kViewportOverhang, viewport_->height());
}

void TWorldMap::FormActivate()
{
    if (firstActivation_) {
        mapPanel_->resize(kMapSize);
        picture_->setGeometry(QRect(QPoint(0, 0), kMapSize));
        firstActivation_ = false;
    }
    arrow_->move(kArrowAtShowing);
    searchBox_->setEditText(QString());
    searchBox_->setFocus(Qt::ActiveWindowFocusReason);
}

// Keeps the pointer off the list that is about to open, so that the list does
// not open under it. The test is a rough one, cheap on every key: it compares
// screen coordinates with the search box's place in the window and keeps the
// pointer's screen y as a y in the window. The two nearly agree on a desktop
// no larger than the window, which the window then fills; on a larger one
// the pointer still ends up left of the list, only lower.
void TWorldMap::relocatePointerBeforeTyping()
{
    const QPoint pointer = platform_.cursorPosition();
    const QPoint box = searchBox_->mapTo(this, QPoint(0, 0));
    if (pointer.x() >= box.x() && pointer.y() <= box.y() + kListReach)
        platform_.setCursorPosition(mapToGlobal(QPoint(kPointerAsideX, pointer.y())));
}

void TWorldMap::ComboBox1Exit()
{
    const int index = searchBox_->findText(searchBox_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QString tail = index < 0 ? QString() : tailList_->itemText(index);
    markTail(tail);
    searchBox_->setFocus(Qt::OtherFocusReason);
    if (!tail.contains('#')) return;
    searchBox_->putCaretAtEnd();
    searchBox_->selectAllForReplacement();
}

void TWorldMap::markTail(const QString& tail)
{
    const std::optional<MapMarker> marker = markerFromTail(tail);
    if (!marker) {
        arrow_->hide();  // the square keeps what it showed
        return;
    }
    anchor_->move(anchorPosition(*marker));
    if (marker->kind == MapMarker::Square) {
        square_->move(squarePosition(anchor_->pos()));
        square_->show();
        arrow_->hide();
    } else {
        attachArrow();
        arrow_->show();
        square_->hide();
    }
    if (followToggle_->isChecked())
        mapPanel_->move(followPosition(anchor_->pos(), mapPanel_->pos(), viewport_->size(), mapPanel_->size()));
}

void TWorldMap::pan(MapEdge edge)
{
    mapPanel_->move(panPosition(edge, mapPanel_->pos(), viewport_->size(), mapPanel_->size()));
}

}  // namespace qvk::ui
