#include "ui/worldmap/map_panel.h"

#include "ui/worldmap/map_geometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace qvk::ui {

MapPanel::MapPanel(QWidget* viewport) : QFrame(viewport) {}

void MapPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    pressedAt_ = event->globalPosition().toPoint();
    startPosition_ = pos();
}

void MapPanel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (dragging_) move(startPosition_ + event->globalPosition().toPoint() - pressedAt_);
}

void MapPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    move(clampAfterDrag(pos(), parentWidget()->size(), size()));
}

RoundedSquare::RoundedSquare(QWidget* parent) : QWidget(parent) {}

void RoundedSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 2));
    painter.setBrush(Qt::NoBrush);
    // the pen straddles the outline: inset by half its width to keep it whole
    const QRectF outline = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal corner = width() / 4.0;
    painter.drawRoundedRect(outline, corner, corner);
}

void RoundedSquare::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace qvk::ui
