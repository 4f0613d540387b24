#include "ui/beammap/beam_map_canvas.h"

#include "ui/beammap/beam_map_colours.h"
#include "ui/beammap/beam_map_painter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace qvk::ui {
namespace {

constexpr int kDragThreshold = 3;  // pixels a press may wander and still be a click
// The kept picture reaches this share of the view beyond each edge: a pan of
// that many pixels needs no redraw, and a redraw costs with the picture's area.
constexpr double kCacheMargin = 0.15;

}  // namespace

BeamMapCanvas::BeamMapCanvas(QWidget* parent) : QWidget(parent), view_(QSizeF(760, 760), 1)
{
    setObjectName("beamMapCanvas");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 240);
    clickTimer_.setSingleShot(true);
    clickTimer_.setInterval(QApplication::doubleClickInterval());
    connect(&clickTimer_, &QTimer::timeout, this, [this] { emit pointClicked(clickedMetres_); });
}

void BeamMapCanvas::setMap(const beammap::BeamMap* map)
{
    const bool first = map && !map_;
    map_ = map;
    if (first) view_ = beammap::MapView(size(), map->projection().outlineRadius());
    baseChanged();
}

void BeamMapCanvas::setMessage(const QString& message)
{
    message_ = message;
    update();
}

void BeamMapCanvas::baseChanged()
{
    base_.reset();
    update();
}

void BeamMapCanvas::worldRefined()
{
    if (base_ && map_ && &map_->worldAt(base_->view.pixelsPerMetre()) == base_->world) return;
    baseChanged();
}

void BeamMapCanvas::viewChanged()
{
    if (base_ && base_->view.pixelsPerMetre() != view_.pixelsPerMetre()) base_.reset();
    update();
}

bool BeamMapCanvas::cacheCovers() const
{
    if (!base_ || base_->view.pixelsPerMetre() != view_.pixelsPerMetre()) return false;
    const QRectF cached(base_->view.toPixel(view_.toMetres({0, 0})), view_.size());
    return QRectF(QPointF(0, 0), base_->view.size()).contains(cached);
}

void BeamMapCanvas::renderBase()
{
    const beammap::MapView cacheView = view_.grownBy(view_.size() * kCacheMargin);
    const qreal ratio = devicePixelRatioF();
    // asked before drawing: a level that arrives meanwhile is drawn on its call
    const beammap::ProjectedWorld* world = &map_->worldAt(cacheView.pixelsPerMetre());
    const QSize pixels = (cacheView.size() * ratio).toSize();
    if (basePicture_.size() != pixels) basePicture_ = QPixmap(pixels);
    basePicture_.setDevicePixelRatio(ratio);
    QPainter painter(&basePicture_);
    beammap::paintBaseLayer(painter, cacheView, *map_);
    base_ = BaseCache{cacheView, world};
}

void BeamMapCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!map_) {
        painter.fillRect(rect(), beammap::kOutsideEarth);
        painter.setPen(kNavy);
        painter.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    if (!cacheCovers()) renderBase();
    const QPointF offset = view_.toPixel({0, 0}) - base_->view.toPixel({0, 0});
    painter.drawPixmap(offset, basePicture_);
    beammap::paintOverlay(painter, view_, *map_);
}

void BeamMapCanvas::resizeEvent(QResizeEvent*)
{
    view_.resize(size());
    base_.reset();
}

void BeamMapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    pressedAt_ = event->position().toPoint();
    lastDragPoint_ = *pressedAt_;
    dragging_ = false;
}

void BeamMapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        dragging_ = dragging_ || (at - *pressedAt_).manhattanLength() > kDragThreshold;
        if (dragging_) {
            view_.panByPixels(at - lastDragPoint_);
            lastDragPoint_ = at;
            update();
        }
    }
    if (map_) emit pointerMoved(view_.toMetres(at));
}

void BeamMapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressedAt_) return;
    if (!dragging_ && map_) {
        clickedMetres_ = view_.toMetres(event->position());
        clickTimer_.start();
    }
    pressedAt_.reset();
    dragging_ = false;
}

void BeamMapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    clickTimer_.stop();
    pressedAt_.reset();
    view_.reset();
    viewChanged();
}

void BeamMapCanvas::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0 || !map_) return;
    view_.zoomAbout(event->position(), std::pow(kZoomStep, notches));
    viewChanged();
    emit pointerMoved(view_.toMetres(event->position()));
}

void BeamMapCanvas::leaveEvent(QEvent*) { emit pointerMoved(std::nullopt); }

void BeamMapCanvas::contextMenuEvent(QContextMenuEvent* event) { emit contextMenuWanted(event->globalPos()); }

QImage BeamMapCanvas::picture() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((view_.size() * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    if (map_) beammap::paintBeamMap(painter, view_, *map_);
    return image;
}

}  // namespace qvk::ui
