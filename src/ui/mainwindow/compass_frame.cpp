#include "ui/mainwindow/compass_frame.h"

#include "ui/common/pie_arrow.h"
#include "ui/mainwindow/compass_card.h"
#include "ui/mainwindow/compass_markers.h"

#include <QPainter>

namespace qvk::ui {
namespace {

const QColor kFrameAmber(225, 168, 0);
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kArrowOrange(255, 136, 72);
constexpr int kBevelWidth = 2;

// A marker only carries a position; it is never shown.
QWidget* makeMarker(QWidget* parent, const QString& name)
{
    auto* marker = new QWidget(parent);
    marker->setObjectName(name);
    marker->resize(6, 6);
    marker->setAutoFillBackground(true);
    QPalette palette = marker->palette();
    palette.setColor(QPalette::Window, kMaroon);
    marker->setPalette(palette);
    marker->setVisible(false);  // explicitly, so showing the frame leaves it hidden
    return marker;
}

void moveMarkers(QWidget* start, QWidget* target, const MarkerPoints& points)
{
    start->move(points.start.x, points.start.y);
    target->move(points.target.x, points.target.y);
}

}  // namespace

CompassFrame::CompassFrame(QWidget* parent) : QFrame(parent)
{
    setFixedSize(255, 255);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBevelWidth);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFrameAmber);
    setPalette(palette);

    startMarker_ = makeMarker(this, "StartMarker");
    targetMarker_ = makeMarker(this, "TargetMarker");

    arrow_ = new TPieArrow(this);
    arrow_->setArrowWidth(6);
    arrow_->setPen(QPen(kNavy, 2));
    arrow_->setBrush(kArrowOrange);
    arrow_->setTransparent(false);

    showNorth();
}

void CompassFrame::showHeading(int evenHeading)
{
    moveMarkers(startMarker_, targetMarker_, markersForEvenHeading(evenHeading));
    pointArrow();
}

void CompassFrame::showNorth()
{
    moveMarkers(startMarker_, targetMarker_, northMarkers());
    pointArrow();
    arrow_->update();
}

QPoint CompassFrame::startMarker() const
{
    return startMarker_->pos();
}

QPoint CompassFrame::targetMarker() const
{
    return targetMarker_->pos();
}

// One end at a time, start first: the arrow re-places itself after each.
void CompassFrame::pointArrow()
{
    arrow_->setStartX(startMarker_->x());
    arrow_->setStartY(startMarker_->y());
    arrow_->setTargetX(targetMarker_->x());
    arrow_->setTargetY(targetMarker_->y());
}

void CompassFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);  // the bevel
    const qreal ratio = devicePixelRatioF();
    if (card_.isNull() || card_.devicePixelRatio() != ratio) {
        card_ = QPixmap::fromImage(compassCardImage(ratio));
    }
    QPainter(this).drawPixmap(kBevelWidth, kBevelWidth, card_);
}

}  // namespace qvk::ui
